// An article as plain UTF-16 text, one line per block, for the clipboard.
#pragma once
#include <cstdint>

// Shown (owned by the main window, no caption of its own, OK only) when the
// text would not fit its buffer; the sizing below makes that impossible.
constexpr char16_t kTextOverflowMessage[] = u"(obuf > (start + size))";

// ArticleToText results.
constexpr int32_t kTextBuilt = 0;
constexpr int32_t kTextOverflow = 1;   // the message was shown
constexpr int32_t kTextNoMemory = 2;   // a block could not be converted; nothing shown

// The counts the text buffer is sized from.
struct ArticleTextCounts {
    uint32_t Length;       // L + L / 2, L the article's bytes up to its end marker
    uint32_t Margins;      // M: the margins of the text blocks
    uint32_t ShortRules;   // N: the layout bytes of rules of at most 160
    uint32_t WideRules;    // W: 2 x (layout byte - 160) over the longer rules
};

// Every function reads the article within its first size bytes: a byte at or
// past size reads as zero, so a corrupt article ends there.

// Fills counts and returns R: the number of blocks plus the number of
// paragraph-end blocks.
uint32_t MeasureArticleText(const uint8_t* text, uint32_t size, ArticleTextCounts* counts);
// The text buffer for the article (from AllocOrAbort), of
// 2 x (L + L / 2 + 2R + M + N + W) + 2 bytes, reported in *bytes.
char16_t* AllocArticleText(const uint8_t* text, uint32_t size, uint32_t* bytes);
// Writes the text, 0-terminated, into buffer of bufferBytes bytes: per block
// its converted string and margin spaces (or a rule's dashes), CR LF, and a
// second CR LF after a paragraph end. Nothing is written past the buffer.
int32_t ArticleToText(const uint8_t* text, uint32_t size, char16_t* buffer, uint32_t bufferBytes);

// Writes the dashes of the rule block at block (its format byte) at output and
// returns the position after them.
char16_t* AppendRule(const uint8_t* block, char16_t* output);
