// The settings against the real registry: every value read at start-up,
// changed, written at shutdown and read back, through the registry store.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "settings/bookmarks.h"
#include "platform/ports.h"
#include "platform/win32/wide_text.h"
#include "settings/settings_persistence.h"
#include "settings/settings_values.h"
#include "settings/win32/registry_settings_store.h"
#include "settings/win32/window_placement.h"
#include "store/shut_down.h"
#include "tests/fakes/changed_settings.h"
#include "tests/fakes/fake_ports.h"
#include "view/article_view.h"
#include "view/win32/gdi_text_device.h"

namespace {

class RegistrySettings : public testing::Test {
protected:
    RegistrySettingsStore Registry;
    FakeShellPort Shell;
    PlatformPorts Saved = Ports;

    void SetUp() override {
        DeleteProgramKey();
        ClearAppSettings();
        Ports.Store = &Registry;
        Ports.Shell = &Shell;
    }
    void TearDown() override {
        if (AppSettings.View) DestroyArticleView(AppSettings.View, kReleaseView);
        FreeBookmarks();
        ClearAppSettings();
        Ports = Saved;
        DeleteProgramKey();
        HKEY maker = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, AsWide(kMakerKey), 0, KEY_ALL_ACCESS, &maker) == ERROR_SUCCESS) {
            RegDeleteValueW(maker, AsWide(kValueSurroundingGutter));
            RegCloseKey(maker);
        }
    }
    static void DeleteProgramKey() { RegDeleteTreeW(HKEY_CURRENT_USER, AsWide(kProgramKey)); }

    void Put(const char16_t* name, uint32_t type, std::vector<uint8_t> bytes) {
        ASSERT_TRUE(Registry.Write(kProgramKey, name, type, bytes.data(), bytes.size()));
    }
    uint32_t TypeOf(const char16_t* name) {
        uint32_t type = 0;
        std::vector<uint8_t> data;
        return Registry.Read(kProgramKey, name, &type, &data) ? type : 0;
    }
    std::vector<uint8_t> BytesOf(const char16_t* name) {
        uint32_t type = 0;
        std::vector<uint8_t> data;
        Registry.Read(kProgramKey, name, &type, &data);
        return data;
    }
    static HWND MakeWindow() {
        return CreateWindowExW(WS_EX_WINDOWEDGE, L"STATIC", L"placement", WS_OVERLAPPEDWINDOW,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    static void ExpectWindowAt(HWND window, LONG left, LONG top, LONG width, LONG height) {
        RECT frame;
        GetWindowRect(window, &frame);
        EXPECT_EQ(frame.left, left);
        EXPECT_EQ(frame.top, top);
        EXPECT_EQ(frame.right - frame.left, width);
        EXPECT_EQ(frame.bottom - frame.top, height);
    }
};

}  // namespace

TEST_F(RegistrySettings, FreshRegistryGivesTheDefaults) {
    LoadSettings();
    EXPECT_EQ(AppSettings.Font.FontName[0], 0);
    EXPECT_EQ(AppSettings.Font.FontSize, 0);
    EXPECT_EQ(AppSettings.Font.FontAsciiBase, 1488);
    EXPECT_EQ(AppSettings.Flags, 0xD1140040u);
    EXPECT_EQ(AppSettings.Lesson, 0);
    EXPECT_EQ(AppSettings.LastPosition, 0);
    EXPECT_EQ(AppSettings.SearchString[0], 0);
    EXPECT_EQ(AppSettings.Bookmarks, nullptr);
    EXPECT_EQ(ReadSurroundingGutter(), 10);
    EXPECT_EQ(Shell.GlyphLoads, 1);
}

TEST_F(RegistrySettings, EveryValueSurvivesLoadChangeSaveLoad) {
    LoadSettings();
    const std::u16string face = u"David CLM";
    ApplyChangedSettings({face, 22, 224, 0x91140880, 1705, "shlm*"});
    for (uint16_t article : {1705, 3, 400}) {
        AppSettings.Lesson = article;
        AddBookmark();
    }
    HDC memory = CreateCompatibleDC(nullptr);
    GdiTextDevice device(memory);
    Rect box{0, 0, 200, 200};
    AppSettings.View = CreateArticleView(&device, &box, &AppSettings.Font, 10);
    ASSERT_NE(AppSettings.View, nullptr);
    AppSettings.View->TopLine = 321;
    SaveAndQuit();
    DeleteDC(memory);

    EXPECT_EQ(TypeOf(kValueFontName), DWORD(REG_SZ));
    EXPECT_EQ(TypeOf(kValueSearchString), DWORD(REG_BINARY));
    EXPECT_EQ(TypeOf(kValueBookmarks), DWORD(REG_BINARY));
    for (const char16_t* name : {kValueFontSize, kValueFontAsciiBase, kValueLastPosition, kValueFlags, kValueLesson})
        EXPECT_EQ(TypeOf(name), DWORD(REG_DWORD));
    EXPECT_EQ(BytesOf(kValueBookmarks), (std::vector<uint8_t>{0xA9, 0x06, 3, 0, 0x90, 0x01, 0, 0}));
    EXPECT_EQ(Shell.Quits, std::vector<int32_t>{0});

    ClearAppSettings();
    LoadSettings();
    EXPECT_EQ(std::u16string(AppSettings.Font.FontName), face);
    EXPECT_EQ(AppSettings.Font.FontSize, 22);
    EXPECT_EQ(AppSettings.Font.FontAsciiBase, 224);
    EXPECT_EQ(AppSettings.Flags, 0x91140880u);
    EXPECT_EQ(AppSettings.Lesson, 400);
    EXPECT_EQ(AppSettings.LastPosition, 321);
    EXPECT_STREQ(reinterpret_cast<const char*>(AppSettings.SearchString), "shlm*");
    ASSERT_EQ(AppSettings.BookmarkCount, 3);
    EXPECT_EQ(AppSettings.Bookmarks[0], 1705);
    EXPECT_EQ(AppSettings.Bookmarks[2], 400);
}

TEST_F(RegistrySettings, PrintingValuesSurviveAWriteAndARead) {
    const char16_t* margins[] = {kValuePrintTop, kValuePrintBottom, kValuePrintLeft, kValuePrintRight};
    for (const char16_t* name : margins) EXPECT_EQ(ReadDword(name, kDefaultPrintMargin), kDefaultPrintMargin);
    uint32_t margin = 500;
    for (const char16_t* name : margins) EXPECT_EQ(WriteDword(name, margin++), 1);
    margin = 500;
    for (const char16_t* name : margins) EXPECT_EQ(ReadDword(name, kDefaultPrintMargin), margin++);

    std::vector<uint8_t> devMode(220);
    for (size_t i = 0; i < devMode.size(); ++i) devMode[i] = uint8_t(i * 7);
    EXPECT_EQ(WriteBytes(kValueDevMode, devMode.data(), devMode.size()), 1);
    size_t size = 0;
    uint8_t* read = ReadBytes(kValueDevMode, &size);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(read, read + size), devMode);
    PlainFree(read);
}

TEST_F(RegistrySettings, TextWhereANumberIsExpectedFollowsTheDecimalRule) {
    Put(kValueLesson, REG_SZ, {'2', 0, '5', 0, 0, 0});
    Put(kValueFontSize, REG_SZ, {'2', 0, 'x', 0, 0, 0});
    Put(kValueFlags, REG_BINARY, {0x31});   // one byte: no number in it
    Put(kValueLastPosition, REG_DWORD, {1, 0});   // a DWORD too short to read
    LoadSettings();
    EXPECT_EQ(AppSettings.Lesson, 25);
    EXPECT_EQ(AppSettings.Font.FontSize, 92);
    EXPECT_EQ(AppSettings.Flags, 0xD1140040u);
    EXPECT_EQ(AppSettings.LastPosition, 0);
}

TEST_F(RegistrySettings, DamagedStringsAndListsAreReadWithinTheirData) {
    std::vector<uint8_t> longName;
    for (int i = 0; i < 40; ++i) longName.insert(longName.end(), {'N', 0});   // no terminator
    Put(kValueFontName, REG_SZ, longName);
    Put(kValueSearchString, REG_BINARY, std::vector<uint8_t>(40, 'q'));
    Put(kValueBookmarks, REG_BINARY, {9, 0, 0, 0, 12, 0, 7});
    LoadSettings();
    EXPECT_EQ(std::u16string(AppSettings.Font.FontName), std::u16string(31, u'N'));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(AppSettings.SearchString)), std::string(33, 'q'));
    ASSERT_EQ(AppSettings.BookmarkCount, 2);
    EXPECT_EQ(AppSettings.Bookmarks[1], 12);
}

TEST_F(RegistrySettings, GutterComesFromTheMakerKey) {
    DWORD gutter = 0;
    ASSERT_TRUE(Registry.Write(u"software\\Kestrane", kValueSurroundingGutter, REG_DWORD, &gutter, 4));
    EXPECT_EQ(ReadSurroundingGutter(), 0);
    LoadSettings();
    SaveAndQuit();
    EXPECT_EQ(TypeOf(kValueSurroundingGutter), 0u);   // never written to the program key
}

TEST_F(RegistrySettings, PlacementSurvivesClosingAndOpening) {
    HWND window = MakeWindow();
    ASSERT_NE(window, nullptr);
    MoveWindow(window, 50, 60, 400, 300, FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    SaveWindowPlacement(window);
    DestroyWindow(window);
    EXPECT_EQ(ReadDword(kValueLeft, 0), 50u);
    EXPECT_EQ(ReadDword(kValueTop, 0), 60u);
    EXPECT_EQ(ReadDword(kValueWidth, 0), 400u);
    EXPECT_EQ(ReadDword(kValueHeight, 0), 300u);
    EXPECT_EQ(ReadDword(kValueShowCmd, 0), DWORD(SW_SHOWNORMAL));

    HWND reopened = MakeWindow();
    RestoreWindowPlacement(reopened, SW_SHOWDEFAULT);
    ExpectWindowAt(reopened, 50, 60, 400, 300);
    EXPECT_TRUE(IsWindowVisible(reopened));
    DestroyWindow(reopened);
}

TEST_F(RegistrySettings, MaximizedWindowStoresItsRestoredSize) {
    HWND window = MakeWindow();
    MoveWindow(window, 70, 80, 420, 310, FALSE);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    SaveWindowPlacement(window);
    DestroyWindow(window);
    EXPECT_EQ(ReadDword(kValueShowCmd, 0), DWORD(SW_SHOWMAXIMIZED));
    EXPECT_EQ(ReadDword(kValueWidth, 0), 420u);
    EXPECT_EQ(ReadDword(kValueHeight, 0), 310u);

    HWND reopened = MakeWindow();
    RestoreWindowPlacement(reopened, SW_SHOWNORMAL);
    EXPECT_TRUE(IsZoomed(reopened));
    // Restoring it brings back the rectangle it had before it was maximized.
    ShowWindow(reopened, SW_RESTORE);
    ExpectWindowAt(reopened, 70, 80, 420, 310);
    DestroyWindow(reopened);
}

TEST_F(RegistrySettings, NoStoredSizeKeepsTheDefaultPlaceAndShows) {
    HWND window = MakeWindow();
    RECT before;
    GetWindowRect(window, &before);
    RestoreWindowPlacement(window, SW_SHOWNORMAL);
    RECT after;
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_TRUE(IsWindowVisible(window));
    DestroyWindow(window);
}

TEST_F(RegistrySettings, HiddenOrUnknownStoredShowCommandStillShowsTheWindow) {
    for (DWORD stored : {DWORD(SW_HIDE), DWORD(77)}) {
        ASSERT_EQ(WriteDword(kValueShowCmd, stored), 1);
        HWND window = MakeWindow();
        RestoreWindowPlacement(window, SW_SHOWNORMAL);
        EXPECT_TRUE(IsWindowVisible(window)) << stored;
        DestroyWindow(window);
    }
}
