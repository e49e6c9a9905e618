// Any bytes as compressed data, as a record block or as a whole record: the
// decoder must never read or write outside its buffers, must leave no buffer
// behind when it fails, and on success must fill exactly u bytes and a NUL.
//
// The first input byte chooses the entry:
//   0: UnCompress, u from the next two bytes (big-endian), the rest is the data;
//   1: UnpackRecordBlock over the rest, whose length is L;
//   2: LoadRecord of article 1, whose record is the rest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/allocation.h"
#include "platform/ports.h"
#include "store/record_loader.h"
#include "platform/record_source.h"

namespace {

class SingleRecordSource : public RecordSource {
public:
    const uint8_t* Bytes = nullptr;
    size_t Size = 0;
    RecordLookup Find(uint16_t identifier, const uint8_t** bytes, size_t* size) override {
        if (identifier != kRecordIdBase + 1) return RecordLookup::Missing;
        if (Size == 0) return RecordLookup::Unavailable;
        *bytes = Bytes;
        *size = Size;
        return RecordLookup::Found;
    }
};

class SilentMessagePort : public MessagePort {
public:
    int32_t ShowMessage(void*, const char16_t*, const char16_t*, uint32_t) override { return kIdOk; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static SingleRecordSource source;
    static SilentMessagePort messages;
    Ports.Records = &source;
    Ports.Messages = &messages;

    const uint8_t* rest = data + 1;
    size_t restSize = size - 1;
    int32_t status = 0;
    uint8_t* buffer = nullptr;
    size_t expectedSize = 0;
    switch (data[0] % 3) {
        case 0: {
            if (restSize < 2) return 0;
            CompressedData descriptor{rest + 2, uint32_t(restSize - 2), uint32_t(rest[0] << 8 | rest[1])};
            buffer = UnCompress(&descriptor, &status);
            expectedSize = descriptor.UncompressedLength;
            break;
        }
        case 1:
            if (restSize > 0xFFFF) return 0;
            buffer = UnpackRecordBlock(rest, uint32_t(restSize), &status);
            if (buffer) expectedSize = size_t(rest[2]) << 8 | rest[3];
            break;
        default:
            source.Bytes = rest;
            source.Size = restSize;
            buffer = LoadRecord(1, &status);
            if (buffer) expectedSize = size_t(rest[8]) << 8 | rest[9];
            break;
    }
    if (buffer) {
        if (status != 0 || buffer[expectedSize] != 0) std::abort();
        PlainFree(buffer);
    } else if (status < kStatusNoRecord || status > kStatusCorrupt) {
        std::abort();
    }
    return 0;
}
