// The strings of a decompressed article: one node per segment (two header
// bytes, the string, its terminating 0), in buffer order.
#pragma once
#include <cstdint>

struct StringSpan {
    StringSpan* Next;
    const uint8_t* SegmentStart;   // the segment's first header byte
    const uint8_t* End;            // the string's terminating 0 byte
};

// The string's text runs from here up to End, exclusive.
inline const uint8_t* TextStartOf(const StringSpan& span) { return span.SegmentStart + 2; }

// The list of the article's strings, or null when it has none. Nodes come
// from AllocOrAbort. With size (the readable bytes at buffer, 0 when not
// known) every byte at or past size reads as 0, so a corrupt article that does
// not end in its marker ends there instead of leading the walk outside it.
StringSpan* BuildStringList(const uint8_t* buffer, uint32_t size = 0);
// Frees every node; accepts null.
void FreeStringList(StringSpan* head);
