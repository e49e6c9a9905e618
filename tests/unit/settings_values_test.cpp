#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/allocation.h"
#include "settings/settings_values.h"
#include "tests/unit/settings_environment.h"

namespace {

std::vector<uint8_t> Utf16Bytes(const std::u16string& text) {
    std::vector<uint8_t> bytes;
    for (char16_t unit : text) {
        bytes.push_back(uint8_t(unit));
        bytes.push_back(uint8_t(unit >> 8));
    }
    return bytes;
}

class SettingsValues : public SettingsEnvironment {};

}  // namespace

TEST_F(SettingsValues, DwordValueGivesItsNumber) {
    Store.PutDword(u"FontSize", 0xD1140040);
    EXPECT_EQ(ReadDword(u"FontSize", 7), 0xD1140040u);
}

TEST_F(SettingsValues, MissingValueOrKeyGivesTheDefault) {
    EXPECT_EQ(ReadDword(u"FontSize", 7), 7u);
    EXPECT_EQ(ReadDwordFrom(u"software\\Nobody", u"FontSize", 9), 9u);
    Ports.Store = nullptr;
    EXPECT_EQ(ReadDword(u"FontSize", 11), 11u);
    EXPECT_EQ(WriteDword(u"FontSize", 1), 0);
}

TEST_F(SettingsValues, TextIsReadAsDecimalDigits) {
    Store.PutString(u"Lesson", u"25");
    EXPECT_EQ(ReadDword(u"Lesson", 0), 25u);
}

TEST_F(SettingsValues, NonDigitsCountByTheirCode) {
    Store.PutString(u"Lesson", u"2x");   // 2 * 10 + 120 - 48
    EXPECT_EQ(ReadDword(u"Lesson", 0), 92u);
}

TEST_F(SettingsValues, DecimalRuleStopsAtNulOrAtTheEndOfTheData) {
    Store.PutBytes(u"Lesson", {'1', 0, '2', 0, 0, 0, '9', 0});
    EXPECT_EQ(ReadDword(u"Lesson", 0), 12u);
    Store.PutBytes(u"Lesson", Utf16Bytes(u"345"));   // no NUL at all
    EXPECT_EQ(ReadDword(u"Lesson", 0), 345u);
    Store.PutBytes(u"Lesson", {'4', 0, '7'});   // the odd last byte is no character
    EXPECT_EQ(ReadDword(u"Lesson", 0), 4u);
}

TEST_F(SettingsValues, EmptyTextReadsAsZero) {
    Store.PutString(u"Flags", u"");
    EXPECT_EQ(ReadDword(u"Flags", 5), 0u);
}

TEST_F(SettingsValues, ValueTooShortForItsTypeGivesTheDefault) {
    Store.PutBytes(u"Flags", {0x31});   // one byte: not even one character
    EXPECT_EQ(ReadDword(u"Flags", 0xD1140040), 0xD1140040u);
    Store.Values[{u"software\\kestrane\\orvendel", u"Flags"}] = {kValueDword, {1, 2}};
    EXPECT_EQ(ReadDword(u"Flags", 0xD1140040), 0xD1140040u);
}

TEST_F(SettingsValues, DwordFromAnotherKey) {
    Store.PutDword(u"SurroundingGutter", 0, kMakerKey);
    EXPECT_EQ(ReadDwordFrom(kMakerKey, u"SurroundingGutter", 10), 0u);
    EXPECT_EQ(ReadDword(u"SurroundingGutter", 10), 10u);   // not on the program key
}

TEST_F(SettingsValues, StringIsAlwaysTerminated) {
    Store.PutBytes(u"FontName", Utf16Bytes(u"David"));   // no NUL stored
    char16_t* text = ReadString(u"FontName");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::u16string(text), u"David");
    PlainFree(text);
    EXPECT_EQ(ReadString(u"Missing"), nullptr);
}

TEST_F(SettingsValues, BytesKeepTheirSizeOrGiveTheDefault) {
    Store.PutBytes(u"DevMode", {1, 2, 3});
    size_t size = 0;
    uint8_t* bytes = ReadBytes(u"DevMode", &size);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(bytes[2], 3);
    PlainFree(bytes);

    uint8_t fallback = 0;
    size = 99;
    EXPECT_EQ(ReadBytesOr(u"Missing", &fallback, &size), &fallback);
    EXPECT_EQ(size, 99u);
}

TEST_F(SettingsValues, ByteStringStopsAtNulEndOfDataOrCapacity) {
    uint8_t buffer[8] = "old";
    Store.PutBytes(u"SearchString", {'a', 'b', 0, 'c'});
    ReadByteString(u"SearchString", buffer, sizeof buffer);
    EXPECT_STREQ(reinterpret_cast<char*>(buffer), "ab");

    Store.PutBytes(u"SearchString", {'x', 'y', 'z'});   // no NUL stored
    ReadByteString(u"SearchString", buffer, sizeof buffer);
    EXPECT_STREQ(reinterpret_cast<char*>(buffer), "xyz");

    Store.PutBytes(u"SearchString", std::vector<uint8_t>(20, 'q'));
    ReadByteString(u"SearchString", buffer, sizeof buffer);
    EXPECT_STREQ(reinterpret_cast<char*>(buffer), "qqqqqqq");
}

TEST_F(SettingsValues, EmptyOrMissingByteStringLeavesTheBuffer) {
    uint8_t buffer[8] = "old";
    Store.PutBytes(u"SearchString", {0, 'a'});
    ReadByteString(u"SearchString", buffer, sizeof buffer);
    Store.PutBytes(u"Empty", {});
    ReadByteString(u"Empty", buffer, sizeof buffer);
    ReadByteString(u"Missing", buffer, sizeof buffer);
    EXPECT_STREQ(reinterpret_cast<char*>(buffer), "old");
}

TEST_F(SettingsValues, WritesStoreTypesAndSizesWithTheirNul) {
    EXPECT_EQ(WriteDword(u"FontSize", 0x01020304), 1);
    EXPECT_EQ(WriteString(u"FontName", u"Ab"), 1);
    const uint8_t search[] = "ab";
    EXPECT_EQ(WriteByteString(u"SearchString", search), 1);
    EXPECT_EQ(WriteBytes(u"Bookmarks", "\x05\x00", 2), 1);

    EXPECT_EQ(Store.Find(u"FontSize")->Type, kValueDword);
    EXPECT_EQ(Store.Find(u"FontSize")->Data, (std::vector<uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(Store.Find(u"FontName")->Type, kValueString);
    EXPECT_EQ(Store.Find(u"FontName")->Data, (std::vector<uint8_t>{'A', 0, 'b', 0, 0, 0}));
    EXPECT_EQ(Store.Find(u"SearchString")->Type, kValueBinary);
    EXPECT_EQ(Store.Find(u"SearchString")->Data, (std::vector<uint8_t>{'a', 'b', 0}));
    EXPECT_EQ(Store.Find(u"Bookmarks")->Data, (std::vector<uint8_t>{5, 0}));
}

TEST_F(SettingsValues, FailedWriteReportsZero) {
    Store.FailWrites = true;
    EXPECT_EQ(WriteDword(u"Flags", 1), 0);
    EXPECT_EQ(WriteString(u"FontName", u"x"), 0);
}
