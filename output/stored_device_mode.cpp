#include "output/stored_device_mode.h"

namespace {

uint32_t Read16(const uint8_t* bytes, size_t offset) {
    return uint32_t(bytes[offset]) | (uint32_t(bytes[offset + 1]) << 8);
}

}  // namespace

bool IsWholeDeviceMode(const uint8_t* bytes, size_t size) {
    if (!bytes || size < kDeviceModeFieldsEnd) return false;
    const size_t publicSize = Read16(bytes, kDeviceModeSizeOffset);
    const size_t privateSize = Read16(bytes, kDeviceModeExtraOffset);
    if (publicSize < kDeviceModeFieldsEnd || publicSize + privateSize > size) return false;
    bool named = false;
    for (size_t i = 0; i < kDeviceNameUnits && !named; ++i) named = Read16(bytes, 2 * i) == 0;
    return named;
}
