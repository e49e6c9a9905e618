#include "search/wildcard_match.h"

#include <cstddef>
#include <cstring>

#include "search/search_pattern.h"

namespace {

// The first count bytes of pattern against the string at first, from its
// index `from` down. Positions are indexes from first, so that "one before the
// string's start" is -1 and never a pointer outside the buffer. The part of
// the pattern before a "*" is passed with its count: the stored pattern is
// never cut or changed.
ptrdiff_t MatchPart(const uint8_t* first, const uint8_t* pattern, int32_t count, ptrdiff_t from,
                    int32_t* length) {
    const uint8_t last = pattern[count - 1];
    for (ptrdiff_t c = from; c >= 0; --c) {
        if (first[c] != last) continue;
        int32_t i = count - 2;
        ptrdiff_t j = c - 1;
        for (;;) {
            if (i < 0) {
                if (length) *length = int32_t(c - j);
                return c;
            }
            if (j < 0) {
                // Only a leading "*" may still match: it spans nothing here.
                if (i == 0 && pattern[0] == kWildcardSpan) {
                    if (length) *length = int32_t(c - j);
                    return c;
                }
                break;
            }
            if (first[j] == pattern[i] || pattern[i] == kWildcardOne) {
                --i;
                --j;
                continue;
            }
            if (pattern[i] == kWildcardSpan) {
                if (i == 0) {   // nothing before the star: it spans nothing
                    if (length) *length = int32_t(c - j);
                    return c;
                }
                // The part before the star ends at j or as near below it as
                // it can. When it occurs nowhere there, a lower candidate's
                // star stands lower still and finds nothing either, unless
                // that candidate meets a literal "*" in the text on its way
                // (which a "*" of the pattern matches as a byte): only a
                // string without one below j can end the search here.
                int32_t partLength = 0;
                const ptrdiff_t end = MatchPart(first, pattern, i, j, &partLength);
                if (end >= 0) {
                    if (length) *length = partLength + int32_t(c - end);
                    return c;
                }
                if (!std::memchr(first, kWildcardSpan, size_t(j + 1))) return -1;
                break;
            }
            break;
        }
    }
    return -1;
}

}  // namespace

const uint8_t* MatchBackward(const uint8_t* first, const uint8_t* pattern, const uint8_t* from,
                             int32_t* length) {
    if (!first || !pattern || !from || from < first || pattern[0] == 0) return nullptr;
    const int32_t count = int32_t(std::strlen(reinterpret_cast<const char*>(pattern)));
    const ptrdiff_t hit = MatchPart(first, pattern, count, from - first, length);
    return hit < 0 ? nullptr : first + hit;
}
