#include <gtest/gtest.h>

#include "settings/app_settings.h"

TEST(AppSettingsRecord, FlagsDefaultGivesRightScrollBar) {
    EXPECT_EQ(kDefaultFlags & kFlagsScrollBarMask, kFlagsScrollBarRight);
}
