// For one test: the program's own RT_RCDATA resources as the record source, and
// a message port that keeps the texts it is asked to show instead of showing a
// box. The previous ports come back afterwards.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/ports.h"
#include "platform/win32/resource_record_source.h"

class RecordingMessagePort : public MessagePort {
public:
    std::vector<std::u16string> Texts;
    int32_t ShowMessage(void* owner, const char16_t* text, const char16_t* caption,
                        uint32_t style) override;
};

class ScopedResourceRecords {
public:
    ResourceRecordSource Source{GetModuleHandleW(nullptr)};
    RecordingMessagePort Messages;
    ScopedResourceRecords();
    ~ScopedResourceRecords();
    ScopedResourceRecords(const ScopedResourceRecords&) = delete;
    ScopedResourceRecords& operator=(const ScopedResourceRecords&) = delete;

private:
    PlatformPorts saved_;
};
