// Whatever the data, the compressed stream decodes back to it through the
// program's own decoder, and the optimal parse is never longer than greedy.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "tools/palmdoc/palmdoc_compressor.h"
#include "tools/palmdoc/record_container.h"

namespace {

void ExpectDecodesTo(const std::vector<uint8_t>& compressed, const uint8_t* data, size_t size) {
    CompressedData descriptor{compressed.data(), uint32_t(compressed.size()), uint32_t(size)};
    int32_t status = 0;
    uint8_t* buffer = UnCompress(&descriptor, &status);
    if (!buffer || std::memcmp(buffer, data, size) != 0 || buffer[size] != 0) std::abort();
    PlainFree(buffer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > kMaxRecordDataSize) return 0;
    std::vector<uint8_t> optimal = CompressPalmDoc(data, size);
    std::vector<uint8_t> greedy = CompressPalmDocGreedy(data, size);
    ExpectDecodesTo(optimal, data, size);
    ExpectDecodesTo(greedy, data, size);
    if (optimal.size() > greedy.size()) std::abort();
    return 0;
}
