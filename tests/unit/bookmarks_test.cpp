#include <gtest/gtest.h>

#include <vector>

#include "platform/allocation.h"
#include "settings/bookmarks.h"
#include "tests/unit/expect_message.h"
#include "tests/unit/settings_environment.h"

namespace {

class Bookmarks : public SettingsEnvironment {
protected:
    std::vector<uint16_t> List() const {
        std::vector<uint16_t> entries;
        if (!AppSettings.Bookmarks) return entries;
        for (int i = 0; i <= AppSettings.BookmarkCount; ++i) entries.push_back(AppSettings.Bookmarks[i]);
        return entries;
    }
    void Bookmark(uint16_t article) {
        AppSettings.Lesson = article;
        AddBookmark();
    }
    std::vector<uint8_t> Saved() {
        SaveBookmarks();
        return Store.Find(u"Bookmarks")->Data;
    }
};

}  // namespace

TEST_F(Bookmarks, AddingPutsTheArticleLastAndOnlyOnce) {
    Bookmark(40);
    Bookmark(7);
    Bookmark(40);
    EXPECT_EQ(List(), (std::vector<uint16_t>{40, 7, 0}));
    EXPECT_EQ(IsBookmarked(), 1);
    AppSettings.Lesson = 8;
    EXPECT_EQ(IsBookmarked(), 0);
}

TEST_F(Bookmarks, TogglingAnUnmarkedArticleAddsWithoutAsking) {
    AppSettings.Lesson = 12;
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(List(), (std::vector<uint16_t>{12, 0}));
    EXPECT_TRUE(Fakes.Messages.Shown.empty());
}

TEST_F(Bookmarks, AnsweringYesRemoves) {
    int window = 0;
    AppSettings.MainWindow = &window;
    Bookmark(3);
    Bookmark(9);
    Fakes.Messages.Answers = {kIdYes};
    ToggleBookmark(IsBookmarked());

    EXPECT_EQ(List(), (std::vector<uint16_t>{3, 0}));
    ASSERT_NO_FATAL_FAILURE(ExpectOnlyMessage(Fakes.Messages, &window,
                                              u"Remove Bookmark?\n\nCancel - Don't ask again",
                                              u"Bookmark", kMbYesNoCancel));
}

TEST_F(Bookmarks, AnsweringNoKeeps) {
    Bookmark(9);
    Fakes.Messages.Answers = {kIdNo, kIdNo};
    ToggleBookmark(IsBookmarked());
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(List(), (std::vector<uint16_t>{9, 0}));
    EXPECT_EQ(Fakes.Messages.Shown.size(), 2u);
}

TEST_F(Bookmarks, AnsweringCancelRemovesAndStopsAskingForTheRun) {
    Bookmark(5);
    Bookmark(6);
    Fakes.Messages.Answers = {kIdCancel};
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(List(), (std::vector<uint16_t>{5, 0}));

    AppSettings.Lesson = 5;
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(List(), (std::vector<uint16_t>{0}));
    EXPECT_EQ(Fakes.Messages.Shown.size(), 1u);
}

TEST_F(Bookmarks, QuestionIsAskedAgainAfterARestart) {
    AppSettings.BookmarkPromptFlags = kBookmarkDontAsk;
    Bookmark(5);
    SaveBookmarks();
    FreeBookmarks();
    ClearAppSettings();
    LoadBookmarks();
    AppSettings.Lesson = 5;
    Fakes.Messages.Answers = {kIdNo};
    ToggleBookmark(IsBookmarked());
    EXPECT_EQ(Fakes.Messages.Shown.size(), 1u);
}

TEST_F(Bookmarks, OneRemovalTakesOffAStoredDuplicate) {
    Store.PutBytes(u"Bookmarks", {4, 0, 8, 0, 4, 0, 0, 0});
    LoadBookmarks();
    EXPECT_EQ(AppSettings.BookmarkCount, 3);
    AppSettings.Lesson = 4;
    RemoveBookmark();
    EXPECT_EQ(List(), (std::vector<uint16_t>{8, 0}));
    EXPECT_EQ(IsBookmarked(), 0);
}

TEST_F(Bookmarks, StoredLittleEndianWithTheZeroEntry) {
    Bookmark(5);
    Bookmark(1705);
    EXPECT_EQ(Saved(), (std::vector<uint8_t>{5, 0, 0xA9, 0x06, 0, 0}));
}

TEST_F(Bookmarks, NoListOrAnEmptiedListIsStoredAsTwoZeroBytes) {
    EXPECT_EQ(Saved(), (std::vector<uint8_t>{0, 0}));
    Bookmark(5);
    RemoveBookmark();
    EXPECT_EQ(AppSettings.BookmarkCount, 0);
    EXPECT_EQ(Saved(), (std::vector<uint8_t>{0, 0}));
}

TEST_F(Bookmarks, ListSurvivesSaveAndLoad) {
    Bookmark(300);
    Bookmark(2);
    SaveBookmarks();
    FreeBookmarks();
    LoadBookmarks();
    EXPECT_EQ(List(), (std::vector<uint16_t>{300, 2, 0}));
}

TEST_F(Bookmarks, AllocationFailureLeavesTheListAlone) {
    Bookmark(1);
    AppSettings.Lesson = 2;
    FailAllocationAfter(0);
    AddBookmark();
    FailAllocationAfter(-1);
    EXPECT_EQ(List(), (std::vector<uint16_t>{1, 0}));
}

// Stored data comes from outside: every shape below becomes a well-formed list
// that keeps the stored article numbers.
TEST_F(Bookmarks, StoredValueOfOddSizeDropsTheHalfEntry) {
    Store.PutBytes(u"Bookmarks", {4, 0, 0, 0, 9});
    LoadBookmarks();
    EXPECT_EQ(List(), (std::vector<uint16_t>{4, 0}));
}

TEST_F(Bookmarks, StoredValueWithoutItsZeroEntryKeepsEveryNumber) {
    Store.PutBytes(u"Bookmarks", {4, 0, 9, 0});
    LoadBookmarks();
    EXPECT_EQ(List(), (std::vector<uint16_t>{4, 9, 0}));
    AppSettings.Lesson = 11;
    EXPECT_EQ(IsBookmarked(), 0);
    AddBookmark();
    EXPECT_EQ(List(), (std::vector<uint16_t>{4, 9, 11, 0}));
}

TEST_F(Bookmarks, StoredZeroInTheMiddleIsSkipped) {
    Store.PutBytes(u"Bookmarks", {4, 0, 0, 0, 9, 0, 0, 0});
    LoadBookmarks();
    EXPECT_EQ(List(), (std::vector<uint16_t>{4, 9, 0}));
    AppSettings.Lesson = 9;
    EXPECT_EQ(IsBookmarked(), 1);
}

TEST_F(Bookmarks, StoredValueOfNoneOrOneByteIsAnEmptyList) {
    for (std::vector<uint8_t> stored : {std::vector<uint8_t>{}, std::vector<uint8_t>{7}}) {
        Store.PutBytes(u"Bookmarks", stored);
        LoadBookmarks();
        EXPECT_EQ(List(), (std::vector<uint16_t>{0})) << stored.size();
        AppSettings.Lesson = 7;
        EXPECT_EQ(IsBookmarked(), 0);
        EXPECT_EQ(Saved(), (std::vector<uint8_t>{0, 0}));
    }
}

TEST_F(Bookmarks, HugeStoredValueIsCutToTheBookLength) {
    std::vector<uint8_t> stored;
    for (uint32_t i = 0; i < 70000; ++i) stored.insert(stored.end(), {uint8_t(i % 200 + 1), 0});
    Store.PutBytes(u"Bookmarks", stored);
    LoadBookmarks();
    EXPECT_EQ(AppSettings.BookmarkCount, kMaxBookmarks);
    EXPECT_EQ(AppSettings.Bookmarks[kMaxBookmarks], 0);
    EXPECT_EQ(Saved().size(), size_t(kMaxBookmarks) * 2 + 2);
}
