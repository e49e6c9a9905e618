#include "platform/win32/resource_record_source.h"

RecordLookup ResourceRecordSource::Find(uint16_t identifier, const uint8_t** bytes, size_t* size) {
    HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(identifier), MAKEINTRESOURCEW(10));
    if (!resource) return RecordLookup::Missing;
    DWORD length = SizeofResource(module_, resource);
    if (length == 0) return RecordLookup::Unavailable;
    HGLOBAL loaded = LoadResource(module_, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return RecordLookup::Unavailable;
    *bytes = static_cast<const uint8_t*>(data);
    *size = length;
    return RecordLookup::Found;
}
