// The Go menu's Bookmark as a user works it: the check mark shows whether the
// article is bookmarked, a bookmarked article asks before it is taken off, and
// the list the reader stores at exit holds what the answers decided.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "settings/bookmarks.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_input.h"

namespace {

class Bookmarks : public ReaderTest {
protected:
    void LaunchOn(DWORD article, const std::vector<uint16_t>& bookmarks) {
        WriteSettingDword(kValueLesson, article);
        WriteBookmarks(bookmarks);
        LaunchReader();
    }

    // Picks Go > Bookmark and returns the question it opened, or null.
    HWND ChooseBookmark(DWORD waitForQuestionMs) {
        SendCommand(Window(), IDM_BOOKMARK);
        EXPECT_TRUE(WaitUntilHandled(Window()));
        return WaitForProgramDialog(reader.ProcessId(),
                                    AsWide(kBookmarkCaption),
                                    waitForQuestionMs);
    }

    void Answer(HWND question, int button) {
        ASSERT_NE(question, nullptr) << "the reader did not ask before taking the bookmark off";
        EXPECT_EQ(DialogMessageText(question),
                  std::wstring(AsWide(kRemoveBookmarkQuestion)));
        ASSERT_TRUE(PressDialogButton(question, button));
    }

    bool BookmarkChecked() { return IsChecked(IDM_BOOKMARK); }
};

TEST_F(Bookmarks, BookmarkAddsTheArticleAndChecksTheMenuItem) {
    LaunchOn(7, {});
    EXPECT_FALSE(BookmarkChecked());

    EXPECT_EQ(ChooseBookmark(0), nullptr) << "adding asks nothing";
    EXPECT_TRUE(BookmarkChecked());

    CloseReader();
    EXPECT_EQ(ReadBookmarks(), (std::vector<uint16_t>{7}));
}

TEST_F(Bookmarks, AnsweringYesTakesTheBookmarkOff) {
    LaunchOn(7, {3, 7});
    EXPECT_TRUE(BookmarkChecked());

    Answer(ChooseBookmark(5000), IDYES);
    EXPECT_FALSE(BookmarkChecked());

    CloseReader();
    EXPECT_EQ(ReadBookmarks(), (std::vector<uint16_t>{3}));
}

TEST_F(Bookmarks, AnsweringNoKeepsTheBookmark) {
    LaunchOn(7, {3, 7});

    Answer(ChooseBookmark(5000), IDNO);
    EXPECT_TRUE(BookmarkChecked());

    CloseReader();
    EXPECT_EQ(ReadBookmarks(), (std::vector<uint16_t>{3, 7}));
}

TEST_F(Bookmarks, AnsweringCancelTakesItOffAndStopsTheQuestionForTheRun) {
    LaunchOn(7, {6, 7});

    Answer(ChooseBookmark(5000), IDCANCEL);
    EXPECT_FALSE(BookmarkChecked());

    PressKey(Window(), VK_LEFT);
    EXPECT_TRUE(BookmarkChecked()) << "the check mark follows the article shown";
    EXPECT_EQ(ChooseBookmark(1000), nullptr) << "no second question in this run";
    EXPECT_FALSE(BookmarkChecked());

    CloseReader();
    EXPECT_EQ(ReadBookmarks(), (std::vector<uint16_t>{}));
    EXPECT_EQ(ReadSettingBinary(kValueBookmarks), (std::vector<uint8_t>{0, 0}));
}

TEST_F(Bookmarks, TheQuestionComesBackAfterARestart) {
    LaunchOn(7, {6, 7});
    Answer(ChooseBookmark(5000), IDCANCEL);
    CloseReader();

    WriteSettingDword(kValueLesson, 6);
    LaunchReader();
    Answer(ChooseBookmark(5000), IDNO);
    CloseReader();
    EXPECT_EQ(ReadBookmarks(), (std::vector<uint16_t>{6}));
}

}  // namespace
