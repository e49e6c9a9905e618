// The index list: the table of contents laid out into rows of titles,
// right-aligned and indented by level, each entry with an icon right of its
// first row, scrolled row by row; and the operations on it. It draws through
// a text device; the Choose Section dialog owns the window around it.
#pragma once
#include <cstdint>

#include "view/article_view.h"

// Pixels at 96 DPI, scaled for the screen (ScreenPixels); the icons are drawn
// at the screen's picture multiple.
constexpr int32_t kIndentPerLevel = 13;    // pixels of indentation per level
constexpr int32_t kIconSize = 9;           // the icons are 9 x 9
constexpr int32_t kIconGap = 4;            // from the row's text to its icon
constexpr int32_t kIconHitWidth = 13;      // right of the text, a click still hits the row
constexpr int32_t kRowGrowth = 128;        // rows are added in steps of this
constexpr int32_t kIndexViewCapacity = 100;   // the dialog's initial row capacity
// Row counts are 16-bit: a layout makes at most this many rows.
constexpr int32_t kMaxIndexRows = 0xFF00;

// Which of AppSettings.GlyphBitmaps an icon is.
enum class IndexIcon { ClosedSection = 0, OpenSection = 1, Page = 2 };

// HitTestIndex's answer for a point in the list area below the last row.
constexpr int32_t kHitBelowRows = INT32_MIN;

// Flags of ScrollIndexView.
constexpr int32_t kScrollRedraw = 1;
constexpr int32_t kScrollClampAtEnd = 1;

struct IndexRow {
    uint16_t TextOffset;   // in Contents, of the first character shown
    uint16_t TextLength;
    uint16_t X;            // left edge of the text
    uint16_t Width;        // measured width of the text
    uint16_t Height;       // tmHeight of the row's font
    uint16_t Key;          // the entry's key
    uint8_t Flags;         // the entry's flags; Shown and Open change at run time
};

struct IndexView {
    IndexRow* Rows;            // RowCapacity + 1 rows; owned
    TextDevice* Dc;            // not owned
    uint8_t* Contents;         // owned once laid out
    int32_t RowsDrawn;
    FontSpec Font;
    FontCacheEntry* FontCache;
    int32_t Left, Top, Width, Height;
    uint16_t TopRow;
    uint16_t ShownRowCount;
    uint16_t RowCount;
    uint16_t RowCapacity;
    uint16_t MaxTopRow;
};

// One (Key, Open bit) pair of SaveShownEntries; the list ends with key 0.
struct ShownEntry {
    uint16_t Key;
    uint8_t Open;
};

// The model. The flags of DestroyIndexView (kKeepViewRecord, kReleaseView),
// LayoutIndex (kKeepPrevious, kReleasePrevious) and DrawIndexView (kNoErase,
// kErase) are the article view's.
IndexView* CreateIndexView(TextDevice* dc, const Rect* rectangle, const FontSpec* fontSpec,
                           int32_t capacity);
void DestroyIndexView(IndexView* view, int32_t releaseView);
int32_t ResizeIndexView(IndexView* view, int32_t width, int32_t height);
FontHandle SelectIndexFont(IndexView* view, uint16_t value);
void ReleaseIndexFonts(IndexView* view);

// Layout.
int32_t LayoutIndex(IndexView* view, uint8_t* buffer, int32_t releaseOld);
int32_t ComputeMaxTopRow(IndexView* view);
// Indentation of a row: from the right edge of the list to the row's right edge.
int32_t RowIndentation(const IndexView* view, const IndexRow& row);

// Drawing and scrolling.
// The row where drawing and hit testing begin: past TopRow shown rows (rows
// without Shown take no space), or the end row.
IndexRow* SkipTopRows(IndexView* view);
int32_t DrawIndexView(IndexView* view, int32_t erase);
int32_t ScrollIndexView(IndexView* view, int32_t delta, int32_t redrawMode, int32_t clampAlways);

// The tree.
int32_t HitTestIndex(IndexView* view, int32_t x, int32_t y);
int32_t ToggleSection(IndexView* view, IndexRow* row);
void RevealArticle(IndexView* view, uint16_t articleNumber);
// A new list the caller releases with PlainFree, or null.
ShownEntry* SaveShownEntries(const IndexView* view);
int32_t RestoreShownEntries(IndexView* view, const ShownEntry* list);
