#include <gtest/gtest.h>

#include <string>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "view/letter_codes.h"

namespace {
class LetterCodes : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
        saved_ = SharedConversion;
        SharedConversion = ConversionBuffer{};
    }
    void TearDown() override {
        FailAllocationAfter(-1);
        PlainFree(SharedConversion.Units);
        SharedConversion = saved_;
        ClearAppSettings();
    }

    std::u16string Convert(const std::string& bytes, int32_t count) {
        const char16_t* units =
            LettersToDisplay(reinterpret_cast<const uint8_t*>(bytes.c_str()), count, &SharedConversion);
        return units ? std::u16string(units) : u"<none>";
    }
    std::u16string Convert(const std::string& bytes) { return Convert(bytes, int32_t(bytes.size())); }

private:
    ConversionBuffer saved_{};
};
}  // namespace

TEST_F(LetterCodes, LatinBaseMapsLettersToThemselves) {
    AppSettings.Font.FontAsciiBase = kLatinBase;
    EXPECT_EQ(Convert("abz{"), u"abz{");
}

TEST_F(LetterCodes, Windows1255BasePutsLettersInTheUpperHalf) {
    AppSettings.Font.FontAsciiBase = kWindows1255Base;
    EXPECT_EQ(Convert("ab{"), std::u16string({char16_t(0xE0), char16_t(0xE1), char16_t(0xFA)}));
}

TEST_F(LetterCodes, UnicodeBasePutsLettersInTheHebrewBlock) {
    EXPECT_EQ(Convert("a{"), std::u16string({char16_t(0x05D0), char16_t(0x05EA)}));
}

TEST_F(LetterCodes, AnyOtherBaseCountsFromIt) {
    AppSettings.Font.FontAsciiBase = 0x3000;
    EXPECT_EQ(Convert("ac"), std::u16string({char16_t(0x3000), char16_t(0x3002)}));
}

TEST_F(LetterCodes, TildeBecomesOpeningBraceWhateverTheBase) {
    EXPECT_EQ(Convert("~"), u"{");
    AppSettings.Font.FontAsciiBase = kLatinBase;
    EXPECT_EQ(Convert("~"), u"{");
}

TEST_F(LetterCodes, BarAndClosingBraceAreNotLetters) {
    EXPECT_EQ(Convert("|}"), u"|}");
}

TEST_F(LetterCodes, OtherBytesKeepTheirNumber) {
    EXPECT_EQ(Convert("1- .\xC7\xCE"), std::u16string({u'1', u'-', u' ', u'.', char16_t(0xC7), char16_t(0xCE)}));
}

TEST_F(LetterCodes, ReverseMirrorsBracketsSoThePairStillOpensFirst) {
    AppSettings.Flags = kFlagsReverse;
    EXPECT_EQ(Convert("(ab)"), std::u16string({u'(', char16_t(0x05D1), char16_t(0x05D0), u')'}));
    EXPECT_EQ(Convert("[~"), u"}]");
}

TEST_F(LetterCodes, ReverseHasNoEffectWithLatinBase) {
    AppSettings.Font.FontAsciiBase = kLatinBase;
    AppSettings.Flags = kFlagsReverse;
    EXPECT_EQ(Convert("(ab"), u"(ab");
}

TEST_F(LetterCodes, CountLimitsTheRun) {
    EXPECT_EQ(Convert("abc", 2), std::u16string({char16_t(0x05D0), char16_t(0x05D1)}));
}

TEST_F(LetterCodes, CountZeroGivesEmptyStringAndNeverReverses) {
    AppSettings.Flags = kFlagsReverse;
    EXPECT_EQ(Convert("ab", 0), u"");
}

TEST_F(LetterCodes, RunEndingInNulBeforeCountReversesOnlyWhatWasConverted) {
    AppSettings.Flags = kFlagsReverse;
    // Three bytes and the terminator, asked for eight: the terminator stays at
    // the end and no unconverted unit is moved into the string.
    const uint8_t bytes[] = {'a', 'b', '(', 0, 'x', 'x', 'x', 'x'};
    const char16_t* units = LettersToDisplay(bytes, 8, &SharedConversion);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(std::u16string(units), std::u16string({u')', char16_t(0x05D1), char16_t(0x05D0)}));
}

TEST_F(LetterCodes, BufferGrowsToTheLargestCountAndIsReused) {
    Convert("abcdef");
    EXPECT_EQ(SharedConversion.Capacity, 6);
    const char16_t* grown = SharedConversion.Units;
    Convert("ab");
    EXPECT_EQ(SharedConversion.Units, grown);
    EXPECT_EQ(SharedConversion.Capacity, 6);
    Convert("abcdefghij");
    EXPECT_EQ(SharedConversion.Capacity, 10);
}

TEST_F(LetterCodes, WithoutBufferTheCallerOwnsTheResult) {
    const uint8_t bytes[] = {'a', 'b'};
    char16_t* units = LettersToDisplay(bytes, 2, nullptr);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(std::u16string(units), std::u16string({char16_t(0x05D0), char16_t(0x05D1)}));
    EXPECT_EQ(SharedConversion.Units, nullptr);
    PlainFree(units);
}

TEST_F(LetterCodes, FailedGrowthLeavesNoArrayButRecordsTheCapacity) {
    Convert("ab");
    FailAllocationAfter(0);
    EXPECT_EQ(Convert("abcdef"), u"<none>");
    EXPECT_EQ(SharedConversion.Units, nullptr);
    EXPECT_EQ(SharedConversion.Capacity, 6);
    // The next conversion allocates again.
    EXPECT_EQ(Convert("ab"), std::u16string({char16_t(0x05D0), char16_t(0x05D1)}));
}

TEST_F(LetterCodes, FailedScratchLeavesTheRunInReadingOrder) {
    AppSettings.Flags = kFlagsReverse;
    Convert("abc");              // the array exists, so only the scratch is allocated
    FailAllocationAfter(0);
    EXPECT_EQ(Convert("ab("), std::u16string({char16_t(0x05D0), char16_t(0x05D1), u'('}));
}

TEST(MirrorReverse, ReversesAndMirrorsEveryBracket) {
    std::u16string units = u"a(b)[c]{d}";
    EXPECT_EQ(MirrorReverse(units.data(), int32_t(units.size())), 0);
    EXPECT_EQ(units, u"{d}[c](b)a");
}

TEST(MirrorReverse, ReportsFailedScratchAndLeavesUnitsAlone) {
    std::u16string units = u"ab(";
    FailAllocationAfter(0);
    EXPECT_EQ(MirrorReverse(units.data(), 3), 1);
    FailAllocationAfter(-1);
    EXPECT_EQ(units, u"ab(");
}
