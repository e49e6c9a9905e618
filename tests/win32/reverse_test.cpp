// File > Reverse as a user sees it: the check mark, the mirrored drawing of
// the article, and the option stored for the next run.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"

namespace {

class Reverse : public ReaderTest {
protected:
    Capture AfterReverse() {
        SendCommand(Window(), IDM_REVERSE);
        EXPECT_TRUE(WaitUntilHandled(Window()));
        return CaptureClientArea(Window());
    }
};

TEST_F(Reverse, TwiceGivesBackTheDrawingTheCheckMarkAndTheStoredOption) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    EXPECT_FALSE(IsChecked(IDM_REVERSE));
    const Capture plain = CaptureClientArea(Window());

    const Capture mirrored = AfterReverse();
    EXPECT_TRUE(IsChecked(IDM_REVERSE));
    EXPECT_TRUE(mirrored.Pixels != plain.Pixels) << "the letters are drawn in the other order";

    const Capture again = AfterReverse();
    EXPECT_FALSE(IsChecked(IDM_REVERSE));
    EXPECT_TRUE(again.Pixels == plain.Pixels) << "the drawing is as it was";

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueFlags), kDefaultFlags);
}

TEST_F(Reverse, OnceIsStoredAndShownOnTheNextRun) {
    LaunchReader();
    AfterReverse();
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueFlags), kDefaultFlags | kFlagsReverse);

    LaunchReader();
    EXPECT_TRUE(IsChecked(IDM_REVERSE));
    CloseReader();
}

}  // namespace
