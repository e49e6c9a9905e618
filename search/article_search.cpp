#include "search/article_search.h"

#include <cstring>

#include "search/search_pattern.h"
#include "search/string_list.h"
#include "search/wildcard_match.h"
#include "settings/app_settings.h"

namespace {

// The pattern's fixed tail: its last byte (always compared literally) and the
// bytes before it back to the nearest wildcard. Every match holds it
// literally, ending at the match's last byte.
struct PatternTail {
    const uint8_t* Bytes;
    size_t Count;
};

PatternTail FixedTailOf(const uint8_t* pattern, size_t count) {
    size_t start = count - 1;
    while (start > 0 && pattern[start - 1] != kWildcardSpan && pattern[start - 1] != kWildcardOne)
        --start;
    return PatternTail{pattern + start, count - start};
}

// Whether the bytes can hold the tail somewhere; a quick no for most articles
// of a search through the book.
bool MayHold(const uint8_t* bytes, size_t size, PatternTail tail) {
    if (tail.Count > size) return false;
#if defined(__GLIBC__)
    return memmem(bytes, size, tail.Bytes, tail.Count) != nullptr;
#else
    // Horspool: shift by the distance of the window's last byte from the
    // tail's end.
    size_t shift[256];
    for (size_t& s : shift) s = tail.Count;
    for (size_t k = 0; k + 1 < tail.Count; ++k) shift[tail.Bytes[k]] = tail.Count - 1 - k;
    const uint8_t lastByte = tail.Bytes[tail.Count - 1];
    for (size_t at = 0; at + tail.Count <= size;) {
        const uint8_t windowLast = bytes[at + tail.Count - 1];
        if (windowLast == lastByte && std::memcmp(bytes + at, tail.Bytes, tail.Count - 1) == 0)
            return true;
        at += shift[windowLast];
    }
    return false;
#endif
}

}  // namespace

bool MayHoldPattern(const uint8_t* bytes, uint32_t size, const uint8_t* pattern) {
    const size_t count = strnlen(reinterpret_cast<const char*>(pattern), kSearchStringSize - 1);
    return count != 0 && MayHold(bytes, size, FixedTailOf(pattern, count));
}

uint32_t SearchArticle(const uint8_t* buffer, uint16_t start, int32_t* length, uint32_t size) {
    const uint8_t* pattern = AppSettings.SearchString;
    const size_t count = strnlen(reinterpret_cast<const char*>(pattern), kSearchStringSize - 1);
    if (!buffer || count == 0) return 0;
    if (size && !MayHoldPattern(buffer, size, pattern)) return 0;

    StringSpan* list = BuildStringList(buffer, size);
    const uint8_t* from = buffer + start;
    const uint8_t* hit = nullptr;
    for (const StringSpan* node = list; node && !hit; node = node->Next) {
        if (from > node->End) continue;
        const uint8_t* textStart = TextStartOf(*node);
        // The terminator never matches, so the search starts at the string's
        // last character at the latest (and an empty string gives none).
        const uint8_t* position = from < textStart || from >= node->End ? node->End - 1 : from;
        hit = MatchBackward(textStart, pattern, position, length);
    }
    FreeStringList(list);
    return hit ? uint32_t(hit - buffer) : 0;
}
