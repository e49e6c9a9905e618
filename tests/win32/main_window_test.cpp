// The reader's main window as a user starts, sees and ends it: the first
// article on a fresh machine, the article and position of the last run, the
// scroll bar chosen by the stored options, and the settings written at exit.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/standard_settings.h"
#include "tests/win32/support/window_input.h"

namespace {

using MainWindow = ReaderTest;

// On the very first run the reader may ask for a font before its message loop
// runs; a user who just wants to read closes that question.
void DismissFirstRunFontChoice(const ProgramProcess& reader) {
    // The probe is answered by whichever loop runs first, the dialog's or the
    // main one, so after it the dialog either exists or never comes.
    ASSERT_TRUE(WaitUntilHandled(reader.MainWindow()));
    if (HWND dialog = FindProgramDialog(reader.ProcessId(), kChooseFontCaption)) {
        EXPECT_TRUE(PressDialogButton(dialog, IDCANCEL));
    }
}

TEST_F(MainWindow, FreshStartShowsTheFirstArticleAtItsTopAndStoresTheDefaults) {
    ClearSettings();
    ASSERT_TRUE(reader.Start());
    ASSERT_TRUE(reader.WaitForMainWindow());
    DismissFirstRunFontChoice(reader);

    wchar_t title[64] = {};
    GetWindowTextW(Window(), title, 64);
    EXPECT_STREQ(title, L"Orvendel");
    const WindowState state = Observe();
    EXPECT_TRUE(state.HasScrollBarInfo);
    EXPECT_EQ(state.ScrollPos, 0);

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), 1u);
    EXPECT_EQ(ReadSettingDword(kValueLastPosition), 0u);
    EXPECT_EQ(ReadSettingDword(kValueFlags), kDefaultFlags);
    EXPECT_EQ(ReadSettingDword(kValueFontAsciiBase), 1488u);
}

TEST_F(MainWindow, StoredArticleAndPositionComeBack) {
    WriteSettingDword(kValueLesson, 5);
    WriteSettingDword(kValueLastPosition, 3);
    LaunchReader();

    EXPECT_EQ(TopLine(), 3);

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), 5u);
    EXPECT_EQ(ReadSettingDword(kValueLastPosition), 3u);
}

TEST_F(MainWindow, OptionBitsNothingTestsSurviveARun) {
    const DWORD flags = kDefaultFlags | 0x00001000 | 0x00000002;
    WriteSettingDword(kValueFlags, flags);
    LaunchReader();
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueFlags), flags);
}

struct ScrollBarPlacement {
    DWORD FlagsLowByte;
    bool HasScrollBar;
    bool OnTheLeft;
};

class MainWindowScrollBar : public ReaderTest,
                            public ::testing::WithParamInterface<ScrollBarPlacement> {};

TEST_P(MainWindowScrollBar, StoredOptionsChooseTheScrollBar) {
    const ScrollBarPlacement placement = GetParam();
    WriteSettingDword(kValueFlags, (kDefaultFlags & ~0xFFu) | placement.FlagsLowByte);
    LaunchReader();

    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(Window(), GWL_EXSTYLE);
    EXPECT_EQ((style & WS_VSCROLL) != 0, placement.HasScrollBar);
    EXPECT_EQ((exStyle & WS_EX_LEFTSCROLLBAR) != 0, placement.OnTheLeft);
    CloseReader();
}

INSTANTIATE_TEST_SUITE_P(FlagsLowByte, MainWindowScrollBar,
                         ::testing::Values(ScrollBarPlacement{0x3F, false, false},
                                           ScrollBarPlacement{0x40, true, false},
                                           ScrollBarPlacement{0x80, true, true}));

TEST_F(MainWindow, ExitWritesEverySetting) {
    const std::vector<uint8_t> pattern{'a', 'b', 'c', 0};
    WriteSettingBinary(kValueSearchString, pattern);
    WriteSettingDword(kValueLesson, 12);
    LaunchReader();
    PressKey(Window(), VK_DOWN);
    ASSERT_TRUE(WaitUntilHandled(Window()));

    reader.Exit();
    ASSERT_EQ(reader.WaitForExit(), 0u);
    EXPECT_EQ(ReadSettingString(kValueFontName), std::wstring(kStandardFontName));
    EXPECT_EQ(ReadSettingDword(kValueFontSize), kStandardFontSize);
    EXPECT_EQ(ReadSettingDword(kValueFontAsciiBase), 1488u);
    EXPECT_EQ(ReadSettingDword(kValueLastPosition), 1u);
    EXPECT_EQ(ReadSettingDword(kValueFlags), kDefaultFlags);
    EXPECT_EQ(ReadSettingDword(kValueLesson), 12u);
    EXPECT_EQ(ReadSettingBinary(kValueSearchString), pattern);
    EXPECT_EQ(ReadSettingBinary(kValueBookmarks), (std::vector<uint8_t>{0, 0}));
    for (const char16_t* placement : {kValueTop, kValueLeft, kValueWidth, kValueHeight, kValueShowCmd}) {
        EXPECT_TRUE(ReadSettingDword(placement).has_value());
    }
}

TEST_F(MainWindow, CtrlQEndsTheReaderAndKeepsItsSettings) {
    WriteSettingDword(kValueLesson, 9);
    LaunchReader();
    ASSERT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'Q'}));
    ASSERT_EQ(reader.WaitForExit(), 0u);
    EXPECT_EQ(ReadSettingDword(kValueLesson), 9u);
    EXPECT_EQ(ReadSettingDword(kValueFlags), kDefaultFlags);
}

}  // namespace
