#include <gtest/gtest.h>

#include <set>
#include <string>

#include "search/search_keys.h"
#include "view/letter_codes.h"

namespace {
char16_t Mapped(char16_t c, int32_t base = kUnicodeBase) {
    char16_t out = 0xFFFF;
    return MappedCharacter(c, base, &out) ? out : char16_t(0);
}
}  // namespace

TEST(SearchKeys, EveryLetterHasExactlyOneKey) {
    EXPECT_EQ(std::string(HebrewKeyTable.Keys).size(), 31u);
    std::set<int> indexes;
    for (int i = 0; i < 31; ++i) {
        const uint8_t code = HebrewKeyTable.Codes[i];
        if (code >= 0xE0 && code <= 0xFA) {
            EXPECT_TRUE(indexes.insert(code - 0xE0).second);
        }
    }
    EXPECT_EQ(indexes.size(), 27u);
}

TEST(SearchKeys, LettersMapToTheFontsHebrewLetters) {
    EXPECT_EQ(Mapped(u't'), u'\u05D0');
    EXPECT_EQ(Mapped(u'c'), u'\u05D1');
    EXPECT_EQ(Mapped(u'd'), u'\u05D2');
    EXPECT_EQ(Mapped(u','), u'\u05EA');
    EXPECT_EQ(Mapped(u'a', kWindows1255Base), char16_t(0xF9));
    EXPECT_EQ(Mapped(u'a', kLatinBase), u'z');
}

TEST(SearchKeys, CapitalsMapAsSmallLetters) {
    EXPECT_EQ(Mapped(u'T'), Mapped(u't'));
    EXPECT_EQ(Mapped(u'Z'), Mapped(u'z'));
}

TEST(SearchKeys, PunctuationKeysGiveTheirCharacters) {
    EXPECT_EQ(Mapped(u'q'), u'/');
    EXPECT_EQ(Mapped(u'w'), u'\'');
    EXPECT_EQ(Mapped(u'/'), u'.');
    EXPECT_EQ(Mapped(u'\''), u',');
    EXPECT_EQ(Mapped(u' '), u' ');   // no key: itself
    EXPECT_EQ(Mapped(u'*'), u'*');
}

TEST(SearchKeys, DigitsAndControlCharactersAreLeftToTheField) {
    char16_t out = 0;
    EXPECT_FALSE(MappedCharacter(u'0', kUnicodeBase, &out));
    EXPECT_FALSE(MappedCharacter(u'9', kUnicodeBase, &out));
    EXPECT_FALSE(MappedCharacter(u'\b', kUnicodeBase, &out));
    EXPECT_FALSE(MappedCharacter(u'\r', kUnicodeBase, &out));
}

// A Hebrew layout types the letters themselves: each stands for its letter
// at the font's base, as the Latin key of that letter does.
TEST(SearchKeys, LettersTypedOnAHebrewLayoutAreTheFontsLetters) {
    for (int32_t base : {kUnicodeBase, kWindows1255Base, kLatinBase}) {
        EXPECT_EQ(Mapped(u'\u05D0', base), Mapped(u't', base)) << base;   // alef
        EXPECT_EQ(Mapped(u'\u05E9', base), Mapped(u'a', base)) << base;   // shin
        EXPECT_EQ(Mapped(u'\u05EA', base), Mapped(u',', base)) << base;   // tav
    }
    EXPECT_EQ(Mapped(u'\u05D0', kLatinBase), u'a') << "letter code 0x61";
    EXPECT_EQ(Mapped(u'\u0174'), u'\u0174') << "U+0174 is not 't' either";
    EXPECT_EQ(Mapped(u'\u05EB'), u'\u05EB');
}

TEST(SearchKeys, PictureKeysCountFromTheTopRight) {
    EXPECT_EQ(PictureKeyNumber(152, 0), 1);
    EXPECT_EQ(PictureKeyNumber(0, 0), 9);
    EXPECT_EQ(PictureKeyNumber(6 * 17 + 3, 10), 3);   // top row, column 6
    EXPECT_EQ(PictureKeyNumber(8 * 17, 25), 10);
    EXPECT_EQ(PictureKeyNumber(0, 74), 27);
    EXPECT_EQ(PictureKeyNumber(153, 10), kNoPictureKey);   // right of the ninth key
    EXPECT_EQ(PictureKeyNumber(-1, 10), kNoPictureKey);
    EXPECT_EQ(PictureKeyNumber(10, 95), kNoPictureKey);
}

// The picture drawn twice the size (192 DPI) has each art pixel a 2 x 2
// square: a key is hit over all of its squares and nowhere else.
TEST(SearchKeys, PictureAtTwiceTheSizeHitsTheKeysItDraws) {
    EXPECT_EQ(PictureKeyNumber(2 * (6 * 17), 0, 2), 3);
    EXPECT_EQ(PictureKeyNumber(2 * (6 * 17) - 1, 49, 2), 4);
    EXPECT_EQ(PictureKeyNumber(2 * 153, 10, 2), kNoPictureKey);   // right of the ninth key
    EXPECT_EQ(PictureKeyNumber(2 * 153 - 1, 10, 2), 1);
    EXPECT_EQ(PictureKeyNumber(2 * 17 * 2, 2 * 94 + 1, 2), kSpaceBarKey);
    EXPECT_EQ(PictureKeyNumber(10, 2 * 95, 2), kNoPictureKey);
    EXPECT_EQ(PictureKeyNumber(-1, 10, 2), kNoPictureKey);
}

TEST(SearchKeys, SpaceBarLiesUnderColumnsTwoToSix) {
    EXPECT_EQ(PictureKeyNumber(2 * 17, 80), kSpaceBarKey);
    EXPECT_EQ(PictureKeyNumber(7 * 17 - 1, 94), kSpaceBarKey);
    EXPECT_EQ(PictureKeyNumber(2 * 17 - 1, 80), kNoPictureKey);
    EXPECT_EQ(PictureKeyNumber(7 * 17, 80), kNoPictureKey);
}

TEST(SearchKeys, PictureKeysGiveTheirLettersOrdinaryFormFirst) {
    EXPECT_EQ(PictureKeyCharacter(3, kUnicodeBase), u'\u05D2');    // index 2
    EXPECT_EQ(PictureKeyCharacter(11, kUnicodeBase), u'\u05DB');   // index 11, then its final form
    EXPECT_EQ(PictureKeyCharacter(12, kUnicodeBase), u'\u05DA');
    EXPECT_EQ(PictureKeyCharacter(27, kLatinBase), u'{');
    EXPECT_EQ(PictureKeyCharacter(0, kUnicodeBase), u' ');
    EXPECT_EQ(PictureKeyCharacter(28, kUnicodeBase), 0);
    EXPECT_EQ(PictureKeyCharacter(-1, kUnicodeBase), 0);
}
