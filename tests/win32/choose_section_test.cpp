// The Choose Section dialog of the real reader: opened by Ctrl+D and by a
// second start, placed over the main window, answering Enter, Escape, clicks
// on its rows, keys and its scroll bar, and showing the book's divisions in
// Hebrew that text recognition reads.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "tests/win32/support/hebrew_ocr.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/index_list_model.h"
#include "tests/win32/support/ink_rows.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/toolbar_buttons.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"
#include "toc/contents.h"

namespace {

constexpr uint16_t kArticle = 30;

class ChooseSectionDialog : public ReaderTest {
protected:
    // Ctrl+D in the reader; the dialog once it has handled everything sent
    // to it so far.
    HWND OpenDialog() {
        EXPECT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'D'}));
        HWND dialog = WaitForProgramDialog(reader.ProcessId(), kChooseSectionCaption);
        EXPECT_NE(dialog, nullptr) << "no Choose Section dialog";
        if (dialog) EXPECT_TRUE(WaitUntilHandled(dialog));
        return dialog;
    }
    // Waits until the dialog has handled what was sent to it and painted.
    void WaitUntilPainted(HWND dialog) {
        for (int i = 0; i < 200 && DialogState(dialog).NeedsPaint; ++i) Sleep(10);
    }
    WindowState DialogState(HWND dialog) {
        WindowState state;
        EXPECT_TRUE(ProbeWindowState(dialog, 0, &state));
        return state;
    }
    // The lines of text the dialog shows, from its pixels (kept as
    // ocr/<test name>.bmp in the build tree, to look at).
    std::vector<InkRow> DialogRows(HWND dialog) {
        WaitUntilPainted(dialog);
        const Capture capture = CaptureClientArea(dialog);
        if (!BinaryDir().empty()) {
            CreateDirectoryW(WinePath(BinaryDir() + "/ocr").c_str(), nullptr);
            const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
            SaveCaptureAsBmp(capture, WinePath(BinaryDir() + "/ocr/" + name + ".bmp"));
        }
        // Unpointed letters have no marks apart from their bodies: one blank
        // pixel row parts two lines.
        return FindInkRows(capture, RECT{0, 0, capture.Width, capture.Height}, 1);
    }
    void Click(HWND dialog, IndexListModel& model, uint16_t key) {
        POINT point{};
        ASSERT_TRUE(model.PointOnRow(key, &point)) << std::hex << key << " is not on the list";
        ClickAt(dialog, point.x, point.y);
        HitTestIndex(model.View(), point.x, point.y);   // the model follows
    }
};

TEST_F(ChooseSectionDialog, CtrlDOpensItWithTheCurrentArticleRevealedInItsChapter) {
    WriteSettingDword(kValueLesson, kArticle);
    LaunchReader();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    wchar_t caption[64] = {};
    GetWindowTextW(dialog, caption, 64);
    EXPECT_STREQ(caption, L"Choose Section");
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), Window());

    IndexListModel model(dialog, kArticle);
    ASSERT_TRUE(model.Valid());
    const std::vector<uint16_t> keys = model.ShownKeys();
    ASSERT_EQ(keys.size(), 7u) << "four divisions, the book, the article and the next";
    EXPECT_EQ(keys[2], ArticleKey(kArticle));
    EXPECT_EQ(keys[3], ArticleKey(kArticle + 1));
    EXPECT_EQ(DialogRows(dialog).size(), 7u);
    EXPECT_EQ(DialogState(dialog).ScrollMax, model.View()->MaxTopRow);

    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    CloseReader();
}

TEST_F(ChooseSectionDialog, TheToolbarTheMenuAndCommand107OpenItToo) {
    LaunchReader();
    auto expectOpens = [&](const char* how, auto open) {
        open();
        HWND dialog = WaitForProgramDialog(reader.ProcessId(), kChooseSectionCaption);
        ASSERT_NE(dialog, nullptr) << how;
        PressKey(dialog, VK_ESCAPE);
        EXPECT_TRUE(WaitForDialogToClose(dialog)) << how;
    };
    expectOpens("toolbar button 2", [&] { EXPECT_TRUE(ClickToolbarButton(ProgramToolbar(Window()), 1)); });
    expectOpens("Choose Article and Index", [&] { SendCommand(Window(), 119); });
    expectOpens("command 107", [&] { SendCommand(Window(), 107); });
    CloseReader();
}

TEST_F(ChooseSectionDialog, EscapeAndEnterKeepTheArticleWithoutReloadingIt) {
    WriteSettingDword(kValueLesson, kArticle);
    WriteSettingDword(kValueLastPosition, 3);
    LaunchReader();
    ASSERT_EQ(TopLine(), 3);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    EXPECT_EQ(TopLine(), 3) << "Escape changed the article";
    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    PressKey(dialog, VK_RETURN);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    EXPECT_EQ(TopLine(), 3) << "the article was not laid out again";
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), kArticle);
    EXPECT_EQ(ReadSettingDword(kValueLastPosition), 3u);
}

TEST_F(ChooseSectionDialog, AClickOnAnArticleGoesThere) {
    WriteSettingDword(kValueLesson, kArticle);
    WriteSettingDword(kValueLastPosition, 2);
    LaunchReader();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    IndexListModel model(dialog, kArticle);
    Click(dialog, model, ArticleKey(kArticle + 1));
    EXPECT_TRUE(WaitForDialogToClose(dialog)) << "the dialog closes at once";
    EXPECT_EQ(TopLine(), 0);
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), kArticle + 1u);
}

TEST_F(ChooseSectionDialog, AClickOnADivisionOpensItAndTheScrollBarAndKeysFollow) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    IndexListModel model(dialog, 1);
    ASSERT_EQ(DialogState(dialog).ScrollMax, 0) << "seven rows fit";
    const uint16_t lastDivision = model.ShownKeys().back();
    ASSERT_TRUE(IsSectionKey(lastDivision));

    Click(dialog, model, lastDivision);
    ASSERT_TRUE(WaitUntilHandled(dialog));
    // The scroll bar came and took its width from the list: the list as it is
    // laid out now.
    IndexListModel opened(dialog, 1);
    ToggleSection(opened.View(), opened.RowWithKey(lastDivision));
    const int maxTopRow = opened.View()->MaxTopRow;
    ASSERT_GT(maxTopRow, 1) << "its books overflow the list";
    EXPECT_EQ(DialogState(dialog).ScrollMax, maxTopRow);
    const std::vector<InkRow> rows = DialogRows(dialog);
    EXPECT_EQ(rows.size(), size_t(opened.RowsOnPage()));
    // The first division's icon ends at the list's right edge, which the
    // scroll bar moved left: the pixels are those of the new layout.
    ASSERT_FALSE(rows.empty());
    EXPECT_NEAR(rows[0].Right, opened.View()->Left + opened.View()->Width, 1);

    PressKey(dialog, VK_NEXT);
    EXPECT_EQ(DialogState(dialog).ScrollPos, 1) << "Page Down moves one row";
    PressKey(dialog, VK_END);
    EXPECT_EQ(DialogState(dialog).ScrollPos, maxTopRow);
    PressKey(dialog, VK_UP);
    EXPECT_EQ(DialogState(dialog).ScrollPos, maxTopRow - 1);
    PressKey(dialog, VK_HOME);
    EXPECT_EQ(DialogState(dialog).ScrollPos, 0);
    ScrollBarRequest(dialog, SB_PAGEDOWN);
    EXPECT_EQ(DialogState(dialog).ScrollPos, std::min(opened.RowsOnPage(), maxTopRow))
        << "the bar's page area moves by the rows drawn";

    // So tall that the whole list fits: back to its top.
    RECT frame{};
    GetWindowRect(dialog, &frame);
    MoveWindow(dialog, frame.left, 0, frame.right - frame.left, 2000, TRUE);
    ASSERT_TRUE(WaitUntilHandled(dialog));
    WindowState tall = DialogState(dialog);
    ASSERT_EQ(tall.ScrollMax, 0) << "the whole list fits";
    EXPECT_EQ(tall.ScrollPos, 0);

    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    CloseReader();
}

TEST_F(ChooseSectionDialog, ItTakesThreeQuartersOfTheMainFrameAnEighthIn) {
    LaunchReader();
    MoveWindow(Window(), 60, 30, 720, 600, TRUE);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    RECT main{}, placed{};
    GetWindowRect(Window(), &main);
    GetWindowRect(dialog, &placed);
    const int gutter = kDefaultSurroundingGutter;
    const int frameWidth = (main.right - main.left) - 3 * gutter;
    const int frameHeight = (main.bottom - main.top) - 3 * gutter;
    EXPECT_EQ(placed.left, main.left + frameWidth / 8);
    EXPECT_EQ(placed.top, main.top + frameHeight / 8);
    EXPECT_EQ(placed.right - placed.left, frameWidth * 3 / 4);
    EXPECT_EQ(placed.bottom - placed.top, frameHeight * 3 / 4);
    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    CloseReader();
}

TEST_F(ChooseSectionDialog, ABookmarkedArticleShowsItsBookmarkAndLeavesItsChapterClosed) {
    WriteSettingDword(kValueLesson, kArticle);
    WriteBookmarks({kArticle});
    LaunchReader();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    IndexListModel model(dialog, kArticle, {kArticle});
    const std::vector<uint16_t> keys = model.ShownKeys();
    ASSERT_EQ(keys.size(), 6u) << "the heading, the bookmark and the four divisions";
    EXPECT_EQ(keys[0], kBookmarksGroupKey);
    EXPECT_EQ(keys[1], ArticleKey(kArticle));
    EXPECT_EQ(DialogRows(dialog).size(), 6u);

    Click(dialog, model, ArticleKey(kArticle));
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), kArticle);
}

// Closing the bookmarks group makes the list fit: the scroll bar goes (which
// resizes the client area), and the group stays closed through that and
// through the user's resizes.
TEST_F(ChooseSectionDialog, AClosedBookmarksGroupStaysClosedThroughResizes) {
    std::vector<uint16_t> bookmarks;
    for (uint16_t article = 2; article <= 41; ++article) bookmarks.push_back(article);
    WriteSettingDword(kValueLesson, 1);
    WriteBookmarks(bookmarks);
    LaunchReader();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_GT(DialogState(dialog).ScrollMax, 0) << "the open group overflows the list";
    IndexListModel model(dialog, 1, bookmarks);
    Click(dialog, model, kBookmarksGroupKey);
    ASSERT_TRUE(WaitUntilHandled(dialog));

    const auto expectClosed = [&](const char* after) {
        IndexListModel closed(dialog, 1, bookmarks);
        ToggleSection(closed.View(), closed.RowWithKey(kBookmarksGroupKey));
        EXPECT_EQ(DialogState(dialog).ScrollMax, closed.View()->MaxTopRow) << after;
        EXPECT_EQ(DialogRows(dialog).size(), size_t(closed.RowsOnPage())) << "the rows shown " << after;
    };
    expectClosed("after the click");
    EXPECT_EQ(DialogState(dialog).ScrollMax, 0) << "the list fits, the scroll bar went";
    RECT frame{};
    GetWindowRect(dialog, &frame);
    MoveWindow(dialog, frame.left, frame.top, frame.right - frame.left - 60, frame.bottom - frame.top + 40, TRUE);
    ASSERT_TRUE(WaitUntilHandled(dialog));
    expectClosed("after a resize");
    MoveWindow(dialog, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, TRUE);
    ASSERT_TRUE(WaitUntilHandled(dialog));
    expectClosed("after another");

    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    CloseReader();
}

TEST_F(ChooseSectionDialog, TextRecognitionReadsTheDivisionTitles) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    WaitUntilPainted(dialog);
    const Capture capture = CaptureClientArea(dialog);
    ASSERT_GT(capture.Width, 0);
    ASSERT_FALSE(BinaryDir().empty()) << "ORVENDEL_BINARY_DIR names the build tree";
    CreateDirectoryW(WinePath(BinaryDir() + "/ocr").c_str(), nullptr);
    const std::string image = BinaryDir() + "/ocr/choose_section.bmp";
    ASSERT_TRUE(SaveCaptureAsBmp(capture, WinePath(image)));
    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    CloseReader();

    std::string failure;
    const std::u16string read = RecogniseHebrew(image, kOcrSingleColumn, &failure);
    ASSERT_TRUE(failure.empty()) << failure;
    const std::vector<std::u16string> words = HebrewWords(read);
    int found = 0;
    for (const std::u16string& title : {u"תורה", u"נביאים", u"ראשונים", u"אחרונים", u"כתובים"})
        if (std::find(words.begin(), words.end(), title) != words.end()) ++found;
    EXPECT_GE(found, 4) << ToUtf8(read);
}

}  // namespace
