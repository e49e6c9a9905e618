// Any bytes as the stored DevMode value: the check reads only inside them, and
// a block it accepts has its stated public and private parts inside too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "output/stored_device_mode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact copy, so the sanitizer sees any read past the value's end.
    std::vector<uint8_t> bytes(data, data + size);
    if (!IsWholeDeviceMode(bytes.data(), bytes.size())) return 0;
    const size_t publicSize = bytes[kDeviceModeSizeOffset] | (bytes[kDeviceModeSizeOffset + 1] << 8);
    const size_t privateSize = bytes[kDeviceModeExtraOffset] | (bytes[kDeviceModeExtraOffset + 1] << 8);
    if (publicSize + privateSize > size || publicSize < kDeviceModeFieldsEnd) std::abort();
    return 0;
}
