#include "tests/win32/support/scoped_resource_records.h"

int32_t RecordingMessagePort::ShowMessage(void* owner, const char16_t* text,
                                          const char16_t* caption, uint32_t style) {
    Texts.push_back(text ? text : u"");
    return kIdOk;
}

ScopedResourceRecords::ScopedResourceRecords() : saved_(Ports) {
    Ports.Records = &Source;
    Ports.Messages = &Messages;
}

ScopedResourceRecords::~ScopedResourceRecords() { Ports = saved_; }
