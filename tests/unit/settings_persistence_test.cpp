#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_persistence.h"
#include "settings/settings_values.h"
#include "store/navigation.h"
#include "store/shut_down.h"
#include "tests/fakes/changed_settings.h"
#include "tests/unit/settings_environment.h"

namespace {

class SettingsPersistence : public SettingsEnvironment {};

std::u16string FontName() { return AppSettings.Font.FontName; }
std::string SearchString() { return reinterpret_cast<const char*>(AppSettings.SearchString); }

}  // namespace

TEST_F(SettingsPersistence, FreshStoreGivesTheDefaults) {
    LoadSettings();
    SetCurrentArticle(0);

    EXPECT_EQ(AppSettings.Lesson, 1);
    EXPECT_EQ(AppSettings.LastPosition, 0);
    EXPECT_EQ(AppSettings.Font.FontAsciiBase, 1488);
    EXPECT_EQ(AppSettings.Font.FontSize, 0);
    EXPECT_EQ(FontName(), u"");   // the Choose Font dialog comes up on first show
    EXPECT_EQ(SearchString(), "");
    EXPECT_EQ(AppSettings.Flags, 0xD1140040u);
    EXPECT_EQ(AppSettings.Bookmarks, nullptr);
    EXPECT_EQ(AppSettings.BookmarkCount, 0);
    EXPECT_EQ(ReadSurroundingGutter(), 10);
    EXPECT_EQ(Fakes.Shell.GlyphLoads, 1);
}

TEST_F(SettingsPersistence, StoredValuesAreRead) {
    Store.PutString(u"FontName", u"David CLM");
    Store.PutBytes(u"SearchString", {'a', 'b', 'c', 0});
    Store.PutDword(u"FontSize", 14);
    Store.PutDword(u"FontAsciiBase", 224);
    Store.PutDword(u"LastPosition", 12);
    Store.PutDword(u"Flags", 0x80);
    Store.PutDword(u"Lesson", 1705);
    Store.PutBytes(u"Bookmarks", {7, 0, 0xA9, 0x06, 0, 0});
    Store.PutDword(u"SurroundingGutter", 0, kMakerKey);
    LoadSettings();

    EXPECT_EQ(FontName(), u"David CLM");
    EXPECT_EQ(SearchString(), "abc");
    EXPECT_EQ(AppSettings.Font.FontSize, 14);
    EXPECT_EQ(AppSettings.Font.FontAsciiBase, 224);
    EXPECT_EQ(AppSettings.LastPosition, 12);
    EXPECT_EQ(AppSettings.Flags, 0x80u);
    EXPECT_EQ(AppSettings.Lesson, 1705);
    ASSERT_EQ(AppSettings.BookmarkCount, 2);
    EXPECT_EQ(AppSettings.Bookmarks[1], 1705);
    EXPECT_EQ(ReadSurroundingGutter(), 0);
}

TEST_F(SettingsPersistence, PositionsKeepTheirLowSixteenBits) {
    Store.PutDword(u"Lesson", 0x10000 + 25);
    Store.PutDword(u"LastPosition", 0x12345);
    LoadSettings();
    EXPECT_EQ(AppSettings.Lesson, 25);
    EXPECT_EQ(AppSettings.LastPosition, 0x2345);
}

TEST_F(SettingsPersistence, LessonStoredAsTextFollowsTheDecimalRule) {
    Store.PutString(u"Lesson", u"2x");
    LoadSettings();
    EXPECT_EQ(AppSettings.Lesson, 92);
}

TEST_F(SettingsPersistence, LessonThatNamesNoArticleStartsAtTheFirst) {
    for (uint32_t stored : {1706u, 0xFFFFu, 0x10000u + 2000u}) {
        ClearAppSettings();
        Store.PutDword(u"Lesson", stored);
        Store.PutDword(u"LastPosition", 40);
        LoadSettings();
        SetCurrentArticle(0);
        EXPECT_EQ(AppSettings.Lesson, 1) << stored;
        EXPECT_EQ(AppSettings.LastPosition, 0) << stored;
        FreeBookmarks();
    }
}

TEST_F(SettingsPersistence, LongOrUnterminatedFontNameIsCutTo31Characters) {
    Store.PutString(u"FontName", std::u16string(40, u'F'));
    LoadSettings();
    EXPECT_EQ(FontName(), std::u16string(31, u'F'));

    ClearAppSettings();
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 35; ++i) bytes.insert(bytes.end(), {'G', 0});
    bytes.push_back('H');   // odd size, no terminator
    Store.PutBytes(u"FontName", bytes);
    LoadSettings();
    EXPECT_EQ(FontName(), std::u16string(31, u'G'));
}

TEST_F(SettingsPersistence, LongOrUnterminatedSearchStringIsCutTo33Bytes) {
    Store.PutBytes(u"SearchString", std::vector<uint8_t>(50, 'k'));
    LoadSettings();
    EXPECT_EQ(SearchString(), std::string(33, 'k'));
}

TEST_F(SettingsPersistence, ImpossibleFontSizeIsTakenAsNoneChosen) {
    Store.PutDword(u"FontSize", 0xFFFFFFF6);   // -10
    LoadSettings();
    EXPECT_EQ(AppSettings.Font.FontSize, 0);
    ClearAppSettings();
    Store.PutDword(u"FontSize", 100);   // unusual but possible
    LoadSettings();
    EXPECT_EQ(AppSettings.Font.FontSize, 100);
}

TEST_F(SettingsPersistence, ShutdownWritesOnlyWhatIsSet) {
    LoadSettings();
    SaveAndQuit();

    EXPECT_FALSE(Store.Has(u"SearchString"));
    EXPECT_FALSE(Store.Has(u"FontName"));
    EXPECT_FALSE(Store.Has(u"FontSize"));
    EXPECT_FALSE(Store.Has(u"LastPosition"));   // there is no view
    EXPECT_FALSE(Store.Has(u"Lesson"));
    EXPECT_EQ(Store.Dword(u"FontAsciiBase"), 1488u);
    EXPECT_EQ(Store.Dword(u"Flags"), 0xD1140040u);
    EXPECT_EQ(Store.Find(u"Bookmarks")->Data, (std::vector<uint8_t>{0, 0}));
    EXPECT_FALSE(Store.Has(u"SurroundingGutter", kMakerKey));
}

TEST_F(SettingsPersistence, EmptiedValuesKeepWhatWasStored) {
    Store.PutString(u"FontName", u"Miriam CLM");
    Store.PutBytes(u"SearchString", {'s', 0});
    Store.PutDword(u"FontSize", 16);
    Store.PutDword(u"Lesson", 30);
    LoadSettings();
    AppSettings.Font.FontName[0] = 0;
    AppSettings.SearchString[0] = 0;
    AppSettings.Font.FontSize = 0;
    AppSettings.Lesson = 0;
    SaveAndQuit();

    EXPECT_EQ(Store.Find(u"FontName")->Data.size(), 22u);
    EXPECT_EQ(Store.Find(u"SearchString")->Data, (std::vector<uint8_t>{'s', 0}));
    EXPECT_EQ(Store.Dword(u"FontSize"), 16u);
    EXPECT_EQ(Store.Dword(u"Lesson"), 30u);
}

TEST_F(SettingsPersistence, ChangedValuesSurviveARestart) {
    LoadSettings();
    const std::u16string face = u"Frank Ruehl CLM";
    ApplyChangedSettings({face, 18, 97, 0xD1140840, 1234, "a?b*"});
    AddBookmark();
    SaveAndQuit();

    ClearAppSettings();
    LoadSettings();
    EXPECT_EQ(FontName(), face);
    EXPECT_EQ(AppSettings.Font.FontSize, 18);
    EXPECT_EQ(AppSettings.Font.FontAsciiBase, 97);
    EXPECT_EQ(AppSettings.Flags, 0xD1140840u);
    EXPECT_EQ(AppSettings.Lesson, 1234);
    EXPECT_EQ(SearchString(), "a?b*");
    EXPECT_EQ(IsBookmarked(), 1);
}

TEST_F(SettingsPersistence, ShutdownReleasesEverythingAndQuitsWithZero) {
    Store.PutBytes(u"Bookmarks", {3, 0, 0, 0});
    LoadSettings();
    SaveAndQuit();
    EXPECT_EQ(Fakes.Shell.GlyphDeletes, 1);
    EXPECT_EQ(Fakes.Shell.Quits, std::vector<int32_t>{0});
    EXPECT_EQ(AppSettings.Bookmarks, nullptr);
    EXPECT_EQ(AppSettings.View, nullptr);
}

TEST_F(SettingsPersistence, ShutdownBeforeTheSettingsWereReadWritesNothing) {
    Store.PutBytes(u"Bookmarks", {3, 0, 0, 0});
    Store.PutDword(u"Flags", 0x40);
    SaveAndQuit();   // out of memory during start-up
    EXPECT_EQ(Store.Writes, 0);
    EXPECT_EQ(Fakes.Shell.Quits, std::vector<int32_t>{0});
}

TEST_F(SettingsPersistence, SecondShutdownDoesNotOverwriteTheFirst) {
    Store.PutBytes(u"Bookmarks", {3, 0, 0, 0});
    LoadSettings();
    SaveAndQuit();
    int writes = Store.Writes;
    SaveAndQuit();   // an allocation failure after the first
    EXPECT_EQ(Store.Writes, writes);
    EXPECT_EQ(Store.Find(u"Bookmarks")->Data, (std::vector<uint8_t>{3, 0, 0, 0}));
}

TEST_F(SettingsPersistence, UnterminatedFieldsAreWrittenWithinTheirSize) {
    LoadSettings();
    std::fill(std::begin(AppSettings.SearchString), std::end(AppSettings.SearchString), 'z');
    std::fill(std::begin(AppSettings.Font.FontName), std::end(AppSettings.Font.FontName), u'W');
    SaveAndQuit();
    EXPECT_EQ(Store.Find(u"SearchString")->Data.size(), 34u);
    EXPECT_EQ(Store.Find(u"FontName")->Data.size(), 64u);
}
