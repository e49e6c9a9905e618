// The PalmDoc LZ77 token stream as the compressors write it: which bytes can
// stand alone, and how each token is encoded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace palmdoc {

constexpr size_t kMinMatchLength = 3;
constexpr size_t kMaxMatchLength = 10;
constexpr size_t kMaxDistance = 2047;
constexpr size_t kMaxLiteralRun = 8;

// 0x01..0x08 would read as a literal-run header and 0x80..0xFF as a
// back-reference or space pair, so those bytes travel inside a literal run.
inline bool StandsAlone(uint8_t byte) { return byte == 0x00 || (byte >= 0x09 && byte <= 0x7F); }

// A space followed by 0x40..0x7F packs into one byte.
inline bool IsSpacePair(const uint8_t* data, size_t size, size_t position) {
    return position + 1 < size && data[position] == 0x20 && data[position + 1] >= 0x40 &&
           data[position + 1] <= 0x7F;
}

inline void AppendLiteral(std::vector<uint8_t>& out, uint8_t byte) { out.push_back(byte); }

inline void AppendSpacePair(std::vector<uint8_t>& out, uint8_t second) {
    out.push_back(static_cast<uint8_t>(second ^ 0x80));
}

inline void AppendLiteralRun(std::vector<uint8_t>& out, const uint8_t* bytes, size_t count) {
    out.push_back(static_cast<uint8_t>(count));
    out.insert(out.end(), bytes, bytes + count);
}

inline void AppendBackReference(std::vector<uint8_t>& out, size_t distance, size_t length) {
    out.push_back(static_cast<uint8_t>(0x80 | (distance >> 5)));
    out.push_back(static_cast<uint8_t>(((distance & 0x1F) << 3) | (length - kMinMatchLength)));
}

}  // namespace palmdoc
