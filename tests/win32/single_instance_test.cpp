// Only one reader runs: a second start hands over to the first and ends with
// 0, whether the first is in front or another program is.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/program_process.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_input.h"

namespace {

using SingleInstance = ReaderTest;

// The first opens its Choose Section dialog for the second, which waits for
// the user to close it.
TEST_F(SingleInstance, SecondStartWhileTheFirstIsInFrontOpensChooseSectionInTheFirstAndEnds) {
    WriteSettingDword(kValueLesson, 30);
    LaunchReader();
    SetForegroundWindow(Window());
    ASSERT_TRUE(WaitUntilHandled(Window()));
    ASSERT_EQ(GetForegroundWindow(), Window());

    ProgramProcess second;
    ASSERT_TRUE(second.Start());
    HWND dialog = WaitForProgramDialog(reader.ProcessId(), kChooseSectionCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FindProgramDialog(second.ProcessId(), kChooseSectionCaption), nullptr);
    EXPECT_FALSE(second.HasEnded()) << "the second start waits for the dialog";
    PressKey(dialog, VK_ESCAPE);   // the dialog has no buttons
    EXPECT_TRUE(WaitForDialogToClose(dialog));
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(CountMainWindows(), 1);

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), 30u) << "the second start wrote no settings";
}

TEST_F(SingleInstance, SecondStartWhileAnotherProgramIsInFrontBringsTheFirstToTheFront) {
    LaunchReader();
    HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 200, 200, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr),
                                 nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    ASSERT_EQ(GetForegroundWindow(), other);

    ProgramProcess second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(CountMainWindows(), 1);
    EXPECT_EQ(GetForegroundWindow(), Window());
    EXPECT_EQ(FindProgramDialog(reader.ProcessId(), kChooseSectionCaption), nullptr)
        << "nothing is opened when the first was not in front";

    DestroyWindow(other);
    CloseReader();
}

}  // namespace
