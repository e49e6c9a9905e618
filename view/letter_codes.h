// Letter codes (one byte per Hebrew letter) and their display characters.
#pragma once
#include <cstdint>
#include <string>

constexpr uint8_t kFirstLetterCode = 0x61;
constexpr uint8_t kLastLetterCode = 0x7B;
constexpr int32_t kLetterCodeCount = kLastLetterCode - kFirstLetterCode + 1;   // 27
constexpr int32_t kLatinBase = 97;         // Hebrew glyphs in place of Latin small letters
constexpr int32_t kWindows1255Base = 224;  // Windows-1255 letter positions
constexpr int32_t kUnicodeBase = 1488;     // U+05D0

// The search keyboard picture's letter order: letter-code order with each
// final-form pair exchanged, ordinary form first.
constexpr const char PictureKeyOrder[] = "abcdefghijlkmonqprsutwvxyz{";

// The one shared UTF-16 conversion array; it only grows.
struct ConversionBuffer {
    char16_t* Units;
    int32_t Capacity;
};
extern ConversionBuffer SharedConversion;

// Converts at most count bytes (stopping at a NUL) into a NUL-terminated UTF-16
// string, applying the Reverse step when it is on. With buffer the result lives
// in it until the next conversion; without, it is a new array the caller
// releases with PlainFree. Null when no memory could be had.
char16_t* LettersToDisplay(const uint8_t* bytes, int32_t count, ConversionBuffer* buffer);
// The display characters of at most count bytes in the order they are stored,
// the Reverse step left out: what a dialog draws of stored Hebrew and what a
// search field holds. Empty when no memory could be had.
std::u16string StoredOrderUnits(const uint8_t* bytes, int32_t count);
inline std::u16string StoredOrderUnits(const std::string& letters) {
    return StoredOrderUnits(reinterpret_cast<const uint8_t*>(letters.data()), int32_t(letters.size()));
}
// Reverses n units in place, mirroring brackets; 1 when scratch memory failed.
int32_t MirrorReverse(char16_t* units, int32_t n);
