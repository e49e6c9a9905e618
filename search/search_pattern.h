// The stored search pattern: what the Search dialog's field becomes in letter
// code, and the bytes it may hold.
#pragma once
#include <cstdint>

constexpr int32_t kPatternMaxLength = 33;    // bytes, without the NUL
constexpr uint8_t kWildcardSpan = '*';       // zero or more bytes, as few as possible
constexpr uint8_t kWildcardOne = '?';        // exactly one byte
constexpr uint8_t kPatternSpace = 0x20;

// Turns the field's text (NUL-terminated UTF-16, at most 33 units are read)
// into AppSettings.SearchString: display characters of the letters become
// their letter codes by FontAsciiBase, a run of spaces keeps only its last
// space, every other unit keeps its low 8 bits. A unit whose low 8 bits are 0
// is left out: it would end the stored pattern early, and no article string
// holds a 0 byte to match it.
void ConvertPattern(const char16_t* text);
// The same conversion into pattern (kPatternMaxLength + 1 bytes), leaving the
// stored pattern as it is.
void ConvertPatternInto(const char16_t* text, uint8_t* pattern);
