#include "search/search_keys.h"

#include "view/letter_codes.h"

const HebrewKeyTableRecord HebrewKeyTable = {
    "abcdefghijklmnopqrstuvwxyz;.,/'",
    {0xF9, 0xF0, 0xE1, 0xE2, 0xF7, 0xEB, 0xF2, 0xE9, 0xEF, 0xE7, 0xEC, 0xEA, 0xF6, 0xEE, 0xED, 0xF4,
     0x2F, 0xF8, 0xE3, 0xE0, 0xE5, 0xE4, 0x27, 0xF1, 0xE8, 0xE6, 0xF3, 0xF5, 0xFA, 0x2E, 0x2C, 0},
};

bool MappedCharacter(char16_t c, int32_t fontAsciiBase, char16_t* mapped) {
    if ((c >= u'0' && c <= u'9') || c < 0x20) return false;
    *mapped = c;
    // A letter typed on a Hebrew layout stands for the same letter as its
    // mapped Latin key: the font's character for it.
    if (c >= kUnicodeBase && c <= kUnicodeBase + (kLastLetterCode - kFirstLetterCode)) {
        *mapped = char16_t(fontAsciiBase + (c - kUnicodeBase));
        return true;
    }
    if (c > 0xFF) return true;
    const char key = (c >= u'A' && c <= u'Z') ? char(c - u'A' + u'a') : char(c);
    for (int i = 0; HebrewKeyTable.Keys[i] != 0; ++i) {
        if (HebrewKeyTable.Keys[i] != key) continue;
        const uint8_t code = HebrewKeyTable.Codes[i];
        if (code >= kFirstWindows1255Letter && code <= kLastWindows1255Letter)
            *mapped = char16_t(fontAsciiBase + (code - kFirstWindows1255Letter));
        else
            *mapped = char16_t(code);
        return true;
    }
    return true;
}

int32_t PictureKeyNumber(int32_t a, int32_t b, int32_t multiple) {
    if (a < 0 || b < 0 || multiple < 1) return kNoPictureKey;
    // A picture drawn at a multiple is the art with every pixel a square.
    a /= multiple;
    b /= multiple;
    // The nine keys of a row span pixel columns 0 to 152.
    if (b >= kPictureHeight || a >= kPictureKeysPerRow * kPictureKeyWidth) return kNoPictureKey;
    const int32_t row = b / kPictureKeyHeight;
    const int32_t column = a / kPictureKeyWidth;
    if (row < 3) return kPictureKeysPerRow * (row + 1) - column;
    return (column >= 2 && column <= 6) ? kSpaceBarKey : kNoPictureKey;
}

char16_t PictureKeyCharacter(int32_t k, int32_t fontAsciiBase) {
    if (k == kSpaceBarKey) return u' ';
    if (k < 1 || k > kPictureKeyCount) return 0;
    return char16_t(fontAsciiBase + (uint8_t(PictureKeyOrder[k - 1]) - kFirstLetterCode));
}
