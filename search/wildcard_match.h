// The wildcard matcher: one pattern against one string, scanning from higher
// to lower positions, in storage order (right-to-left text is stored in
// display order, and the pattern is built in that same order).
#pragma once
#include <cstdint>

// first is the string's first character, pattern a NUL-terminated byte string,
// from the highest position at which a match may end. Returns the position of
// the match's last character, the highest such position at or below from, or
// null; *length (when given) gets the match's length only on a hit.
//
// The pattern's last character is always compared literally; before it "?"
// matches one byte and "*" as few bytes as possible, and a pattern byte that
// equals the text byte matches it first (a "*" against a "*" is that byte).
// A "*" with nothing before it matches at once, also at the string's start,
// so "*ab" finds "ab". A match never crosses the string's start.
const uint8_t* MatchBackward(const uint8_t* first, const uint8_t* pattern, const uint8_t* from,
                             int32_t* length);
