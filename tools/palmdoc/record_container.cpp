#include "tools/palmdoc/record_container.h"

#include <stdexcept>
#include <string>

#include "tools/palmdoc/palmdoc_compressor.h"

namespace {

void AppendBigEndian16(std::vector<uint8_t>& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

// u is 16 bits and 0 would make the record unreadable.
void CheckDataSize(size_t size) {
    if (size == 0 || size > kMaxRecordDataSize)
        throw std::invalid_argument("record data must be 1 to 65535 bytes, not " +
                                    std::to_string(size));
}

// Wraps data already compressed (uncompressedSize bytes once decompressed) in
// the container, with the same limits.
std::vector<uint8_t> WrapCompressedRecord(const std::vector<uint8_t>& compressed,
                                          size_t uncompressedSize, uint16_t first, uint16_t second) {
    CheckDataSize(uncompressedSize);
    size_t blockLength = compressed.size() + 8;
    if (compressed.empty() || blockLength > 0xFFFF)
        throw std::invalid_argument("compressed record data must be 1 to 65527 bytes, not " +
                                    std::to_string(compressed.size()));

    std::vector<uint8_t> record;
    record.reserve(kRecordHeaderSize + compressed.size() + kRecordTrailerSize);
    AppendBigEndian16(record, blockLength);
    AppendBigEndian16(record, first);
    AppendBigEndian16(record, second);
    AppendBigEndian16(record, compressed.size());
    AppendBigEndian16(record, uncompressedSize);
    record.insert(record.end(), compressed.begin(), compressed.end());
    record.insert(record.end(), kRecordTrailerSize, 0);
    return record;
}

}  // namespace

std::vector<uint8_t> MakeRecord(const uint8_t* data, size_t size, uint16_t first, uint16_t second) {
    CheckDataSize(size);
    return WrapCompressedRecord(CompressPalmDoc(data, size), size, first, second);
}
