#include <gtest/gtest.h>

#include "tests/unit/index_fixture.h"

namespace {

using IndexLayout = IndexFixture;

TEST_F(IndexLayout, ATitleThatFitsIsOneRowRightAlignedAtItsIndentation) {
    ContentsBuilder contents;
    contents.Section(0, 0x81, 1, "abc").Article(7, 2, "de");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ASSERT_EQ(view->RowCount, 2);
    const IndexRow& first = view->Rows[0];
    EXPECT_EQ(first.TextOffset, 4);
    EXPECT_EQ(first.TextLength, 3);
    EXPECT_EQ(first.Width, 24);
    EXPECT_EQ(first.Height, kNormalRow);
    EXPECT_EQ(first.X, kListArea.Right - 13 - 24);
    EXPECT_EQ(first.Key, 0xBFFE);
    EXPECT_EQ(first.Flags, 0x81);
    EXPECT_EQ(RowIndentation(view, first), 13);
    const IndexRow& second = view->Rows[1];
    EXPECT_EQ(second.X, kListArea.Right - 26 - 16);
    EXPECT_EQ(second.Key, 0x4007);
    EXPECT_EQ(view->Rows[2].Flags, 0) << "an all-zero row ends the rows";
    EXPECT_EQ(view->ShownRowCount, 1);
}

TEST_F(IndexLayout, ALongTitleWrapsAtSpacesWithItsStoredTailOnTheFirstRow) {
    ResizeIndexView(view, 60 + 13, 100);
    ContentsBuilder contents;
    contents.Section(0, 0x81, 1, "aaa bbb ccc");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ASSERT_EQ(view->RowCount, 2);
    EXPECT_EQ(RowText(0), "bbb ccc");
    EXPECT_EQ(view->Rows[0].Width, 52);
    EXPECT_EQ(RowText(1), "aaa");
    EXPECT_EQ(view->Rows[1].Key, view->Rows[0].Key) << "one run of the entry's key";
    EXPECT_EQ(RowIndentation(view, view->Rows[1]), 13);
    EXPECT_EQ(view->ShownRowCount, 2);
}

TEST_F(IndexLayout, AWordWiderThanTheListIsCutWhereTheWidthRunsOut) {
    ResizeIndexView(view, 40 + 13, 100);
    ContentsBuilder contents;
    contents.Section(0, 0x81, 1, "abcdefghijkl");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ASSERT_EQ(view->RowCount, 3);
    EXPECT_EQ(RowText(0), "hijkl");
    EXPECT_EQ(RowText(1), "cdefg");
    EXPECT_EQ(RowText(2), "ab");
}

TEST_F(IndexLayout, AnIndentationNotSmallerThanTheWidthIsTreatedAsNone) {
    ResizeIndexView(view, 39, 100);
    ContentsBuilder contents;
    contents.Section(0, 0x81, 2, "a").Article(1, 3, "b");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    EXPECT_EQ(RowIndentation(view, view->Rows[0]), 26);
    EXPECT_EQ(RowIndentation(view, view->Rows[1]), 0);
    EXPECT_EQ(view->Rows[1].X, kListArea.Left + 39 - 8);
}

TEST_F(IndexLayout, AListNarrowerThanOneLetterStillEndsWithALetterPerRow) {
    ResizeIndexView(view, 3, 100);
    ContentsBuilder contents;
    contents.Section(0, 0x81, 1, "ab cd").Article(1, 2, "e");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ASSERT_EQ(view->RowCount, 5);
    EXPECT_EQ(RowText(0), "d");
    EXPECT_EQ(RowText(3), "a");
    EXPECT_EQ(RowText(4), "e");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(RowIndentation(view, view->Rows[i]), 0);
}

TEST_F(IndexLayout, NothingToLayOutLeavesTheRowsAsTheyWere) {
    ASSERT_EQ(Lay(SmallBook()), kLayoutDone);
    const uint16_t rows = view->RowCount;
    ContentsBuilder emptyTitle;
    emptyTitle.Section(0, 0x81, 1, "").Article(1, 2, "a");
    uint8_t* refused = emptyTitle.Owned();
    EXPECT_EQ(LayoutIndex(view, refused, kReleasePrevious), kLayoutRefused);
    PlainFree(refused);
    uint8_t endOnly[5] = {};
    EXPECT_EQ(LayoutIndex(view, endOnly, kReleasePrevious), kLayoutRefused);
    EXPECT_EQ(view->RowCount, rows);
    EXPECT_EQ(RowText(0), "da");

    EXPECT_EQ(LayoutIndex(view, nullptr, kReleasePrevious), kLayoutNoText);
    EXPECT_EQ(view->Contents, nullptr);
    EXPECT_EQ(DrawIndexView(view, kErase), kNoView);
    EXPECT_EQ(HitTestIndex(view, 100, 10), 0);
}

TEST_F(IndexLayout, AnEmptyTitleInsideTheListTakesNoRow) {
    ContentsBuilder contents;
    contents.Section(0, 0x81, 1, "a").Article(1, 2, "").Article(2, 2, "b");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ASSERT_EQ(view->RowCount, 2);
    EXPECT_EQ(view->Rows[1].Key, ArticleKey(2));
}

TEST_F(IndexLayout, FontsComeFromTheFontBitsWithTheSizeAsACellHeight) {
    std::memcpy(view->Font.FontName, u"David", sizeof u"David");
    view->Font.FontSize = 16;
    ContentsBuilder contents;
    contents.Section(0, 0x8C, 1, "a").Section(1, 0x01, 2, "b").Section(2, 0x83, 2, "c")
        .Section(3, 0x8C, 1, "d");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ASSERT_EQ(device.Fonts.size(), 3u) << "one font per font bits";
    EXPECT_EQ(device.Fonts[0]->EmHeight, 16);   // the layout's starting font
    EXPECT_EQ(device.Fonts[1]->EmHeight, 20);   // large: x 5 / 4
    EXPECT_EQ(device.Fonts[1]->Weight, 700);
    EXPECT_EQ(device.Fonts[2]->EmHeight, 12);   // small: x 6 / 8
    EXPECT_EQ(device.Fonts[2]->FaceName, u"David");
    EXPECT_EQ(view->Rows[0].Height, 24);
    EXPECT_EQ(view->Rows[1].Height, 20);
    EXPECT_EQ(view->Rows[2].Height, 16);

    view->Font.FontSize = 0;
    view->Font.FontName[0] = 0;
    ReleaseIndexFonts(view);
    device.Fonts.clear();
    ASSERT_EQ(ResizeIndexView(view, 200, 100), kLayoutDone);
    EXPECT_EQ(device.Fonts[1]->EmHeight, 20);
    EXPECT_EQ(device.Fonts[2]->EmHeight, 14);
    EXPECT_EQ(device.Fonts[0]->FaceName, u"");
}

TEST_F(IndexLayout, RowsGrowBeyondTheirFirstCapacity) {
    ContentsBuilder contents;
    for (uint16_t n = 1; n <= 300; ++n) contents.Article(n, 1, "a");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    EXPECT_EQ(view->RowCount, 300);
    EXPECT_EQ(view->RowCapacity, 100 + 2 * 128);
    EXPECT_EQ(view->Rows[299].Key, ArticleKey(300));
    EXPECT_EQ(view->Rows[300].Flags, 0);
}

TEST_F(IndexLayout, RunningOutOfMemoryKeepsTheViewConsistent) {
    ContentsBuilder contents;
    for (uint16_t n = 1; n <= 300; ++n) contents.Article(n, 1, "a b");
    for (int successes = 0; successes < 12; ++successes) {
        uint8_t* buffer = contents.Owned();
        FailAllocationAfter(successes);
        const int32_t status = LayoutIndex(view, buffer, kReleasePrevious);
        FailAllocationAfter(-1);
        if (status == kLayoutDone) continue;
        EXPECT_EQ(status, kLayoutOutOfMemory);
        PlainFree(buffer);
        EXPECT_EQ(view->Contents, nullptr);
        EXPECT_EQ(view->RowCount, 0);
        EXPECT_EQ(view->ShownRowCount, 0);
    }
}

TEST_F(IndexLayout, TheScrollRangeEndsWhereTheLastRowsFillTheList) {
    ContentsBuilder contents;
    for (uint16_t n = 1; n <= 10; ++n) contents.Entry(ArticleKey(n), 0x81, 1, "a");
    contents.Entry(ArticleKey(11), 0x01, 1, "a");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    // 100 pixels hold six rows of 16.
    EXPECT_EQ(view->MaxTopRow, 10 - 6);
    ResizeIndexView(view, 200, 400);
    EXPECT_EQ(view->MaxTopRow, 0);
}

}  // namespace
