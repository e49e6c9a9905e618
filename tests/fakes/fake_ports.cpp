#include "tests/fakes/fake_ports.h"

#include <algorithm>

RecordLookup MemoryRecordSource::Find(uint16_t identifier, const uint8_t** bytes, size_t* size) {
    auto it = Records.find(identifier);
    if (it == Records.end()) return RecordLookup::Missing;
    if (it->second.empty() ||
        std::find(Unavailable.begin(), Unavailable.end(), identifier) != Unavailable.end())
        return RecordLookup::Unavailable;
    *bytes = it->second.data();
    *size = it->second.size();
    return RecordLookup::Found;
}

int32_t FakeMessagePort::ShowMessage(void* owner, const char16_t* text, const char16_t* caption,
                                     uint32_t style) {
    Shown.push_back(ShownMessage{owner, text ? text : u"", caption ? caption : u"",
                                 caption != nullptr, style});
    if (Answers.empty()) return kIdOk;
    int32_t answer = Answers.front();
    Answers.erase(Answers.begin());
    return answer;
}

ScopedFakePorts::ScopedFakePorts() : saved_(Ports) {
    Ports.Records = &Records;
    Ports.Messages = &Messages;
    Ports.Shell = &Shell;
}

ScopedFakePorts::~ScopedFakePorts() { Ports = saved_; }
