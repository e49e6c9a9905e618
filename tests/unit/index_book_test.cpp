// The book's own table of contents, as the build embeds it, laid out into the
// index list at several widths and with every article bookmarked. Skipped
// where the build made no book (the sanitizer build).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/unit/index_fixture.h"
#include "toc/bookmarks_group.h"
#include "tools/book/book_records.h"

namespace {
const std::filesystem::path kGenerated = std::filesystem::path(ORVENDEL_BOOK_BUILD_DIR) / "generated";

class IndexBook : public IndexFixture {
protected:
    void SetUp() override {
        const std::filesystem::path path = kGenerated / RecordFileName(kContentsRecordId);
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "this build has no book";
        std::ifstream file(path, std::ios::binary);
        ports_.Records.Records[kContentsRecordId] = {std::istreambuf_iterator<char>(file),
                                                     std::istreambuf_iterator<char>()};
        IndexFixture::SetUp();
    }

    uint8_t* LoadContents() {
        uint32_t length = 0;
        uint8_t* contents = LoadRecord(kContentsRecordNumber, nullptr, &length);
        EXPECT_NE(contents, nullptr);
        EXPECT_TRUE(ContentsEndWithin(contents, length + kRecordTerminators));
        return contents;
    }

    // Every title byte but the spaces at the cuts lies on exactly one row of
    // its entry, no row starts or ends with a space, and a row is wider than
    // the list only when it holds one letter.
    void ExpectEveryTitleCharacterOnOneRow() {
        std::vector<int> covered(ContentsLength32(view->Contents), 0);
        for (int32_t i = 0; i < view->RowCount; ++i) {
            const IndexRow& row = view->Rows[i];
            ASSERT_GT(row.TextLength, 0);
            for (int32_t k = 0; k < row.TextLength; ++k) ++covered[row.TextOffset + k];
            EXPECT_NE(view->Contents[row.TextOffset], ' ');
            EXPECT_NE(view->Contents[row.TextOffset + row.TextLength - 1], ' ');
            if (row.TextLength > 1) {
                EXPECT_LE(row.Width + RowIndentation(view, row), view->Width) << i;
            }
        }
        int entries = 0;
        for (const uint8_t* entry = view->Contents; EntryFlags(entry) != 0; entry = NextEntry(entry)) {
            ++entries;
            const uint32_t title = uint32_t(EntryTitle(entry) - view->Contents);
            for (uint32_t k = 0; k < EntryTitleLength(entry); ++k) {
                if (view->Contents[title + k] == ' ')
                    EXPECT_LE(covered[title + k], 1);
                else
                    ASSERT_EQ(covered[title + k], 1) << "entry " << entries << " byte " << k;
            }
        }
    }

    ScopedFakePorts ports_;
};

TEST_F(IndexBook, TheContentsStartWithTheFirstDivisionInLittleEndian) {
    uint8_t* contents = LoadContents();
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(contents[0], 0xFE);
    EXPECT_EQ(contents[1], 0xBF);
    EXPECT_EQ(contents[2], 0x8C);
    EXPECT_EQ(contents[3], 0x01);
    ASSERT_EQ(LayoutIndex(view, contents, kReleasePrevious), kLayoutDone);
    int divisions = 0;
    for (int32_t i = 0; i < view->RowCount; ++i)
        if ((view->Rows[i].Flags & kEntryShown) && (i == 0 || view->Rows[i - 1].Key != view->Rows[i].Key))
            ++divisions;
    EXPECT_EQ(divisions, 4) << "only the four divisions are shown when the list opens";
}

TEST_F(IndexBook, EveryTitleCharacterLiesOnExactlyOneRowAtEveryWidth) {
    ASSERT_EQ(LayoutIndex(view, LoadContents(), kReleasePrevious), kLayoutDone);
    for (int32_t width : {30, 60, 120, 200, 420, 1000}) {
        ASSERT_EQ(ResizeIndexView(view, width, 400), kLayoutDone) << width;
        SCOPED_TRACE(width);
        ExpectEveryTitleCharacterOnOneRow();
    }
}

TEST_F(IndexBook, EveryArticleBookmarkedStaysWithinTheRowOffsets) {
    std::vector<uint16_t> all;
    for (uint16_t n = 1; n <= kArticleCount; ++n) all.push_back(n);
    SetBookmarks(all);
    uint8_t* shown = PrependBookmarksGroup(LoadContents());
    ASSERT_NE(shown, nullptr);
    EXPECT_LT(ContentsLength32(shown) + kEndEntryBytes, kContentsOffsetLimit);

    int bookmarkEntries = 0;
    for (const uint8_t* entry = NextEntry(shown); EntryLevel(entry) == kBookmarkEntryLevel;
         entry = NextEntry(entry)) {
        EXPECT_EQ(EntryKey(entry), ArticleKey(uint16_t(++bookmarkEntries)));
        EXPECT_EQ(EntryFlags(entry), kBookmarkEntryFlags);
    }
    EXPECT_EQ(bookmarkEntries, kArticleCount);

    ASSERT_EQ(LayoutIndex(view, shown, kReleasePrevious), kLayoutDone);
    ExpectEveryTitleCharacterOnOneRow();
    const uint16_t before = view->ShownRowCount;
    RevealArticle(view, 1200);
    EXPECT_EQ(view->ShownRowCount, before) << "a bookmarked article is not revealed again";
}

TEST_F(IndexBook, RevealingAnArticleOpensTheListAtItsChapter) {
    ASSERT_EQ(LayoutIndex(view, LoadContents(), kReleasePrevious), kLayoutDone);
    RevealArticle(view, 1705);
    const IndexRow* last = nullptr;
    for (int32_t i = 0; i < view->RowCount; ++i)
        if (view->Rows[i].Key == ArticleKey(1705)) last = &view->Rows[i];
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(last->Flags & kEntryShown);
    EXPECT_GT(view->MaxTopRow, 0) << "the scroll range takes in the rows shown";
}

}  // namespace
