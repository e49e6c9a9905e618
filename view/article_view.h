// A laid-out article: its lines, fonts, device and scroll position, and the
// operations that create, lay out, draw and scroll it.
#pragma once
#include <cstdint>

#include "settings/font_spec.h"
#include "view/text_device.h"

// Format byte of a block (widened to a 16-bit format word inside the view).
constexpr uint16_t kFormatSizeMask = 0x07;    // 7 makes a rule block
constexpr uint16_t kFormatLarge = 0x04;
constexpr uint16_t kFormatSmall = 0x02;
constexpr uint16_t kFormatBold = 0x08;
constexpr uint16_t kFormatRightToLeft = 0x10;
constexpr uint16_t kFormatAlignMask = 0x60;
constexpr uint16_t kFormatAlignRight = 0x20;
constexpr uint16_t kFormatAlignCentre = 0x40;
constexpr uint16_t kFormatParagraphEnd = 0x80;
// Bits of the view's own, never stored in an article.
constexpr uint16_t kFormatSetColour = 0x0100;
constexpr uint16_t kFormatPrintSmall = 0x1000;
constexpr uint16_t kFontKeyMask = 0x101F;
constexpr uint16_t kNormalFormatWord = 1;   // the normal font, and the font of a rule line

constexpr bool IsRuleFormat(uint16_t format) { return (format & kFormatSizeMask) == kFormatSizeMask; }

// Layout byte of a block. A text block keeps its margin in the low six bits;
// a rule block's whole byte is its length: device units up to kRuleUnitsLimit,
// above it (R - 160) x 2 percent of the width.
constexpr uint8_t kLayoutMarginMask = 0x3F;
constexpr int32_t kRuleUnitsLimit = 160;

// Layout statuses (16-bit).
constexpr int32_t kLayoutDone = 0;
constexpr int32_t kLayoutNoText = 2;
constexpr int32_t kLayoutRefused = 0xFFFC;
constexpr int32_t kLayoutOutOfMemory = 0xFFFE;
constexpr int32_t kNoView = -1;
constexpr int32_t kBadSize = -5;
constexpr int32_t kGrowFailed = -2;        // 0xFFFE as a 16-bit status

// Offsets into an article are 16-bit: bytes at or past this offset are never
// laid out.
constexpr uint32_t kArticleOffsetLimit = 0x10000;
// Line-table entries a layout makes at most, so that LineCapacity, LineCount and
// DisplayLineCount stay 16-bit counts; the layout ends an article there.
constexpr int32_t kMaxLineCount = 0xFF00;

struct FontCacheEntry {
    FontCacheEntry* Next;
    FontHandle Font;         // none after the fonts were released
    uint16_t Key;            // format word AND 0x101F
};

struct ArticleLine {
    uint16_t Offset;     // first byte in Text (hanging word's, on a left-to-right first line)
    uint16_t Length;     // bytes of the main run, the hanging word not counted
    int16_t X;           // left edge of the main run, device units
    uint16_t HangWidth;  // hanging-word box width on a block's first line, else 0
    uint16_t Width;      // measured width of the main run (a rule's length)
    uint16_t Height;     // tmHeight of the block's font
    uint8_t Format;      // the block's format byte; bit 7 only on its last line
};

struct ArticleView {
    ArticleLine* Lines;        // LineCapacity + 1 entries; owned
    TextDevice* Dc;            // not owned
    uint8_t* Text;             // the decompressed article; owned once laid out
    int32_t LinesDrawn;
    FontSpec Font;
    FontCacheEntry* FontCache;
    int32_t Left, Top, Width, Height;
    uint16_t TopLine;
    uint16_t DisplayLineCount;
    uint16_t LineCount;
    uint16_t LineCapacity;
    uint16_t MaxTopLine;
    uint16_t MatchStart;
    uint16_t MatchEnd;
    ArticleLine* PageStart;
    ArticleLine* PageEnd;
    uint32_t TextSize;         // readable bytes at Text when known, else 0
    // The marked verses: from the first one's string to the end of the last
    // one's; both 0 when none is marked. Cleared by every layout.
    uint16_t MarkStart;
    uint16_t MarkEnd;
};

// The flag arguments of the view operations, by name, so that a call reads as
// what it does; the parameters stay integers.
// DestroyArticleView: free the ArticleView record itself too, or keep it
// (a record that lives elsewhere, such as a print view's).
constexpr int32_t kKeepViewRecord = 0;
constexpr int32_t kReleaseView = 1;
// LayoutArticle, LayoutSizedArticle: free the article the view held before.
constexpr int32_t kKeepPrevious = 0;
constexpr int32_t kReleasePrevious = 1;
// DrawArticleView: fill the view's rectangle with white before drawing.
constexpr int32_t kNoErase = 0;
constexpr int32_t kErase = 1;
// ScrollArticleView, ClickScroll: draw after moving; kRedraw draws only when
// the page moved, kRedrawAlways also when it did not.
constexpr int32_t kNoRedraw = 0;
constexpr int32_t kRedraw = 1;
constexpr int32_t kRedrawAlways = 2;
// ScrollArticleView: a move down stops at MaxTopLine, and is refused there;
// without it a move may pass MaxTopLine once, up to the last display line.
constexpr int32_t kNoClampAtEnd = 0;
constexpr int32_t kClampAtEnd = 1;

// View model.
ArticleView* CreateArticleView(TextDevice* dc, const Rect* rectangle, const FontSpec* fontSpec,
                               int32_t initialCapacity);
void DestroyArticleView(ArticleView* view, int32_t releaseRecord);
int32_t ResizeArticleView(ArticleView* view, int32_t width, int32_t height);
int32_t SetArticleFont(ArticleView* view, const FontSpec* fontSpec);
FontHandle SelectFormatFont(ArticleView* view, uint16_t formatWord);

// Line layout.
// bytes is a decompressed article as the record loader hands it over: its data,
// then zero bytes at u and u + 1. The walk reads no further than the first
// 65,536 bytes and stops at the end marker. Data that does not end in a zero
// byte (a corrupt record whose last byte is a format byte) leads it to the
// byte after such a buffer; callers that know u use LayoutSizedArticle. Laying
// out the view's own Text again keeps the size it was first laid out with.
int32_t LayoutArticle(ArticleView* view, uint8_t* bytes, int32_t releasePrevious);
// The same for an article of a known size (the readable bytes at bytes): every
// byte at or past size reads as zero, so a truncated or corrupt article ends
// there instead of leading the walk outside it.
int32_t LayoutSizedArticle(ArticleView* view, uint8_t* bytes, uint32_t size,
                           int32_t releasePrevious);
// Measures count bytes of run against *maxWidth; on return *count is the number
// that fit and *maxWidth their width. Reverse is suspended while measuring.
void FitText(TextDevice* dc, const uint8_t* run, int32_t* maxWidth, int32_t* count);
int32_t GrowLineTable(ArticleView* view, int32_t index);
int32_t ComputeMaxTopLine(ArticleView* view);

// Drawing and scrolling.
int32_t DrawArticleView(ArticleView* view, int32_t erase);
void DrawMatchPart(ArticleView* view, const uint8_t* text, const uint8_t* run, int32_t count,
                   int32_t x, int32_t y);
void DrawRun(TextDevice* dc, const uint8_t* run, int32_t count, int32_t x, int32_t y, int32_t w,
             int32_t h);
void DrawRunColored(TextDevice* dc, const uint8_t* run, int32_t count, int32_t x, int32_t y,
                    int32_t w, int32_t h, Colour textColour, Colour backColour);
// A page by keys or clicks, in lines: half the lines drawn in page modes 2
// and 4, the lines drawn less one in every other mode (0 to 7); never negative,
// so a page on never moves back.
int32_t PageStep(int32_t linesDrawn, uint32_t pageMode);
int32_t ScrollArticleView(ArticleView* view, int32_t delta, int32_t redraw, int32_t clampAtEnd);
int32_t ScrollToOffset(ArticleView* view, uint16_t offset);
bool PointInView(const ArticleView* view, int32_t x, int32_t y);
int32_t ClickScroll(void* window, ArticleView* view, int32_t x, int32_t y, int32_t redraw);
