// The Search dialog's keyboard: Latin keys mapped to Hebrew letters by the
// standard Hebrew layout, and the keys of the keyboard picture.
#pragma once
#include <cstdint>

// The keys and, for each, its Windows-1255 code: 0xE0 to 0xFA is a Hebrew
// letter (index code - 0xE0), anything else is inserted as that character.
struct HebrewKeyTableRecord {
    char Keys[32];
    uint8_t Codes[32];
};
extern const HebrewKeyTableRecord HebrewKeyTable;

constexpr uint8_t kFirstWindows1255Letter = 0xE0;
constexpr uint8_t kLastWindows1255Letter = 0xFA;

// The character a typed character c becomes while the mapping is on; false
// when the field's own handling takes it (digits, control characters).
// Capitals map as their small letters; a Hebrew letter (typed on a Hebrew
// keyboard layout) becomes the font's character for that letter; any other
// character above 0xFF and a character without a key stay as they are.
bool MappedCharacter(char16_t c, int32_t fontAsciiBase, char16_t* mapped);

// The keyboard picture: 154 x 95 pixels, three rows of nine 17 x 25 keys (the
// top row holds keys 1 to 9 from right to left) and a space bar (key 0) under
// columns 2 to 6 of a fourth row.
constexpr int32_t kPictureWidth = 154;
constexpr int32_t kPictureHeight = 95;
constexpr int32_t kPictureKeyWidth = 17;
constexpr int32_t kPictureKeyHeight = 25;
constexpr int32_t kPictureKeysPerRow = 9;
constexpr int32_t kPictureKeyCount = 27;
constexpr int32_t kSpaceBarKey = 0;
constexpr int32_t kNoPictureKey = -1;

// The key at pixel (a, b) of the picture drawn at the given whole multiple of
// its art (2 on screens of 192 DPI and more), or kNoPictureKey.
int32_t PictureKeyNumber(int32_t a, int32_t b, int32_t multiple = 1);
// The character of picture key k (0 to 27): a space for the space bar, else
// its letter at fontAsciiBase; 0 for any other k.
char16_t PictureKeyCharacter(int32_t k, int32_t fontAsciiBase);
