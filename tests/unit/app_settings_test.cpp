#include <gtest/gtest.h>

#include "settings/app_settings.h"

// Both the window's style and the scroll bar's updates ask this one question;
// the default flags ask for the bar on the right.
TEST(AppSettingsRecord, EitherScrollBarBitOfTheLowByteGivesAScrollBarAndTheDefaultIsRight) {
    EXPECT_FALSE(HasScrollBar(0x3F));
    EXPECT_TRUE(HasScrollBar(0x40));
    EXPECT_TRUE(HasScrollBar(0x80));
    EXPECT_TRUE(HasScrollBar(0xFF));
    EXPECT_FALSE(HasScrollBar(0xFFFFFF3F));
    EXPECT_TRUE(HasScrollBar(kDefaultFlags));
    EXPECT_EQ(kDefaultFlags & kFlagsScrollBarMask, kFlagsScrollBarRight);
}
