#include <gtest/gtest.h>

#include "tests/unit/index_fixture.h"
#include "view/letter_codes.h"

namespace {

using IndexDrawing = IndexFixture;

void ExpectBox(const Rect& actual, const Rect& expected) {
    EXPECT_EQ(actual.Left, expected.Left);
    EXPECT_EQ(actual.Top, expected.Top);
    EXPECT_EQ(actual.Right, expected.Right);
    EXPECT_EQ(actual.Bottom, expected.Bottom);
}

TEST_F(IndexDrawing, ShownRowsAreDrawnDownFromTheTopInStoredOrderWithTheirIcons) {
    ASSERT_EQ(Lay(SmallBook()), kLayoutDone);
    ToggleSection(view, &view->Rows[0]);   // opens "da"
    device.ClearRecording();
    ASSERT_EQ(DrawIndexView(view, kErase), 0);

    ASSERT_EQ(device.WhiteFills.size(), 1u);
    ExpectBox(device.WhiteFills[0], kListArea);
    ASSERT_EQ(device.Runs.size(), 4u);
    EXPECT_EQ(device.Runs[0].Text, u"da");
    ExpectBox(device.Runs[0].Box, Rect{181, 5, 197, 5 + kLargeRow});
    EXPECT_EQ(device.Runs[0].TextColour, kBlue) << "large bold rows are blue";
    EXPECT_EQ(device.Runs[1].Text, u"ca");
    ExpectBox(device.Runs[1].Box, Rect{168, 29, 184, 29 + kNormalRow});
    EXPECT_EQ(device.Runs[1].TextColour, kBlack);
    EXPECT_EQ(device.Runs[2].Text, u"cb");
    EXPECT_EQ(device.Runs[3].Text, u"db");
    EXPECT_EQ(device.Runs[3].Box.Top, 61);
    EXPECT_EQ(view->RowsDrawn, 4);

    ASSERT_EQ(device.Glyphs.size(), 4u);
    EXPECT_EQ(device.Glyphs[0].Bitmap, &glyphs[int(IndexIcon::OpenSection)]);
    ExpectBox(device.Glyphs[0].Box, Rect{201, 12, 210, 21});
    EXPECT_EQ(device.Glyphs[1].Bitmap, &glyphs[int(IndexIcon::ClosedSection)]);
    ExpectBox(device.Glyphs[1].Box, Rect{188, 32, 197, 41});
    EXPECT_EQ(device.Text, kBlack) << "the text colour is put back";
}

TEST_F(IndexDrawing, AnArticleHasThePageIconAndOnlyTheFirstDrawnRowOfAnEntryHasOne) {
    ResizeIndexView(view, 60 + 13, 40);
    ContentsBuilder contents;
    contents.Entry(ArticleKey(1), 0x81, 1, "aaa bbb ccc").Entry(ArticleKey(2), 0x81, 1, "d");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    device.ClearRecording();
    DrawIndexView(view, kNoErase);
    EXPECT_TRUE(device.WhiteFills.empty());
    ASSERT_EQ(device.Runs.size(), 2u) << "40 pixels hold two rows";
    ASSERT_EQ(device.Glyphs.size(), 1u);
    EXPECT_EQ(device.Glyphs[0].Bitmap, &glyphs[int(IndexIcon::Page)]);

    view->TopRow = 1;   // the entry's run starts above the list
    device.ClearRecording();
    DrawIndexView(view, kErase);
    ASSERT_EQ(device.Runs.size(), 2u);
    EXPECT_EQ(device.Runs[0].Text, u"aaa");
    EXPECT_EQ(device.Glyphs.size(), 2u);
}

TEST_F(IndexDrawing, AMissingBitmapOnlyLeavesItsIconOut) {
    ASSERT_EQ(Lay(SmallBook()), kLayoutDone);
    AppSettings.GlyphBitmaps[int(IndexIcon::ClosedSection)] = nullptr;
    device.ClearRecording();
    DrawIndexView(view, kErase);
    EXPECT_EQ(device.Runs.size(), 2u);
    EXPECT_TRUE(device.Glyphs.empty());
}

TEST_F(IndexDrawing, ATopRowPastTheListGoesToTheEndOfTheScrollRange) {
    ContentsBuilder contents;
    for (uint16_t n = 1; n <= 10; ++n) contents.Entry(ArticleKey(n), 0x81, 1, "a");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    view->TopRow = 50;
    DrawIndexView(view, kErase);
    EXPECT_EQ(view->TopRow, view->MaxTopRow);
    EXPECT_EQ(view->RowsDrawn, 6);
}

TEST_F(IndexDrawing, ReverseMirrorsTheDrawingButNotTheMeasuring) {
    ContentsBuilder contents;
    contents.Entry(ArticleKey(1), 0x81, 1, "ab");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    const uint16_t width = view->Rows[0].Width;
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    AppSettings.Flags |= kFlagsReverse;
    ASSERT_EQ(ResizeIndexView(view, 200, 100), kLayoutDone);
    EXPECT_EQ(RowText(0), "ab");
    EXPECT_EQ(view->Rows[0].Width, width);
    device.ClearRecording();
    DrawIndexView(view, kErase);
    ASSERT_EQ(device.Runs.size(), 1u);
    EXPECT_EQ(device.Runs[0].Text, u"בא") << "bet, then alef";
}

// On a screen of 192 dots per inch the indentation, the gap to the icon and
// the zone a click still hits double, and the icons are the 18-pixel pictures.
TEST_F(IndexDrawing, At192DpiIndentationIconsAndHitZoneDouble) {
    AppSettings.ScreenDpi = 192;
    ASSERT_EQ(Lay(SmallBook()), kLayoutDone);
    ToggleSection(view, &view->Rows[0]);   // opens "da"
    ToggleSection(view, &view->Rows[1]);   // opens "ca"
    device.ClearRecording();
    ASSERT_EQ(DrawIndexView(view, kErase), 0);

    ASSERT_GE(device.Runs.size(), 3u);
    EXPECT_EQ(device.Runs[1].Text, u"ca");
    EXPECT_EQ(device.Runs[1].Box.Right, kListArea.Right - 2 * 26) << "level 2";
    ASSERT_GE(device.Glyphs.size(), 3u);
    const Rect icon = device.Glyphs[1].Box;
    EXPECT_EQ(icon.Left, device.Runs[1].Box.Right + 8);
    EXPECT_EQ(icon.Right - icon.Left, 18);
    EXPECT_EQ(icon.Bottom - icon.Top, 18);

    const Rect article = device.Runs[2].Box;   // "aa", article 1, level 3
    EXPECT_EQ(device.Runs[2].Text, u"aa");
    EXPECT_EQ(article.Right, kListArea.Right - 3 * 26);
    const int32_t middle = (article.Top + article.Bottom) / 2;
    EXPECT_EQ(HitTestIndex(view, article.Right + 26, middle), 1);
    EXPECT_EQ(HitTestIndex(view, article.Right + 27, middle), 0);
}

}  // namespace
