// MatchBackward against a plain reference matcher written from the matcher's
// rules: on any text and any pattern with "*" and "?" both must give the same
// hit and length, and the pattern must come back unchanged.
//
// Input: byte 0 gives the pattern's length (1 to 33), byte 1 the start
// position, then the pattern's bytes, then the text's. Bytes are folded onto
// a small alphabet (a, b, c, * and ?) so that matches are frequent; at most
// four stars are kept, which bounds the reference's plain backtracking.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "search/wildcard_match.h"

namespace {

constexpr size_t kMaxText = 40;
constexpr int kMaxStars = 4;

uint8_t Fold(uint8_t byte) {
    static const uint8_t kAlphabet[] = {'a', 'b', 'c', '*', '?', 'a', 'b', 'a'};
    return kAlphabet[byte % sizeof kAlphabet];
}

// The length of the match of the first n pattern bytes whose last character
// stands at c, or -1. The last character is compared literally; leftwards a
// byte equal to the text's matches it first, "?" matches any byte, and "*"
// takes the part before it ending at the nearest position at or below the
// star's place (nothing before a star matches at once); a match never reaches
// before the text's start.
long ReferenceAt(const uint8_t* text, const uint8_t* p, int n, long c) {
    if (text[c] != p[n - 1]) return -1;
    int i = n - 2;
    long j = c - 1;
    for (;;) {
        if (i < 0) return c - j;
        if (j < 0) return (i == 0 && p[0] == '*') ? c - j : -1;
        if (text[j] == p[i] || p[i] == '?') {
            --i;
            --j;
            continue;
        }
        if (p[i] != '*') return -1;
        if (i == 0) return c - j;
        for (long s = j; s >= 0; --s) {
            long part = ReferenceAt(text, p, i, s);
            if (part >= 0) return part + (c - s);
        }
        return -1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const int n = 1 + data[0] % 33;
    if (size < size_t(2 + n)) return 0;
    std::vector<uint8_t> pattern(data + 2, data + 2 + n);
    int stars = 0;
    for (uint8_t& b : pattern) {
        b = Fold(b);
        if (b == '*' && ++stars > kMaxStars) b = 'c';
    }
    pattern.push_back(0);
    std::vector<uint8_t> text;
    for (size_t k = 2 + n; k < size && text.size() < kMaxText; ++k) text.push_back(Fold(data[k]));
    text.push_back(0);   // the string's terminator
    const long count = long(text.size()) - 1;
    // From anywhere in the string, its terminator, or one before its start.
    const long from = long(data[1] % (count + 2)) - 1;

    long expectedHit = -1, expectedLength = 0;
    for (long c = from < count ? from : count - 1; c >= 0; --c) {
        long length = ReferenceAt(text.data(), pattern.data(), n, c);
        if (length >= 0) {
            expectedHit = c;
            expectedLength = length;
            break;
        }
    }

    const std::vector<uint8_t> before = pattern;
    int32_t length = -12345;
    // A header byte before the string, so that "one before its start" is a
    // position inside the buffer.
    std::vector<uint8_t> framed(1, 0xB1);
    framed.insert(framed.end(), text.begin(), text.end());
    const uint8_t* first = framed.data() + 1;
    const uint8_t* hit = MatchBackward(first, pattern.data(), first + from, &length);
    const long actualHit = hit ? long(hit - first) : -1;
    if (actualHit != expectedHit) abort();
    if (hit ? length != expectedLength : length != -12345) abort();
    if (hit && (length < 1 || actualHit - length + 1 < 0)) abort();
    if (pattern != before) abort();
    return 0;
}
