// The book's records as RT_RCDATA resources of a module (the program itself).
#pragma once
#include <windows.h>

#include "platform/record_source.h"

class ResourceRecordSource : public RecordSource {
public:
    explicit ResourceRecordSource(HMODULE module = nullptr) : module_(module) {}
    RecordLookup Find(uint16_t identifier, const uint8_t** bytes, size_t* size) override;

private:
    HMODULE module_;
};
