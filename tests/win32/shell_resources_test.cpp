// The program's own resources, read from orvendel.exe as a data file: the menus
// a user reads, the shortcuts that work, and the pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace {

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1) + L"orvendel.exe";
}

class ShellResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << "orvendel.exe beside the test program";
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    // The resource's bytes as the resource compiler stored them.
    std::vector<uint8_t> Raw(int identifier, LPCWSTR type) {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(identifier), type);
        if (!found) return {};
        const uint8_t* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module_, found)));
        return std::vector<uint8_t>(bytes, bytes + SizeofResource(module_, found));
    }
    HMODULE module_ = nullptr;
};

struct Item {
    std::wstring Text;   // empty for a separator
    UINT Command;        // 0 for a separator
    bool operator==(const Item& other) const {
        return Text == other.Text && Command == other.Command;
    }
};

std::vector<Item> Items(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, i, text, 128, MF_BYPOSITION);
        items.push_back({text, GetMenuItemID(menu, i) == UINT(-1) ? 0 : GetMenuItemID(menu, i)});
    }
    return items;
}

void PrintTo(const Item& item, std::ostream* out) {
    *out << "{";
    for (wchar_t c : item.Text) *out << (c == 8 ? '|' : char(c));
    *out << ", " << item.Command << "}";
}

// The menu bar's popup at position, its title and its items.
void ExpectMenu(HMODULE module, int position, const std::wstring& title,
                const std::vector<Item>& items) {
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    wchar_t text[32] = {};
    GetMenuStringW(menu, position, text, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), title);
    EXPECT_EQ(Items(GetSubMenu(menu, position)), items);
    DestroyMenu(menu);
}

// The right-aligned shortcut follows the character 0x08.
TEST_F(ShellResources, FileMenuShowsEachCommandWithItsShortcut) {
    ExpectMenu(module_, 0, L"&File",
               {
                   {L"&About", 40004},
                   {L"Check For &Updates", 129},
                   {L"&Choose Article\bCtrl+D", 119},
                   {L"", 0},
                   {L"F&ont\bCtrl+F", 40006},
                   {L"Re&verse", 122},
                   {L"", 0},
                   {L"&Copy\bCtrl+C", 40007},
                   {L"Copy &Verse\bCtrl+Shift+C", 40012},
                   {L"&Append to ClipBoard\bCtrl+E", 40009},
                   {L"&Print\bCtrl+P", 40008},
                   {L"E&xit\bCtrl+Q", 40005},
               });
}

TEST_F(ShellResources, GoMenuShowsEachCommandWithItsShortcut) {
    ExpectMenu(module_, 1, L"&Go",
               {
                   {L"&Index\bCtrl+D", 119},
                   {L"Go to &Verse\u2026\bCtrl+G", 40010},
                   {L"&Bookmark", 123},
                   {L"&Previous Article", 110},
                   {L"&Next Article", 109},
                   {L"", 0},
                   {L"&Search\bAlt+F3", 116},
                   {L"Search A&gain\bF3", 117},
                   {L"Find &All\u2026\bCtrl+L", 40011},
               });
}

// Every shortcut a menu shows is one the accelerators carry out, Ctrl+Q
// included: it sends Exit.
TEST_F(ShellResources, AcceleratorsSendTheCommandsTheMenusName) {
    HACCEL table = LoadAcceleratorsW(module_, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[32];
    int count = CopyAcceleratorTableW(table, entries, 32);
    struct Key {
        BYTE Modifier;
        WORD Key;
        WORD Command;
    };
    const Key expected[] = {
        {FCONTROL, 'F', 40006}, {FALT, VK_F3, 116},    {0, VK_F3, 117},
        {FCONTROL, 'P', 40008}, {FCONTROL, 'C', 40007}, {FCONTROL | FSHIFT, 'C', 40012},
        {FCONTROL, 'G', 40010}, {FCONTROL, 'E', 40009},
        {FCONTROL, 'D', 119},   {FCONTROL, 'Q', 40005}, {FCONTROL, 'N', 109},
        {FCONTROL, 'W', 116},   {FCONTROL, 'A', 117},   {FCONTROL, 'L', 40011},
    };
    ASSERT_EQ(count, int(std::size(expected)));
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        // The flag that ends the table is not part of an entry's meaning.
        EXPECT_EQ(entries[i].fVirt & ~0x80, FVIRTKEY | FNOINVERT | expected[i].Modifier);
        EXPECT_EQ(entries[i].key, expected[i].Key);
        EXPECT_EQ(entries[i].cmd, expected[i].Command);
    }
    DestroyAcceleratorTable(table);
}

TEST_F(ShellResources, ToolbarStripHoldsSixSixteenColourPictures) {
    std::vector<uint8_t> bitmap = Raw(IDB_TOOLBAR, RT_BITMAP);
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, bitmap.data(), sizeof(header));
    EXPECT_EQ(header.biWidth, 96);
    EXPECT_EQ(header.biHeight, 16);
    EXPECT_EQ(header.biBitCount, 4);
}

TEST_F(ShellResources, IconComesInBothSizesWithSixteenColours) {
    std::vector<uint8_t> group = Raw(IDI_ORVENDEL, RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    int count = group[4] | group[5] << 8;
    ASSERT_EQ(count, 2);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const uint8_t* entry = group.data() + 6 + 14 * i;   // GRPICONDIRENTRY
        sizes.push_back(entry[0]);
        EXPECT_EQ(entry[2], 16) << "colours";
        EXPECT_EQ(entry[6] | entry[7] << 8, 4) << "bits per pixel";
    }
    EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
    HICON icon = static_cast<HICON>(
        LoadImageW(module_, MAKEINTRESOURCEW(IDI_ORVENDEL), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
}

// The glyphs as the user sees them, top row first: '#' black, '.' white.
std::vector<std::string> GlyphRows(HBITMAP bitmap) {
    BITMAP info;
    GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 9);
    EXPECT_EQ(info.bmHeight, 9);
    EXPECT_EQ(info.bmBitsPixel, 1) << "a monochrome bitmap";
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = 9;
    request.bmiHeader.biHeight = -9;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(81);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, 9, pixels.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<std::string> rows(9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) rows[y] += (pixels[y * 9 + x] & 0xFFFFFF) == 0 ? '#' : '.';
    return rows;
}

TEST_F(ShellResources, IndexGlyphsArePixelForPixel) {
    const std::vector<std::string> plus = {
        "#########", "#.......#", "#...#...#", "#...#...#", "#.#####.#",
        "#...#...#", "#...#...#", "#.......#", "#########"};
    const std::vector<std::string> minus = {
        "#########", "#.......#", "#.......#", "#.......#", "#.#####.#",
        "#.......#", "#.......#", "#.......#", "#########"};
    const std::vector<std::string> page = {
        ".#####...", ".#...##..", ".#.#.###.", ".#.....#.", ".#.###.#.",
        ".#.....#.", ".#.###.#.", ".#.....#.", ".#######."};
    const std::pair<int, const std::vector<std::string>*> glyphs[] = {
        {IDB_GLYPH_PLUS, &plus}, {IDB_GLYPH_MINUS, &minus}, {IDB_GLYPH_PAGE, &page}};
    for (const auto& [identifier, rows] : glyphs) {
        SCOPED_TRACE(identifier);
        HBITMAP bitmap = LoadBitmapW(module_, MAKEINTRESOURCEW(identifier));
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(GlyphRows(bitmap), *rows);
        DeleteObject(bitmap);
    }
}

}  // namespace
