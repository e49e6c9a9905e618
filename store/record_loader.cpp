#include "store/record_loader.h"

#include <cstring>

#include "platform/allocation.h"
#include "platform/ports.h"
#include "platform/record_source.h"

namespace {


// Offsets in the record, and in the block that starts at offset 6 of it.
constexpr size_t kBlockOffset = 6;
constexpr size_t kBlockDataOffset = 4;
// c + 8 = L: the block holds c and u (4 bytes), the data, and a 4-byte trailer.
constexpr uint32_t kBlockOverhead = 8;
constexpr uint32_t kMinBlockLength = 5;

void SetStatus(int32_t* status, int32_t code) {
    if (status) *status = code;
}

uint32_t ReadBigEndian16(const uint8_t* bytes) { return (uint32_t(bytes[0]) << 8) | bytes[1]; }

// Corrupt data is the one failure the user is told about: the record exists
// but cannot be read.
uint8_t* FailCorrupt(uint8_t* buffer, int32_t* status) {
    PlainFree(buffer);
    if (Ports.Messages) Ports.Messages->ShowMessage(nullptr, kUnCompressErrorText, nullptr, kMbOk);
    SetStatus(status, kStatusCorrupt);
    return nullptr;
}

}  // namespace

uint8_t* LoadRecord(int number, int32_t* status, uint32_t* length) {
    if (number < 1) return nullptr;
    // Unsigned arithmetic: the identifier wraps to 16 bits for any number.
    uint16_t identifier = static_cast<uint16_t>(static_cast<uint32_t>(number) + kRecordIdBase);
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    RecordLookup lookup = Ports.Records ? Ports.Records->Find(identifier, &bytes, &size)
                                        : RecordLookup::Missing;
    if (lookup == RecordLookup::Missing) {
        SetStatus(status, kStatusNoRecord);
        return nullptr;
    }
    if (lookup != RecordLookup::Found || size == 0 || !bytes) {
        SetStatus(status, kStatusUnavailable);
        return nullptr;
    }
    // L may not claim more bytes than the record has, so that nothing past the
    // record is ever read.
    if (size < kBlockOffset || ReadBigEndian16(bytes) > size - kBlockOffset) {
        SetStatus(status, kStatusBadBlock);
        return nullptr;
    }
    uint8_t* data = UnpackRecordBlock(bytes + kBlockOffset, ReadBigEndian16(bytes), status);
    if (data && length) *length = ReadBigEndian16(bytes + kBlockOffset + 2);
    return data;
}

// The block must hold blockLength bytes; the compressed data must lie inside
// them (c + 8 <= L: a longer block is accepted, a shorter one would make the
// decoder read past the record).
uint8_t* UnpackRecordBlock(const uint8_t* block, uint32_t blockLength, int32_t* status) {
    if (blockLength < kMinBlockLength) {
        SetStatus(status, kStatusBadBlock);
        return nullptr;
    }
    uint32_t compressedLength = ReadBigEndian16(block);
    if (compressedLength == 0 || compressedLength + kBlockOverhead > blockLength) {
        SetStatus(status, kStatusBadBlock);
        return nullptr;
    }
    CompressedData descriptor{block + kBlockDataOffset, compressedLength, ReadBigEndian16(block + 2)};
    return UnCompress(&descriptor, status);
}

// Copies of 8 bytes at a time. memcpy of a fixed size becomes one load and
// one store; the bytes may lie anywhere.
inline void Copy8(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 8); }

// How many of the 8 bytes at bytes, from the first, are tokens that stand for
// themselves: bytes with the top bit clear that are not 0x01 to 0x08.
inline size_t PlainByteTokens(const uint8_t* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, 8);
    constexpr uint64_t kHigh = 0x8080808080808080u;
    const uint64_t low = word & ~kHigh;
    // Per byte, without carries between bytes: at least 1, and below 9.
    const uint64_t atLeastOne = (low + 0x7F7F7F7F7F7F7F7Fu) & kHigh;
    const uint64_t belowNine = ~(low + 0x7777777777777777u) & kHigh;
    const uint64_t stop = (word & kHigh) | (atLeastOne & belowNine);
    if (stop == 0) return 8;
    // The first stopping byte in memory order is the lowest one of the
    // little-endian word, the highest of a big-endian one.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return size_t(__builtin_clzll(stop)) / 8;
#else
    return size_t(__builtin_ctzll(stop)) / 8;
#endif
}

// One forward pass into one buffer of exactly u + 2 bytes. Every token is
// checked against both ends: the input ends at its c-th byte, and a
// back-reference must point inside what has been written, so no record, however
// damaged, makes the decoder read or write outside its buffers.
//
// While the output has kOutputMargin bytes of room and the input kInputMargin
// bytes left, plain bytes, a literal run or a back-reference is copied in
// fixed-size moves of 8 bytes, which may write up to 23 bytes: the bytes past
// the token's own are written again by the tokens that follow. Near either end
// the decoder goes on byte by byte, so that it never touches a byte outside its buffers.
uint8_t* UnCompress(const CompressedData* descriptor, int32_t* status) {
    if (!descriptor || !descriptor->Data || descriptor->UncompressedLength == 0) {
        SetStatus(status, kStatusBadDescriptor);
        return nullptr;
    }
    size_t uncompressedLength = descriptor->UncompressedLength;
    uint8_t* start = static_cast<uint8_t*>(PlainAlloc(uncompressedLength + 2));
    if (!start) {
        SetStatus(status, kStatusUnavailable);
        return nullptr;
    }
    uint8_t* out = start;
    uint8_t* const end = start + uncompressedLength;
    const uint8_t* in = descriptor->Data;
    const uint8_t* const inEnd = in + descriptor->CompressedLength;

    // A step moves up to 7 tokens that are their own byte, then decodes one
    // token, which reads at most 9 input bytes (a run of 8 after its first)
    // and writes at most 16 here.
    constexpr size_t kInputMargin = 7 + 9;
    constexpr size_t kOutputMargin = 7 + 16;
    if (uncompressedLength >= kOutputMargin && descriptor->CompressedLength >= kInputMargin) {
        uint8_t* const wideEnd = end - kOutputMargin;
        const uint8_t* const wideInEnd = inEnd - kInputMargin;
        while (out <= wideEnd && in <= wideInEnd) {
            // The leading tokens that are their own byte (0x00, 0x09 to
            // 0x7F) are the output as they stand: 8 input bytes are moved at
            // once and both positions step past as many of them as qualify.
            // A shorter group ends at a token of another kind, decoded in
            // the same step (the margins leave room for both).
            const size_t plain = PlainByteTokens(in);
            Copy8(out, in);
            out += plain;
            in += plain;
            if (plain == 8) continue;
            const uint32_t token = in[0];
            if (token - 1 < 8) {   // a literal run of 1 to 8 bytes
                Copy8(out, in + 1);
                out += token;
                in += token + 1;
                continue;
            }
            const uint32_t pair = (token << 8) | in[1];
            const bool reference = (token & 0xC0) == 0x80;
            const size_t distance = reference ? (pair >> 3) & 0x7FF : 0;
            if (reference && (distance < 8 || distance > size_t(out - start))) {
                if (distance == 0 || distance > size_t(out - start)) return FailCorrupt(start, status);
                // A short distance repeats what this copy has just written.
                const size_t length = (pair & 7) + 3;
                const uint8_t* from = out - distance;
                for (size_t i = 0; i < length; ++i) out[i] = from[i];
                out += length;
                in += 2;
                continue;
            }
            // A one-byte token (the byte itself, or a space and token ^ 0x80)
            // and a back-reference take the same steps: the token's bytes are
            // written, then 16 bytes are moved from the reference's source,
            // which for a one-byte token is out itself and changes nothing.
            // Each move reads only bytes already final: the second one's
            // source ends at out + 16 - distance <= out + 8.
            const bool spacePair = token >= 0xC0;
            out[0] = spacePair ? uint8_t(0x20) : uint8_t(token);
            out[1] = uint8_t(token ^ 0x80);
            const uint8_t* from = out - distance;
            uint64_t low, high;
            std::memcpy(&low, from, 8);
            std::memcpy(out, &low, 8);
            std::memcpy(&high, from + 8, 8);
            std::memcpy(out + 8, &high, 8);
            out += reference ? (pair & 7) + 3 : 1 + size_t(spacePair);
            in += reference ? 2 : 1;
        }
    }

    while (out < end && in < inEnd) {
        uint8_t token = *in++;
        if (token >= 0x01 && token <= 0x08) {
            // A run cut short by the end of the output is not read any further.
            size_t count = token;
            if (count > size_t(end - out)) count = size_t(end - out);
            if (count > size_t(inEnd - in)) return FailCorrupt(start, status);
            for (size_t i = 0; i < count; ++i) *out++ = *in++;
        } else if (token < 0x80) {
            *out++ = token;
        } else if (token < 0xC0) {
            if (in == inEnd) return FailCorrupt(start, status);
            uint32_t pair = (uint32_t(token) << 8) | *in++;
            size_t distance = (pair >> 3) & 0x7FF;
            size_t length = (pair & 7) + 3;
            if (distance == 0 || distance > size_t(out - start)) return FailCorrupt(start, status);
            if (length > size_t(end - out)) length = size_t(end - out);
            // Byte by byte: a distance shorter than the length repeats what
            // this very copy has just written.
            const uint8_t* from = out - distance;
            for (size_t i = 0; i < length; ++i) *out++ = *from++;
        } else {
            *out++ = 0x20;
            if (out == end) break;
            *out++ = token ^ 0x80;
        }
    }
    if (out != end) return FailCorrupt(start, status);
    end[0] = 0;
    end[1] = 0;
    return start;
}
