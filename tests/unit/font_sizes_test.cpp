// The size list of the Choose Font dialog: the choices in order, with a
// stored size that is not among them listed once in its place.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/font_sizes.h"

namespace {

std::vector<int32_t> SizeList(int32_t stored) {
    int32_t sizes[kSizeListCapacity];
    const int32_t count = ListFontSizes(stored, sizes);
    return std::vector<int32_t>(sizes, sizes + count);
}

const std::vector<int32_t> kChoices{10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72};

TEST(FontSizes, NoStoredSizeListsTheChoicesWith52Not48) {
    EXPECT_EQ(SizeList(0), kChoices);
}

TEST(FontSizes, StoredSizeAmongTheChoicesAddsNothing) {
    EXPECT_EQ(SizeList(14), kChoices);
    EXPECT_EQ(SizeList(10), kChoices);
    EXPECT_EQ(SizeList(72), kChoices);
}

TEST(FontSizes, StoredSizeBetweenChoicesIsListedOnceInItsPlace) {
    EXPECT_EQ(SizeList(15), (std::vector<int32_t>{10, 11, 12, 14, 15, 16, 18, 20, 22, 24, 26, 28,
                                                  32, 52, 72}));
    EXPECT_EQ(SizeList(48), (std::vector<int32_t>{10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32,
                                                  48, 52, 72}));
}

TEST(FontSizes, StoredSizeBelowTheFirstChoiceComesFirst) {
    EXPECT_EQ(SizeList(8).front(), 8);
    EXPECT_EQ(SizeList(8).size(), kChoices.size() + 1);
    EXPECT_EQ(SizeList(-3).front(), -3);
}

TEST(FontSizes, StoredSizeAboveTheLastChoiceIsNotAdded) {
    EXPECT_EQ(SizeList(100), kChoices);
    EXPECT_EQ(SizeList(73), kChoices);
}

}  // namespace
