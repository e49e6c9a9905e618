// The verse blocks of one decompressed article: where each verse's string
// lies and the number it carries. Every walk stays within size bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct VerseBlock {
    uint16_t Verse;
    uint16_t Start;    // offset of the block's string (display order)
    uint16_t Length;   // bytes of the string, number included
};

// The article's heading: its title "<book> <chapter>[, <first>-<last>]" split
// into the book's name and the chapter, both read into reading order.
struct ArticleHeading {
    std::string BookName;
    uint16_t Chapter;
};

// A string stored in display order as read: reversed, brackets mirrored,
// runs of digits kept as they are.
std::string ReadingOrder(const uint8_t* display, uint32_t length);

// The value of a Hebrew numeral in letter codes (largest value first, 15 and
// 16 as tet-vav and tet-zayin), or 0 when the letters are no numeral.
uint32_t HebrewNumeralValue(const std::string& letters);
// A number from 1 to 999 as a Hebrew numeral in letter codes.
std::string HebrewNumeralText(uint32_t number);

bool ReadArticleHeading(const uint8_t* text, uint32_t size, ArticleHeading* heading);
// Right-to-left, right-aligned blocks whose reading-first word is a numeral.
std::vector<VerseBlock> ArticleVerseBlocks(const uint8_t* text, uint32_t size);
// The words of a verse block (its number left out) in reading order.
std::string VerseWords(const uint8_t* text, const VerseBlock& block);
