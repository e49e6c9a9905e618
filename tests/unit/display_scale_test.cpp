#include <gtest/gtest.h>

#include "platform/display_scale.h"
#include "settings/app_settings.h"

namespace {

// The gutter and the toolbar's button at 100, 125, 150 and 200 %: the figures
// of 96 DPI unchanged there, the others rounded to the nearest pixel; the
// pictures at whole multiples only.
TEST(DisplayScale, DesignPixelsFollowTheDotsPerInchAndPicturesWholeMultiples) {
    const int32_t dpis[] = {96, 120, 144, 192};
    const int32_t gutters[] = {10, 13, 15, 20};
    const int32_t buttonWidths[] = {23, 29, 35, 46};
    const int32_t multiples[] = {1, 1, 1, 2};
    const int32_t toolbarPictures[] = {16, 16, 24, 32};
    const int32_t dialogPictureMultiples[] = {1, 1, 2, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ScaleForDpi(10, dpis[i]), gutters[i]) << dpis[i];
        EXPECT_EQ(ScaleForDpi(23, dpis[i]), buttonWidths[i]) << dpis[i];
        EXPECT_EQ(PictureMultipleForDpi(dpis[i]), multiples[i]) << dpis[i];
        EXPECT_EQ(8 * ToolbarPictureHalvesForDpi(dpis[i]), toolbarPictures[i]) << dpis[i];
        EXPECT_EQ(DialogPictureMultipleForDpi(dpis[i]), dialogPictureMultiples[i]) << dpis[i];
    }
    EXPECT_EQ(ScaleForDpi(-3, 144), -5);
    EXPECT_EQ(PictureMultipleForDpi(480), 2) << "no larger pictures are drawn";

    ClearAppSettings();
    AppSettings.SurroundingGutter = 10;
    EXPECT_EQ(ScreenGutter(), 10) << "before the window tells its dots per inch";
    AppSettings.ScreenDpi = 144;
    EXPECT_EQ(ScreenGutter(), 15);
    EXPECT_EQ(ScreenPicture(114, 1114), 114);
    AppSettings.ScreenDpi = 192;
    EXPECT_EQ(ScreenPicture(114, 1114), 1114);
    ClearAppSettings();
}

}  // namespace
