#include <gtest/gtest.h>

#include "tests/unit/index_fixture.h"
#include "toc/bookmarks_group.h"

namespace {

// Where a shown row's text lies on the list now: its x range and middle y.
struct RowPlace {
    int32_t Left, Right, MiddleY;
};

class IndexTree : public IndexFixture {
protected:
    void SetUp() override {
        IndexFixture::SetUp();
        ASSERT_EQ(Lay(SmallBook()), kLayoutDone);
    }
    RowPlace PlaceOf(const std::string& text) {
        int32_t y = view->Top;
        for (IndexRow* row = SkipTopRows(view); row->Flags != 0; ++row) {
            if (!(row->Flags & kEntryShown)) continue;
            if (RowText(int32_t(row - view->Rows)) == text)
                return RowPlace{int16_t(row->X), int16_t(row->X) + row->Width, y + row->Height / 2};
            y += row->Height;
        }
        ADD_FAILURE() << text << " is not shown";
        return RowPlace{0, 0, 0};
    }
    int32_t ClickOnText(const std::string& text) {
        const RowPlace place = PlaceOf(text);
        return HitTestIndex(view, place.Left + 1, place.MiddleY);
    }
    using Texts = std::vector<std::string>;
};

TEST_F(IndexTree, OpeningShowsOnlyTheDirectChildren) {
    EXPECT_EQ(ShownTexts(), (Texts{"da", "db"}));
    EXPECT_EQ(ClickOnText("da"), -0x3FFE);
    EXPECT_EQ(ShownTexts(), (Texts{"da", "ca", "cb", "db"}));
    EXPECT_EQ(view->ShownRowCount, 4);
    EXPECT_TRUE(RowWithText("da")->Flags & kEntryOpen);
    EXPECT_FALSE(device.Runs.empty()) << "the list is redrawn";
}

TEST_F(IndexTree, ClosingHidesTheWholeSubtreeAndReopeningKeepsTheChildsState) {
    ClickOnText("da");
    ClickOnText("ca");
    EXPECT_EQ(ShownTexts(), (Texts{"da", "ca", "aa", "ab", "cb", "db"}));
    ClickOnText("da");
    EXPECT_EQ(ShownTexts(), (Texts{"da", "db"}));
    EXPECT_EQ(view->ShownRowCount, 2);
    ClickOnText("da");
    EXPECT_EQ(ShownTexts(), (Texts{"da", "ca", "cb", "db"})) << "the open child's children stay hidden";
    EXPECT_TRUE(RowWithText("ca")->Flags & kEntryOpen) << "it shows the minus icon";
}

TEST_F(IndexTree, AnArticleIsChosenOnItsTextAndUpTo13PixelsRightOfIt) {
    ClickOnText("da");
    ClickOnText("ca");
    const RowPlace article = PlaceOf("aa");
    EXPECT_EQ(HitTestIndex(view, article.Left, article.MiddleY), 1);
    EXPECT_EQ(HitTestIndex(view, article.Right + 13, article.MiddleY), 1);
    EXPECT_EQ(HitTestIndex(view, article.Right + 14, article.MiddleY), 0);
    EXPECT_EQ(HitTestIndex(view, article.Left - 1, article.MiddleY), 0) << "left of the text";
    EXPECT_EQ(ShownTexts().size(), 6u) << "nothing changed";
}

TEST_F(IndexTree, ASectionTogglesOnItsIconAndRightOfItButNotLeftOfItsText) {
    const RowPlace division = PlaceOf("da");
    EXPECT_EQ(HitTestIndex(view, division.Left - 1, division.MiddleY), 0);
    EXPECT_EQ(ShownTexts().size(), 2u);
    EXPECT_EQ(HitTestIndex(view, division.Right + 8, division.MiddleY), -0x3FFE);   // the icon
    EXPECT_EQ(ShownTexts().size(), 4u);
    EXPECT_EQ(HitTestIndex(view, kListArea.Right, division.MiddleY), -0x3FFE);   // the indentation
    EXPECT_EQ(ShownTexts().size(), 2u);
}

TEST_F(IndexTree, PointsOutsideTheListOrBelowItsRows) {
    EXPECT_EQ(HitTestIndex(view, kListArea.Left - 1, 10), 0);
    EXPECT_EQ(HitTestIndex(view, 100, kListArea.Bottom + 1), 0);
    EXPECT_EQ(HitTestIndex(view, 100, kListArea.Top + 2 * kLargeRow + 1), kHitBelowRows);
}

TEST_F(IndexTree, ATitleOverSeveralRowsKeepsItsRowsWhenItsSectionCloses) {
    ResizeIndexView(view, 73, 100);
    ContentsBuilder contents;
    contents.Section(0, 0x81, 1, "aaa bbb ccc").Article(1, 2, "dd").Section(2, 0x81, 1, "e");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ClickOnText("aaa");
    EXPECT_EQ(ShownTexts(), (Texts{"bbb ccc", "aaa", "dd", "e"}));
    EXPECT_TRUE(view->Rows[1].Flags & kEntryOpen) << "every row of the title is open";
    ClickOnText("bbb ccc");
    EXPECT_EQ(ShownTexts(), (Texts{"bbb ccc", "aaa", "e"}));
    EXPECT_EQ(view->ShownRowCount, 3);
}

TEST_F(IndexTree, ASectionWithoutChildrenLeavesTheRowsAfterItAlone) {
    SetBookmarks({999});
    ASSERT_EQ(LayoutIndex(view, PrependBookmarksGroup(SmallBook().Owned()), kReleasePrevious), kLayoutDone);
    const Texts before = ShownTexts();
    ASSERT_EQ(before.size(), 3u);
    ClickOnText(before[0]);
    ClickOnText(before[0]);
    EXPECT_EQ(ShownTexts(), before);
}

TEST_F(IndexTree, ScrollingIsClampedAndRedrawsOnlyWhenItMoves) {
    ContentsBuilder contents;
    for (uint16_t n = 1; n <= 10; ++n) contents.Entry(ArticleKey(n), 0x81, 1, "a");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ASSERT_EQ(view->MaxTopRow, 4);
    EXPECT_EQ(ScrollIndexView(view, 100, kScrollRedraw, kScrollClampAtEnd), 0);
    EXPECT_EQ(view->TopRow, 4);
    EXPECT_EQ(view->RowsDrawn, 6);
    device.ClearRecording();
    EXPECT_EQ(ScrollIndexView(view, 1, kScrollRedraw, kScrollClampAtEnd), 1);
    EXPECT_TRUE(device.Runs.empty());
    EXPECT_TRUE(device.WhiteFills.empty());
    ScrollIndexView(view, -100, kScrollRedraw, kScrollClampAtEnd);
    EXPECT_EQ(view->TopRow, 0);
    device.ClearRecording();
    ScrollIndexView(view, -1, kScrollRedraw, kScrollClampAtEnd);
    EXPECT_TRUE(device.Runs.empty());
}

TEST_F(IndexTree, RevealingAnArticleShowsItsChapterItAndTheEntryAfterIt) {
    RevealArticle(view, 1);
    EXPECT_EQ(ShownTexts(), (Texts{"da", "ca", "aa", "ab", "db"}));
    EXPECT_FALSE(RowWithText("ca")->Flags & kEntryOpen);
    EXPECT_EQ(view->TopRow, 0);
    EXPECT_EQ(view->ShownRowCount, 5);
}

TEST_F(IndexTree, RevealingShowsTheAncestorsButNotTheSiblingsBetween) {
    RevealArticle(view, 3);
    EXPECT_EQ(ShownTexts(), (Texts{"da", "cb", "ac", "db"}));
}

TEST_F(IndexTree, ABookmarkedArticleIsNotRevealedInItsChapter) {
    SetBookmarks({3});
    ASSERT_EQ(LayoutIndex(view, PrependBookmarksGroup(SmallBook().Owned()), kReleasePrevious), kLayoutDone);
    const Texts before = ShownTexts();
    EXPECT_EQ(before.size(), 4u);
    EXPECT_EQ(before[1], "ac");
    RevealArticle(view, 3);
    EXPECT_EQ(ShownTexts(), before);
    EXPECT_EQ(view->ShownRowCount, 4);
}

TEST_F(IndexTree, ANarrowerViewKeepsTheOpenSections) {
    ClickOnText("da");
    ClickOnText("ca");
    const uint16_t rowsBefore = view->RowCount;
    ShownEntry* snapshot = SaveShownEntries(view);
    ASSERT_NE(snapshot, nullptr);
    ASSERT_EQ(ResizeIndexView(view, 48, 100), kLayoutDone);
    EXPECT_EQ(RestoreShownEntries(view, snapshot), 0);
    PlainFree(snapshot);
    EXPECT_GT(view->RowCount, rowsBefore) << "titles wrap onto more rows";
    std::vector<uint16_t> keys;
    int32_t shown = 0;
    for (int32_t i = 0; i < view->RowCount; ++i) {
        const IndexRow& row = view->Rows[i];
        if (!(row.Flags & kEntryShown)) continue;
        ++shown;
        if (keys.empty() || keys.back() != row.Key) keys.push_back(row.Key);
    }
    EXPECT_EQ(keys, (std::vector<uint16_t>{0xBFFE, 0xBFFD, 0x4001, 0x4002, 0xBFFA, 0xBFF8}));
    EXPECT_EQ(view->ShownRowCount, shown);
    EXPECT_TRUE(view->Rows[0].Flags & kEntryOpen);
}

TEST_F(IndexTree, AClosedBookmarksGroupStaysClosedThroughARelayout) {
    SetBookmarks({3, 4});
    ASSERT_EQ(LayoutIndex(view, PrependBookmarksGroup(SmallBook().Owned()), kReleasePrevious), kLayoutDone);
    ASSERT_TRUE(view->Rows[0].Flags & kEntryOpen) << "the group starts open";
    const Texts open = ShownTexts();
    ToggleSection(view, &view->Rows[0]);
    const Texts closed = ShownTexts();
    ASSERT_EQ(closed.size(), open.size() - 2);
    ShownEntry* snapshot = SaveShownEntries(view);
    ASSERT_EQ(ResizeIndexView(view, view->Width, view->Height + 20), kLayoutDone);
    EXPECT_EQ(RestoreShownEntries(view, snapshot), 0);
    PlainFree(snapshot);
    EXPECT_EQ(ShownTexts(), closed);
    EXPECT_FALSE(view->Rows[0].Flags & kEntryOpen);
    EXPECT_EQ(view->ShownRowCount, int32_t(closed.size()));
}

TEST_F(IndexTree, WithoutContentsNothingIsSavedOrRestored) {
    IndexView* empty = CreateIndexView(&device, &kListArea, nullptr, 0);
    EXPECT_EQ(SaveShownEntries(empty), nullptr);
    ShownEntry none[1] = {{0, 0}};
    EXPECT_EQ(RestoreShownEntries(empty, none), kNoView);
    EXPECT_EQ(HitTestIndex(empty, 100, 10), 0);
    RevealArticle(empty, 1);
    DestroyIndexView(empty, kReleaseView);
    EXPECT_EQ(HitTestIndex(nullptr, 0, 0), 0);
    EXPECT_EQ(ScrollIndexView(nullptr, 1, kScrollRedraw, kScrollClampAtEnd), kNoView);
}

}  // namespace

namespace {
TEST_F(IndexTree, AnEntryFlaggedOnlyShownStaysInTheListWhenHidden) {
    ContentsBuilder contents;
    contents.Section(0, 0xC0, 1, "aa").Entry(ArticleKey(1), 0x80, 2, "bb").Section(2, 0x81, 1, "cc");
    ASSERT_EQ(Lay(contents), kLayoutDone);
    ClickOnText("aa");
    EXPECT_EQ(ShownTexts(), (Texts{"aa", "cc"}));
    EXPECT_EQ(view->RowCount, 3) << "the hidden row does not end the list";
    ClickOnText("aa");
    EXPECT_EQ(ShownTexts(), (Texts{"aa", "bb", "cc"}));
}
}  // namespace
