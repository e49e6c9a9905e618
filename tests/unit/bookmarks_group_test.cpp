#include <gtest/gtest.h>

#include <vector>

#include "platform/allocation.h"
#include "tests/unit/index_fixture.h"
#include "toc/bookmarks_group.h"
#include "toc/contents.h"

namespace {

std::vector<uint8_t> BufferBytes(const uint8_t* buffer) {
    const uint32_t length = ContentsLength32(buffer) + kEndEntryBytes;
    return std::vector<uint8_t>(buffer, buffer + length);
}

std::vector<uint8_t> Header() {
    return {0x77, 0x88, 0xC1, 0x01, 0x70, 0x6F, 0x6A, 0x72, 0x00};
}

std::vector<uint8_t> Joined(std::vector<uint8_t> first, const std::vector<uint8_t>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

using BookmarksGroup = IndexFixture;

TEST_F(BookmarksGroup, WithoutBookmarksTheContentsAreShownAsTheyAre) {
    uint8_t* contents = SmallBook().Owned();
    EXPECT_EQ(PrependBookmarksGroup(contents), contents);
    SetBookmarks({});
    EXPECT_EQ(PrependBookmarksGroup(contents), contents);
    ASSERT_EQ(LayoutIndex(view, contents, kReleasePrevious), kLayoutDone);
    EXPECT_EQ(RowText(0), "da") << "the first row is the first division";
}

TEST_F(BookmarksGroup, OneBookmarkGivesTheHeaderItsEntryThenTheWholeContents) {
    const ContentsBuilder book = SmallBook();
    SetBookmarks({3});
    uint8_t* shown = PrependBookmarksGroup(book.Owned());
    ASSERT_NE(shown, nullptr);
    std::vector<uint8_t> expected = Header();
    expected.insert(expected.end(), {0x03, 0x40, 0x81, 0x02, 'a', 'c', 0x00});
    std::vector<uint8_t> contents = book.Bytes();
    contents.resize(contents.size() - 5);
    expected = Joined(expected, contents);
    expected.insert(expected.end(), 5, 0);
    EXPECT_EQ(BufferBytes(shown), expected);
    PlainFree(shown);
}

TEST_F(BookmarksGroup, EntriesFollowTheListOrderAndABookmarkWithoutAnEntryAddsNothing) {
    const ContentsBuilder book = SmallBook();
    SetBookmarks({4, 999, 1});
    uint8_t* group = BuildBookmarksGroup(book.Bytes().data());
    ASSERT_NE(group, nullptr);
    std::vector<uint8_t> expected = Header();
    expected.insert(expected.end(), {0x04, 0x40, 0x81, 0x02, 'a', 'd', 0x00,
                                     0x01, 0x40, 0x81, 0x02, 'a', 'a', 0x00, 0, 0, 0, 0, 0});
    EXPECT_EQ(BufferBytes(group), expected);
    PlainFree(group);

    SetBookmarks({999});
    group = BuildBookmarksGroup(book.Bytes().data());
    EXPECT_EQ(BufferBytes(group), Joined(Header(), {0, 0, 0, 0, 0})) << "the header is still there";
    PlainFree(group);
}

TEST_F(BookmarksGroup, WithoutContentsTheGroupIsTheHeaderAlone) {
    SetBookmarks({1, 2});
    uint8_t* shown = PrependBookmarksGroup(nullptr);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(BufferBytes(shown), Joined(Header(), {0, 0, 0, 0, 0}));
    PlainFree(shown);
}

TEST_F(BookmarksGroup, WhenMemoryRunsOutTheContentsAreShownUnchanged) {
    SetBookmarks({1});
    uint8_t* contents = SmallBook().Owned();
    const std::vector<uint8_t> before = BufferBytes(contents);
    for (int successes = 0; successes < 4; ++successes) {
        FailAllocationAfter(successes);
        uint8_t* shown = PrependBookmarksGroup(contents);
        FailAllocationAfter(-1);
        if (shown != contents) {
            PlainFree(shown);
            contents = SmallBook().Owned();
            continue;
        }
        EXPECT_EQ(BufferBytes(shown), before) << successes;
    }
    PlainFree(contents);
}

TEST_F(BookmarksGroup, EntriesThatWouldPassTheRowOffsetsAreLeftOut) {
    // Contents that fill 65,468 bytes before their end entry, as large as the
    // record format allows, with three articles of 20-letter titles at the end.
    ContentsBuilder book;
    const std::string filler(250, 'a');
    uint16_t id = 0;
    while (book.Bytes().size() + 255 + 3 * 25 < 65468 - 5) book.Section(id++, 0x81, 1, filler);
    const std::string title(20, 'b');
    book.Article(1, 2, title).Article(2, 2, title).Article(3, 2, title);
    std::vector<uint8_t> bytes = book.Bytes();
    while (bytes.size() < 65468 + 5) {   // pad the first filler title
        bytes.insert(bytes.begin() + 4, 'a');
    }
    ASSERT_EQ(ContentsLength32(bytes.data()), 65468u);

    SetBookmarks({1, 2, 3});
    uint8_t* shown = PrependBookmarksGroup(ContentsBuilder::Copy(bytes));
    const uint32_t length = ContentsLength32(shown) + kEndEntryBytes;
    EXPECT_LE(length, kContentsOffsetLimit);
    // 68 bytes are left: the header (9) and two bookmarks (25 each).
    EXPECT_EQ(length, 65468u + 9 + 2 * 25 + 5);

    ASSERT_EQ(LayoutIndex(view, shown, kReleasePrevious), kLayoutDone);
    ASSERT_GT(view->RowCount, 0);
    const IndexRow& last = view->Rows[view->RowCount - 1];
    EXPECT_EQ(last.Key, ArticleKey(3));
    EXPECT_EQ(RowText(view->RowCount - 1).find_first_not_of('b'), std::string::npos)
        << "the last title is read where it lies";
}

TEST_F(BookmarksGroup, ContentsLengthCountsTheBytesBeforeTheEndEntry) {
    EXPECT_EQ(ContentsLength(SmallBook().Bytes().data()), 9 * 5 + 9 * 2);
    const std::vector<uint8_t> bytes = SmallBook().Bytes();
    EXPECT_EQ(EntryKey(bytes.data()), 0xBFFE) << "keys are little-endian";
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_EQ(bytes[1], 0xBF);
    EXPECT_TRUE(ContentsEndWithin(bytes.data(), bytes.size()));
    EXPECT_FALSE(ContentsEndWithin(bytes.data(), bytes.size() - 3));
    EXPECT_FALSE(ContentsEndWithin(bytes.data(), 7));
}

}  // namespace
