// Where the pieces of one laid-out line lie in the article's bytes: the main
// run, the hanging word on a block's first line, and the whole span the line
// covers. Drawing, highlighting and scrolling to an offset all read a line the
// same way through these.
#pragma once
#include <cstdint>

#include "view/article_view.h"

// Bits of a format word whose change between two lines needs another font
// (size, bold and direction, as the layout compares them).
constexpr uint16_t kFormatFontBits = 0x1F;

constexpr bool IsParagraphEnd(const ArticleLine& line) {
    return (line.Format & kFormatParagraphEnd) != 0;
}

// Display lines an entry occupies: itself and the blank line after a paragraph end.
constexpr int32_t DisplayLinesOf(const ArticleLine& line) { return IsParagraphEnd(line) ? 2 : 1; }

constexpr bool HasHangingWord(const ArticleLine& line) {
    return line.HangWidth != 0 && !IsRuleFormat(line.Format);
}

// A stretch of article bytes, as an offset and a byte count.
struct ByteRun {
    int32_t Start;
    int32_t Count;
};

// The hanging word of a line, whichever its direction; Count 0 when it has none.
ByteRun HangingWordOf(const uint8_t* text, const ArticleLine& line);

// The main run of a line: Length bytes, from Offset except on a left-to-right
// line with a hanging word.
ByteRun MainRunOf(const uint8_t* text, const ArticleLine& line);

// First and one-past-last offset of every byte the line shows, hanging word
// included.
struct LineSpan {
    int32_t First;
    int32_t End;
};
LineSpan LineSpanOf(const uint8_t* text, const ArticleLine& line);
