// Moving between articles as a user does: arrow keys, the Go menu's commands,
// the toolbar's buttons and Ctrl+N, with wrap-around at both ends of the book.
// The article reached is the one the reader stores at exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "resources/resource_ids.h"
#include "store/record_loader.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/program_process.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/toolbar_buttons.h"
#include "tests/win32/support/window_input.h"

namespace {

using Navigation = ReaderTest;

TEST_F(Navigation, RightArrowOnTheLastArticleWrapsToTheFirst) {
    WriteSettingDword(kValueLesson, kArticleCount);
    WriteSettingDword(kValueLastPosition, 2);
    LaunchReader();
    ASSERT_EQ(TopLine(), 2);

    PressKey(Window(), VK_RIGHT);
    EXPECT_EQ(TopLine(), 0) << "an article reached by navigation opens at its first line";

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), 1u);
    EXPECT_EQ(ReadSettingDword(kValueLastPosition), 0u);
}

TEST_F(Navigation, LeftArrowOnTheFirstArticleWrapsToTheLast) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    PressKey(Window(), VK_LEFT);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), static_cast<DWORD>(kArticleCount));
}

// The Go menu, the toolbar's arrows and Ctrl+N each step one article.
TEST_F(Navigation, GoMenuToolbarAndCtrlNStepOneArticleEach) {
    WriteSettingDword(kValueLesson, 100);
    LaunchReader();
    SendCommand(Window(), IDM_NEXT_ARTICLE);
    SendCommand(Window(), IDM_NEXT_ARTICLE);
    SendCommand(Window(), IDM_NEXT_ARTICLE);
    SendCommand(Window(), IDM_PREVIOUS_ARTICLE);
    ASSERT_TRUE(WaitUntilHandled(Window()));   // 102

    HWND toolbar = ProgramToolbar(Window());
    ASSERT_NE(toolbar, nullptr);
    // Buttons from the left: Previous Article, Choose Article, Next Article.
    ASSERT_TRUE(ClickToolbarButton(toolbar, 2));
    ASSERT_TRUE(WaitUntilHandled(Window()));
    ASSERT_TRUE(ClickToolbarButton(toolbar, 2));
    ASSERT_TRUE(WaitUntilHandled(Window()));
    ASSERT_TRUE(ClickToolbarButton(toolbar, 0));
    ASSERT_TRUE(WaitUntilHandled(Window()));   // 103

    ASSERT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'N'}));
    ASSERT_TRUE(WaitUntilInputHandled(Window()));
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), 104u);
}

// A number that names no article (a damaged or foreign store) is taken as
// none stored, so the reader opens on the first article instead of failing at
// every start.
TEST_F(Navigation, StoredArticleBeyondTheBookOpensTheFirstArticle) {
    WriteSettingDword(kValueLesson, kArticleCount + 1);
    WriteSettingDword(kValueLastPosition, 4);
    LaunchReader();
    EXPECT_EQ(FindProgramDialog(reader.ProcessId(), L"Error"), nullptr);
    EXPECT_EQ(TopLine(), 0);

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), 1u);
    EXPECT_EQ(ReadSettingDword(kValueLastPosition), 0u);
}

TEST(AcceleratorTable, MapsEveryShortcutToItsCommand) {
    HMODULE program = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    HACCEL table = LoadAcceleratorsW(program, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[32];
    const int count = CopyAcceleratorTableW(table, entries, 32);

    std::map<std::pair<BYTE, WORD>, WORD> commandOf;
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT);
        commandOf[{static_cast<BYTE>(entries[i].fVirt & (FCONTROL | FALT | FSHIFT)), entries[i].key}] =
            entries[i].cmd;
    }
    const std::map<std::pair<BYTE, WORD>, WORD> expected{
        {{FCONTROL, 'F'}, IDM_FONT},         {{FALT, VK_F3}, IDM_SEARCH},
        {{0, VK_F3}, IDM_SEARCH_AGAIN},      {{FCONTROL, 'P'}, IDM_PRINT},
        {{FCONTROL, 'C'}, IDM_COPY},         {{FCONTROL, 'E'}, IDM_APPEND_TO_CLIPBOARD},
        {{FCONTROL, 'D'}, IDM_CHOOSE_ARTICLE}, {{FCONTROL, 'Q'}, IDM_EXIT},
        {{FCONTROL, 'N'}, IDM_NEXT_ARTICLE}, {{FCONTROL, 'W'}, IDM_SEARCH},
        {{FCONTROL, 'A'}, IDM_SEARCH_AGAIN}, {{FCONTROL, 'G'}, IDM_GO_TO_VERSE},
        {{FCONTROL | FSHIFT, 'C'}, IDM_COPY_VERSE}, {{FCONTROL, 'L'}, IDM_FIND_ALL},
    };
    EXPECT_EQ(count, static_cast<int>(expected.size()));
    EXPECT_EQ(commandOf, expected);
    DestroyAcceleratorTable(table);
    FreeLibrary(program);
}

}  // namespace
