// What the reader shows on the screen, read from its pixels: the article's
// title centred at the top, its verses right-aligned against one edge with
// their numbers beside them, in letters of a font that has them (not one
// missing-glyph box repeated), inside the margin the maker-level key sets.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "tests/win32/support/article_view_rect.h"
#include "tests/win32/support/ink_rows.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_capture.h"

namespace {

using Screenshot = ReaderTest;

// The right edge of a line's text: a verse number stands apart at the far
// right of the first line of its verse and is not part of it.
int TextRightEdge(const Capture& capture, const InkRow& row, const RECT& view) {
    const std::vector<InkSpan> columns = FindInkSpans(capture, row, 12);
    if (columns.size() >= 2) {
        const InkSpan& last = columns.back();
        if (last.Right - last.Left < 40 && last.Left > view.right - 80) {
            return columns[columns.size() - 2].Right;
        }
    }
    return row.Right;
}

TEST_F(Screenshot, FirstArticleShowsItsTitleCentredAndItsVersesRightAligned) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    const Capture capture = CaptureClientArea(Window());
    ASSERT_GT(capture.Width, 0);
    if (const char* folder = std::getenv("ORVENDEL_BINARY_DIR")) {
        const std::string path = std::string(folder) + "/reader-screenshot.bmp";
        SaveCaptureAsBmp(capture, std::wstring(path.begin(), path.end()));
    }
    const RECT view = ArticleViewRect(Window());
    const std::vector<InkRow> rows = FindInkRows(capture, view);
    // The title, the verse range under it, and verses.
    ASSERT_GE(rows.size(), 8u);

    const InkRow& title = rows.front();
    EXPECT_NEAR((title.Left + title.Right) / 2, (view.left + view.right) / 2, 3)
        << "the title is centred";
    EXPECT_LT(title.Top, view.top + 20) << "the title is at the top";

    const int edge = TextRightEdge(capture, rows[2], view);
    EXPECT_LT(edge, view.right - 20) << "the verse numbers stand right of the text";
    for (size_t i = 2; i < rows.size(); ++i) {
        EXPECT_NEAR(TextRightEdge(capture, rows[i], view), edge, 3)
            << "line " << i << " is right-aligned with the others";
    }

    std::map<int, int> glyphsOfWidth;
    int glyphs = 0;
    for (size_t i = 2; i < rows.size(); ++i) {
        for (const InkSpan& glyph : FindInkSpans(capture, rows[i], 1)) {
            ++glyphsOfWidth[glyph.Right - glyph.Left];
            ++glyphs;
        }
    }
    int commonest = 0;
    for (const auto& widthCount : glyphsOfWidth) commonest = std::max(commonest, widthCount.second);
    EXPECT_GE(glyphsOfWidth.size(), 5u) << "letters of many shapes";
    EXPECT_LT(commonest * 2, glyphs) << "not one box repeated for every letter";

    CloseReader();
}

// The rightmost ink of the page: the verse numbers, set against the view's
// right edge.
int RightmostInk(HWND window) {
    const Capture capture = CaptureClientArea(window);
    const RECT page = ArticleViewRect(window, 0);
    int rightmost = 0;
    for (const InkRow& row : FindInkRows(capture, page)) rightmost = std::max(rightmost, row.Right);
    return rightmost;
}

TEST_F(Screenshot, GutterOfTheMakerKeyIsTheMarginAroundTheText) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    const int withDefaultGutter = RightmostInk(Window());
    CloseReader();

    WriteGutter(0);
    LaunchReader();
    const int withoutGutter = RightmostInk(Window());
    CloseReader();

    EXPECT_NEAR(withoutGutter - withDefaultGutter, kDefaultGutter, 1);
}

}  // namespace
