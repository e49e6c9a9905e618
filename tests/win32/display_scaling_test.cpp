// The reader on a screen of 144 and of 192 dots per inch, as Wine makes one
// (LogPixels of the user's desktop settings): the toolbar's buttons, the
// gutter and the Search dialog's keyboard picture grow with the text, the
// picture's keys are hit where they are drawn, and the article still reads.
// The program runs in a Wine session of its own (see cmake/native.cmake), so
// the dots per inch it sets reach no other test.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/win32/support/article_view_rect.h"
#include "tests/win32/support/hebrew_ocr.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/ink_rows.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/toolbar_buttons.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

// What a program started from now on takes as the screen's dots per inch.
void SetScreenDpi(DWORD dpi) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                             sizeof dpi),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// A size of the design, in pixels at 96 DPI, on this screen.
int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }

struct Screen {
    int Dpi;
    int Multiple;   // of the dialogs' pictures: whole multiples only, for exact pixel art
    int ArrowWidth;   // the blue of the first button's arrow, 11 pixels at 96 DPI
};

// The toolbar's first button, which is 23 x 22 at 96 DPI.
SIZE ToolbarButtonSize(HWND mainWindow) {
    RECT button{};
    EXPECT_TRUE(ToolbarButtonRect(ProgramToolbar(mainWindow), 0, &button));
    return SIZE{button.right - button.left, button.bottom - button.top};
}

// The height of the article's title as drawn now (one line at any width).
int TitleHeight(HWND mainWindow, int gutter) {
    const std::vector<InkRow> rows =
        FindInkRows(CaptureClientArea(mainWindow), ArticleViewRect(mainWindow, gutter));
    EXPECT_FALSE(rows.empty());
    return rows.empty() ? 0 : rows[0].Bottom - rows[0].Top;
}

// Tells the reader's window what the system tells it when it is moved to a
// screen of dpi dots per inch, the suggested rectangle in its own memory.
bool SendDpiChange(HWND window, int dpi, const RECT& suggested) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return false;
    bool sent = false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
    if (remote && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr)) {
        DWORD_PTR answer = 0;
        sent = SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                                   reinterpret_cast<LPARAM>(remote), SMTO_BLOCK, 20000, &answer) != 0;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return sent;
}

class ScreenDpiTest : public ReaderTest {
protected:
    void TearDown() override { SetScreenDpi(96); }
};

// Moved to a screen of 192 DPI, the window takes the rectangle the system
// suggests, and the toolbar, the fonts and the layout are made again for it.
using DpiChange = ScreenDpiTest;

TEST_F(DpiChange, MovedToA192DpiScreenTheWindowTakesTheSuggestedRectangleAndGrows) {
    SetScreenDpi(96);
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    ASSERT_TRUE(WaitUntilHandled(Window()));
    const int titleBefore = TitleHeight(Window(), kDefaultGutter);
    const RECT suggested{30, 20, 30 + 1100, 20 + 900};
    ASSERT_TRUE(SendDpiChange(Window(), 192, suggested));
    ASSERT_TRUE(WaitUntilHandled(Window()));

    RECT outer;
    GetWindowRect(Window(), &outer);
    EXPECT_EQ(outer.left, suggested.left);
    EXPECT_EQ(outer.top, suggested.top);
    EXPECT_EQ(outer.right, suggested.right);
    EXPECT_EQ(outer.bottom, suggested.bottom);
    const SIZE button = ToolbarButtonSize(Window());
    EXPECT_EQ(button.cx, 46);
    EXPECT_EQ(button.cy, 44);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    EXPECT_NEAR(TitleHeight(Window(), 2 * kDefaultGutter), 2 * titleBefore, 3)
        << "the fonts are made for 192 DPI (title " << titleBefore << " pixels high at 96)";
    CloseReader();
}

class DisplayScaling : public ScreenDpiTest, public ::testing::WithParamInterface<Screen> {
protected:
    void SetUp() override {
        ScreenDpiTest::SetUp();
        SetScreenDpi(GetParam().Dpi);
    }

    // A click on the keyboard picture at pixel (a, b) of its art.
    void ClickKeyboardArt(HWND dialog, HWND picture, int a, int b) {
        RECT r;
        GetWindowRect(picture, &r);
        const int m = GetParam().Multiple;
        POINT at{r.left + a * m + m / 2, r.top + b * m + m / 2};
        ScreenToClient(dialog, &at);
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }
};

TEST_P(DisplayScaling, ToolbarGutterAndKeyboardGrowWithTheTextWhichStillReads) {
    const int dpi = GetParam().Dpi;
    const int multiple = GetParam().Multiple;
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();

    const SIZE button = ToolbarButtonSize(Window());
    EXPECT_EQ(button.cx, Scaled(23, dpi));
    EXPECT_EQ(button.cy, Scaled(22, dpi));
    // The button's picture is drawn from the art nearest the screen: the 24 x 24
    // art at 144 DPI, the 16 x 16 art doubled at 192.
    HWND toolbar = ProgramToolbar(Window());
    RECT first{};
    ASSERT_TRUE(ToolbarButtonRect(toolbar, 0, &first));
    MapWindowPoints(toolbar, Window(), reinterpret_cast<POINT*>(&first), 2);
    const Capture bar = CaptureClientArea(Window());
    int left = bar.Width, right = -1;
    for (int y = first.top; y < first.bottom && y < bar.Height; ++y)
        for (int x = first.left; x < first.right && x < bar.Width; ++x)
            if (bar.At(x, y) == 0x0000FF) left = std::min(left, x), right = std::max(right, x);
    EXPECT_EQ(right - left + 1, GetParam().ArrowWidth);

    // The text, right-aligned, keeps the scaled gutter from the client area's
    // right edge; its first verse still reads as Genesis 1:1.
    const int gutter = Scaled(kDefaultGutter, dpi);
    const Capture capture = CaptureClientArea(Window());
    const RECT view = ArticleViewRect(Window(), gutter);
    const std::vector<InkRow> rows = FindInkRows(capture, view);
    ASSERT_GE(rows.size(), 3u);
    // What the reader looks like, kept for a person to look at.
    SaveCaptureAsBmp(capture, WinePath(BinaryDir() + "/display_scaling_" + std::to_string(dpi) + ".bmp"));
    int rightmost = 0;
    for (const InkRow& row : FindInkRows(capture, ArticleViewRect(Window(), 0)))
        rightmost = std::max(rightmost, row.Right);
    // The verse number's side bearing grows with the font.
    EXPECT_NEAR(capture.Width - rightmost, gutter, Scaled(2, dpi));
    ASSERT_GE(rows.size(), 4u);
    std::u16string read;
    for (size_t line = 2; line < 4; ++line) {
        std::string failure;
        read += RecogniseHebrewLine(InkRowBand(capture, rows[line], view, 4),
                                    "display_scaling_" + std::to_string(dpi) + "_" +
                                        std::to_string(line),
                                    1, &failure) +
                u" ";
        ASSERT_TRUE(failure.empty()) << failure;
    }
    EXPECT_GE(WordsFoundInOrder(HebrewWords(u"בראשית ברא אלהים את השמים"), HebrewWords(read)), 4)
        << ToUtf8(read);

    // The Search dialog's keyboard picture at the screen's multiple; a click
    // on the top row's column 6 types the letter of key 3 (gimel).
    SendCommand(Window(), IDM_SEARCH);
    HWND dialog = WaitForProgramDialog(reader.ProcessId(), DialogQuery{nullptr, IDC_SEARCH_FIELD});
    ASSERT_NE(dialog, nullptr);
    HWND picture = FindWindowExW(dialog, nullptr, L"Static", nullptr);
    while (picture && (GetWindowLongW(picture, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
        picture = FindWindowExW(dialog, picture, L"Static", nullptr);
    ASSERT_NE(picture, nullptr);
    RECT pictureRect;
    GetWindowRect(picture, &pictureRect);
    EXPECT_EQ(pictureRect.right - pictureRect.left, 154 * multiple);
    EXPECT_EQ(pictureRect.bottom - pictureRect.top, 95 * multiple);
    RECT client;
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_LE(pictureRect.right, client.right) << "the whole picture is in the dialog";
    EXPECT_LE(pictureRect.bottom, client.bottom) << "the whole picture is in the dialog";
    ClickKeyboardArt(dialog, picture, 6 * 17 + 3, 10);
    ClickKeyboardArt(dialog, picture, 153, 10);   // right of the ninth key: nothing
    ClickKeyboardArt(dialog, picture, 3 * 17, 80);   // the space bar
    const std::wstring text = WindowText(GetDlgItem(dialog, IDC_SEARCH_FIELD));
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), L" \u05D2");
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    CloseReader();
}

INSTANTIATE_TEST_SUITE_P(Screens, DisplayScaling,
                         ::testing::Values(Screen{144, 2, 18}, Screen{192, 2, 22}),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::to_string(info.param.Dpi) + "Dpi";
                         });

}  // namespace
