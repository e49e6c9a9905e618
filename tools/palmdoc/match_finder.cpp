#include "tools/palmdoc/match_finder.h"

#include "tools/palmdoc/palmdoc_tokens.h"

namespace palmdoc {
namespace {

constexpr unsigned kMinHashBits = 8;
constexpr unsigned kMaxHashBits = 16;
constexpr uint32_t kNoPosition = UINT32_MAX;

// About one chain head per input byte: a small record does not pay for a
// table sized for the largest.
unsigned HashBitsFor(size_t size) {
    unsigned bits = kMinHashBits;
    while (bits < kMaxHashBits && (size_t(1) << bits) < size) ++bits;
    return bits;
}

uint32_t HashOfThree(const uint8_t* bytes, unsigned bits) {
    uint32_t key = (uint32_t(bytes[0]) << 16) | (uint32_t(bytes[1]) << 8) | bytes[2];
    return (key * 2654435761u) >> (32 - bits);
}

}  // namespace

// Hash chains over 3-byte prefixes. Every candidate inside the window is
// tried (the window bounds the walk), so the result is the true longest match;
// the walk stops early once a full 10-byte match is found.
std::vector<LongestMatch> FindLongestMatches(const uint8_t* data, size_t size) {
    std::vector<LongestMatch> matches(size, LongestMatch{0, 0});
    if (size < kMinMatchLength) return matches;
    unsigned hashBits = HashBitsFor(size);
    std::vector<uint32_t> head(size_t(1) << hashBits, kNoPosition);
    std::vector<uint32_t> previous(size, kNoPosition);
    for (size_t position = 0; position + kMinMatchLength <= size; ++position) {
        uint32_t hash = HashOfThree(data + position, hashBits);
        size_t limit = size - position < kMaxMatchLength ? size - position : kMaxMatchLength;
        LongestMatch best{0, 0};
        for (uint32_t candidate = head[hash];
             candidate != kNoPosition && position - candidate <= kMaxDistance;
             candidate = previous[candidate]) {
            size_t length = 0;
            while (length < limit && data[candidate + length] == data[position + length]) ++length;
            if (length >= kMinMatchLength && length > best.Length) {
                best = LongestMatch{uint16_t(length), uint16_t(position - candidate)};
                if (length == limit) break;
            }
        }
        matches[position] = best;
        previous[position] = head[hash];
        head[hash] = uint32_t(position);
    }
    return matches;
}

}  // namespace palmdoc
