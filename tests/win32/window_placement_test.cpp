// Where the reader's window stands: the placement of the last run comes back
// and a moved window is stored where the user left it. (A maximized window
// cannot be tested here: under Xvfb with no window manager Wine takes a
// maximize back within about 50 ms.)
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"

namespace {

using WindowPlacement = ReaderTest;

void StorePlacement(const RECT& rect, DWORD showCommand) {
    WriteSettingDword(kValueLeft, rect.left);
    WriteSettingDword(kValueTop, rect.top);
    WriteSettingDword(kValueWidth, rect.right - rect.left);
    WriteSettingDword(kValueHeight, rect.bottom - rect.top);
    WriteSettingDword(kValueShowCmd, showCommand);
}

RECT StoredRect() {
    const LONG left = static_cast<LONG>(ReadSettingDword(kValueLeft).value_or(0));
    const LONG top = static_cast<LONG>(ReadSettingDword(kValueTop).value_or(0));
    return RECT{left, top, left + static_cast<LONG>(ReadSettingDword(kValueWidth).value_or(0)),
                top + static_cast<LONG>(ReadSettingDword(kValueHeight).value_or(0))};
}

void ExpectSameRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST_F(WindowPlacement, StoredPlacementComesBackAndIsStoredAgain) {
    const RECT stored{100, 80, 600, 480};
    StorePlacement(stored, SW_SHOWNORMAL);
    LaunchReader();

    RECT shown;
    GetWindowRect(Window(), &shown);
    ExpectSameRect(shown, stored);

    CloseReader();
    ExpectSameRect(StoredRect(), stored);
    EXPECT_EQ(ReadSettingDword(kValueShowCmd), static_cast<DWORD>(SW_SHOWNORMAL));
}

TEST_F(WindowPlacement, MovedWindowIsStoredWhereTheUserLeftIt) {
    LaunchReader();
    const RECT moved{150, 120, 750, 570};
    SetWindowPos(Window(), nullptr, moved.left, moved.top, moved.right - moved.left,
                 moved.bottom - moved.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntilHandled(Window()));

    CloseReader();
    ExpectSameRect(StoredRect(), moved);
}

TEST_F(WindowPlacement, NoStoredSizeLeavesTheSystemsDefaultPlace) {
    WriteSettingDword(kValueWidth, 0);
    WriteSettingDword(kValueHeight, 0);
    LaunchReader();
    RECT shown;
    GetWindowRect(Window(), &shown);
    EXPECT_GT(shown.right - shown.left, 0);
    EXPECT_GT(shown.bottom - shown.top, 0);
    CloseReader();
}

}  // namespace
