#include "verses/article_verses.h"

#include "verses/display_order.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
// Letter codes of the ordinary forms and their values; the final forms are
// no numerals.
struct NumeralLetter {
    char Code;
    uint32_t Value;
};
constexpr NumeralLetter kNumeralLetters[] = {
    {'{', 400}, {'z', 300}, {'y', 200}, {'x', 100}, {'w', 90}, {'u', 80}, {'s', 70},
    {'r', 60},  {'q', 50},  {'o', 40},  {'m', 30},  {'l', 20}, {'j', 10}, {'i', 9},
    {'h', 8},   {'g', 7},   {'f', 6},   {'e', 5},   {'d', 4},  {'c', 3},  {'b', 2}, {'a', 1},
};
constexpr uint32_t kLargestNumeral = 999;

uint32_t LetterValue(char c) {
    for (const NumeralLetter& letter : kNumeralLetters)
        if (letter.Code == c) return letter.Value;
    return 0;
}

// One block within size bytes: its format byte and string.
struct Block {
    uint8_t Format;
    uint8_t Layout;
    uint32_t Start;
    uint32_t Length;
    uint32_t Next;
};

bool ReadBlock(const uint8_t* text, uint32_t size, uint32_t at, Block* block) {
    if (at + 2 > size || text[at] == 0) return false;
    block->Format = text[at];
    block->Layout = text[at + 1];
    block->Start = at + 2;
    uint32_t end = block->Start;
    while (end < size && text[end] != 0) ++end;
    block->Length = end - block->Start;
    block->Next = end + 1;
    return true;
}

bool IsVerseFormat(uint8_t format) {
    return !IsRuleFormat(format) && (format & kFormatRightToLeft) &&
           (format & kFormatAlignMask) == kFormatAlignRight;
}

// The reading-first word of a display-order string is its tail after the last space.
bool VerseNumberOf(const uint8_t* text, const Block& block, uint16_t* verse) {
    uint32_t space = block.Length;
    while (space > 0 && text[block.Start + space - 1] != ' ') --space;
    if (space == 0) return false;
    const std::string number = ReadingOrder(text + block.Start + space, block.Length - space);
    const uint32_t value = HebrewNumeralValue(number);
    if (value == 0 || value > 0xFFFF) return false;
    *verse = uint16_t(value);
    return true;
}
}  // namespace

std::string ReadingOrder(const uint8_t* display, uint32_t length) {
    return TurnedOrder(std::string_view(reinterpret_cast<const char*>(display), length));
}

uint32_t HebrewNumeralValue(const std::string& letters) {
    uint32_t value = 0;
    uint32_t previous = kLargestNumeral;
    for (char c : letters) {
        const uint32_t letter = LetterValue(c);
        // Largest first; only tav repeats (800, 900).
        if (letter == 0 || letter > previous || (letter == previous && letter != 400)) return 0;
        value += letter;
        previous = letter;
    }
    return value <= kLargestNumeral ? value : 0;
}

std::string HebrewNumeralText(uint32_t number) {
    std::string letters;
    if (number < 1 || number > kLargestNumeral) return letters;
    uint32_t rest = number;
    for (; rest >= 400; rest -= 400) letters += '{';
    for (const NumeralLetter& letter : kNumeralLetters) {
        // 15 and 16 are written 9 + 6 and 9 + 7, never as the divine name.
        if (rest == 15 || rest == 16) return letters + (rest == 15 ? "if" : "ig");
        if (rest >= letter.Value) {
            letters += letter.Code;
            rest -= letter.Value;
        }
    }
    return letters;
}

bool ReadArticleHeading(const uint8_t* text, uint32_t size, ArticleHeading* heading) {
    Block title;
    if (!text || !ReadBlock(text, size, 0, &title) || IsRuleFormat(title.Format)) return false;
    std::string reading = ReadingOrder(text + title.Start, title.Length);
    const size_t comma = reading.find(',');
    if (comma != std::string::npos) reading.resize(comma);
    const size_t space = reading.rfind(' ');
    if (space == std::string::npos || space == 0) return false;
    const uint32_t chapter = HebrewNumeralValue(reading.substr(space + 1));
    if (chapter == 0) return false;
    heading->BookName = reading.substr(0, space);
    heading->Chapter = uint16_t(chapter);
    return true;
}

std::vector<VerseBlock> ArticleVerseBlocks(const uint8_t* text, uint32_t size) {
    std::vector<VerseBlock> verses;
    if (!text) return verses;
    if (size > kArticleOffsetLimit) size = kArticleOffsetLimit;
    Block block;
    for (uint32_t at = 0; ReadBlock(text, size, at, &block); at = block.Next) {
        uint16_t verse = 0;
        if (IsVerseFormat(block.Format) && VerseNumberOf(text, block, &verse))
            verses.push_back(VerseBlock{verse, uint16_t(block.Start), uint16_t(block.Length)});
    }
    return verses;
}

std::string VerseWords(const uint8_t* text, const VerseBlock& block) {
    std::string reading = ReadingOrder(text + block.Start, block.Length);
    const size_t space = reading.find(' ');
    return space == std::string::npos ? std::string() : reading.substr(space + 1);
}
