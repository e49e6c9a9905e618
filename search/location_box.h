// The box at the bottom of the view that names the article of a search hit.
#pragma once
#include <cstdint>

#include "view/article_view.h"

constexpr uint8_t kFirstTitleFormat = 0xDC;    // an optional block before the title
constexpr uint8_t kSecondTitleFormat = 0xD1;   // the article's title
constexpr uint16_t kLocationBoxFormatWord = 0x102;   // small size, black
// The box's frames and margins, in pixels at 96 DPI (scaled for the screen).
constexpr int32_t kRedFrames = 2;
constexpr int32_t kWhiteFrames = 1;
constexpr int32_t kBlueFrames = 2;
constexpr int32_t kBoxSideMargin = 8;      // beside twice the line height
constexpr int32_t kBoxRowsMargin = 10;     // above the title rows
constexpr int32_t kBoxBottomGap = 2;       // from the view's bottom

struct ArticleTitle {
    int32_t Count;        // characters
    int32_t Width;        // pixels; 0 until measured
    const uint8_t* Run;   // into the article's text, or null
};

// The article's titles: a 0xDC block's string (first) and the 0xD1 block's
// string after it, or the first block's when it is 0xD1 (second). Either out
// record may be null; both are cleared first. size is the readable bytes at
// text when known (0 otherwise): nothing at or past it is read.
void FindArticleTitles(const uint8_t* text, ArticleTitle* first, ArticleTitle* second,
                       uint32_t size = 0);

// count nested one-pixel frames of colour, each one pixel inside the one
// before; the rectangle is left shrunk by count pixels on every side.
void DrawFrames(TextDevice* dc, Rect* rectangle, Colour colour, int32_t count);

// Draws the box for the view's current article straight onto its device; the
// next repaint of the view removes it.
void DrawLocationBox(ArticleView* view);
