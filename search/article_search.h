// Searching one decompressed article with the stored pattern.
#pragma once
#include <cstdint>

// Searches with AppSettings.SearchString (which must not be empty) from the
// offset start downwards: the string that holds start (from start, or from its
// last character when start lies in its header bytes or before it), then every
// later string whole, from its last character down. Returns the offset of the
// hit's last byte, or 0; writes the match's length to *length only on a hit.
// size is the readable bytes at buffer when known (0 otherwise): nothing at or
// past it is read, and an article that cannot hold the pattern's fixed tail
// anywhere is passed over without walking its strings.
uint32_t SearchArticle(const uint8_t* buffer, uint16_t start, int32_t* length, uint32_t size = 0);

// Whether size bytes at bytes can hold pattern (NUL-terminated, not empty)
// anywhere: its fixed tail, the bytes back from its last one to the nearest
// wildcard, which every match holds literally. A quick no for most articles.
bool MayHoldPattern(const uint8_t* bytes, uint32_t size, const uint8_t* pattern);
