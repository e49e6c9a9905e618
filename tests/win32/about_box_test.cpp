// The About box and Check For Updates as a user meets them: F1 and File >
// About open the box with its version and the maker's site as a blue,
// underlined link; Escape closes it; a click on the link, and Check For
// Updates, hand their addresses to the browser.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/product_version.h"
#include "platform/maker_site.h"
#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "tests/win32/support/dialog_template.h"
#include "tests/win32/support/gdi_object_count.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/recording_browser.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"

namespace {

constexpr wchar_t kAboutCaption[] = L"Orvendel";

std::string Narrow(const char16_t* text) {
    std::string narrow;
    for (; *text; ++text) narrow += char(*text);
    return narrow;
}

class AboutBox : public ReaderTest {
protected:
    HWND WaitForAboutBox() {
        HWND box = WaitForProgramDialog(reader.ProcessId(), kAboutCaption);
        EXPECT_NE(box, nullptr) << "no About box came";
        return box;
    }
    void Close(HWND box) {
        ASSERT_TRUE(TypeKeys(box, {VK_ESCAPE}));
        ASSERT_TRUE(WaitForDialogToClose(box)) << "Escape did not close the About box";
        for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(10);
    }
};

TEST(AboutBoxTemplate, HoldsTitlePictureVersionNoticeAndLink) {
    const std::optional<DialogTemplate> box = ReadDialogTemplate(ProgramPath(), IDD_ABOUT);
    ASSERT_TRUE(box.has_value()) << "the program has no extended template 103";
    EXPECT_EQ(box->Caption, L"Orvendel");
    EXPECT_EQ(box->Style, DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(box->ExStyle, DWORD(WS_EX_TOOLWINDOW));
    EXPECT_EQ(box->Width, 140);
    EXPECT_EQ(box->Height, 85);
    EXPECT_EQ(box->PointSize, 8);
    EXPECT_EQ(box->FontName, L"MS Sans Serif");

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const TemplateControl expected[] = {
        {-1, L"Static", L"Orvendel", child | SS_LEFT | SS_NOPREFIX, 0, 7, 7, 81, 8},
        {-1, L"Static", L"#" + std::to_wstring(IDB_ABOUT), child | SS_BITMAP, 0, 88, 7, 47, 20},
        {-1, L"Static", L"Version " + std::wstring(AsWide(kProductVersion)), child | SS_LEFT, 0, 7, 24,
         45, 8},
        {-1, L"Static", L"", child | SS_LEFT, 0, 7, 41, 80, 8},
        {IDC_MAKER_LINK, L"Button", std::wstring(AsWide(kMakerWebAddress)),
         child | BS_OWNERDRAW | WS_TABSTOP, 0, 7, 58, 100, 8},
    };
    ASSERT_EQ(box->Controls.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const TemplateControl& is = box->Controls[i];
        const TemplateControl& should = expected[i];
        EXPECT_EQ(is.Id, should.Id) << "control " << i;
        EXPECT_EQ(lstrcmpiW(is.Class.c_str(), should.Class.c_str()), 0) << "control " << i;
        if (i != 3) EXPECT_EQ(is.Text, should.Text) << "control " << i;
        EXPECT_EQ(is.Style, should.Style) << "control " << i;
        EXPECT_EQ((std::vector<short>{is.X, is.Y, is.Width, is.Height}),
                  (std::vector<short>{should.X, should.Y, should.Width, should.Height}))
            << "control " << i;
    }
    EXPECT_NE(box->Controls[3].Text.find(L"CC BY 4.0"), std::wstring::npos)
        << "the notice credits the book's text and its licence";
}

TEST_F(AboutBox, F1OpensTheBoxWithItsVersionAndEscapeClosesIt) {
    LaunchReader();
    ASSERT_TRUE(TypeKeys(Window(), {VK_F1}));
    HWND box = WaitForAboutBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), Window());
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(WindowText(child));
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], L"Orvendel");
    EXPECT_EQ(texts[2], L"Version 1.84a");
    EXPECT_EQ(texts[4], std::wstring(AsWide(kMakerWebAddress)));

    // The notice fits its one line, in the box's font as the dialog manager
    // makes it from the template.
    HWND notice = GetWindow(box, GW_CHILD);
    for (int i = 0; i < 3; ++i) notice = GetWindow(notice, GW_HWNDNEXT);
    RECT line{};
    GetClientRect(notice, &line);
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL,
                             FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, texts[3].c_str(), int(texts[3].size()), &extent);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    EXPECT_LE(extent.cx, line.right) << "the notice does not fit its line";
    Close(box);
    EXPECT_TRUE(WaitUntilHandled(Window())) << "the reader goes on after the box";
}

// F1 in the box, or in another dialog, asks the main window for the box
// again: there is one box at a time, and what it makes goes with it.
TEST_F(AboutBox, F1InsideADialogOpensOneBoxAtMostAndLeavesNoGdiObjectBehind) {
    LaunchReader();
    const DWORD process = reader.ProcessId();
    const DialogQuery aboutBox{kAboutCaption, IDC_MAKER_LINK};
    const auto aboutBoxes = [&] { return CountProgramDialogs(process, aboutBox); };
    const auto pressF1 = [&](HWND window) {
        bool typed = false;
        for (int attempt = 0; attempt < 5 && !typed; ++attempt) {
            SetForegroundWindow(window);
            typed = TypeKeys(window, {VK_F1});
            if (!typed) Sleep(100);
        }
        ASSERT_TRUE(typed) << "F1 could not be typed";
        ASSERT_TRUE(WaitUntilInputHandled(window));
        Sleep(300);
    };
    struct Opened {
        WORD Command;
        const wchar_t* Caption;
    };
    const Opened dialogs[] = {{IDM_ABOUT, kAboutCaption},
                              {IDM_SEARCH, kAboutCaption},   // the Search dialog shares the caption
                              {IDM_CHOOSE_ARTICLE, kChooseSectionCaption},
                              {IDM_FONT, kChooseFontCaption}};
    const auto open = [&](const Opened& dialog) {
        SendCommand(Window(), dialog.Command);
        HWND window = WaitForProgramDialog(process, dialog.Caption);
        EXPECT_NE(window, nullptr) << "command " << dialog.Command << " opened nothing";
        if (window) EXPECT_TRUE(WaitUntilHandled(window));
        return window;
    };
    const auto close = [&](HWND window) {
        ASSERT_TRUE(TypeKeys(window, {VK_ESCAPE}));
        ASSERT_TRUE(WaitForDialogToClose(window));
        ASSERT_TRUE(WaitUntilHandled(Window()));
    };
    const auto closeAboutBoxes = [&] {
        for (int i = 0; i < 5; ++i) {
            HWND about = FindProgramDialog(process, aboutBox);
            if (!about) break;
            close(about);
        }
    };
    // F1 in the About box, then in each of the other dialogs, with F1 in the
    // About box over it too.
    const auto pressF1Everywhere = [&] {
        HWND box = open(dialogs[0]);
        ASSERT_NE(box, nullptr);
        pressF1(box);
        pressF1(box);
        EXPECT_EQ(aboutBoxes(), 1) << "F1 in the About box";
        closeAboutBoxes();
        EXPECT_EQ(aboutBoxes(), 0);
        for (const Opened& dialog : {dialogs[1], dialogs[2], dialogs[3]}) {
            HWND window = open(dialog);
            ASSERT_NE(window, nullptr);
            pressF1(window);
            EXPECT_EQ(aboutBoxes(), 1) << "F1 in the dialog of command " << dialog.Command;
            pressF1(window);
            EXPECT_EQ(aboutBoxes(), 1) << "F1 again in the dialog of command " << dialog.Command;
            if (HWND about = FindProgramDialog(process, aboutBox)) {
                pressF1(about);
                EXPECT_EQ(aboutBoxes(), 1) << "F1 in the About box over the dialog of command " << dialog.Command;
            }
            closeAboutBoxes();
            EXPECT_EQ(aboutBoxes(), 0) << "the About box closed";
            close(window);
        }
    };
    // Once, so that what the first time keeps for the rest of the run (Wine's
    // own caches among it) is there before the count; then again, counted.
    pressF1Everywhere();
    const HANDLE handle = reader.Handle();
    const int before = GdiObjectCount(handle);
    const int fontsBefore = GdiObjectCount(handle, GdiObjects::Fonts);
    const int bitmapsBefore = GdiObjectCount(handle, GdiObjects::Bitmaps);
    ASSERT_GT(before, 0) << "the reader's GDI objects could not be counted";
    pressF1Everywhere();

    const int after = GdiObjectCount(handle);
    const int fontsAfter = GdiObjectCount(handle, GdiObjects::Fonts);
    const int bitmapsAfter = GdiObjectCount(handle, GdiObjects::Bitmaps);
    std::printf("GDI objects of the reader: %d before, %d after; fonts %d and %d; bitmaps %d and %d\n",
                before, after, fontsBefore, fontsAfter, bitmapsBefore, bitmapsAfter);
    RecordProperty("GdiObjectsBefore", before);
    RecordProperty("GdiObjectsAfter", after);
    EXPECT_EQ(fontsAfter, fontsBefore) << "fonts left behind";
    // Wine's static control keeps the picture it loaded for each About box
    // and Search dialog (Windows releases it): bitmaps aside, nothing stays.
    EXPECT_EQ(after - bitmapsAfter, before - bitmapsBefore) << "GDI objects left behind";
    EXPECT_LE(bitmapsAfter - bitmapsBefore, 5) << "one picture for each of four About boxes and a Search dialog";
    CloseReader();
}

// The cursor shown with the mouse at (x, y) of the screen, moved there as a
// user moves it.
HCURSOR CursorAt(int x, int y) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    for (int i = 0; i < 3; ++i) {
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = (x + i % 2) * 65535 / (width - 1);
        move.mi.dy = y * 65535 / (height - 1);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &move, sizeof move);
        Sleep(60);
    }
    GetCursorInfo(&cursor);
    return cursor.hCursor;
}

TEST_F(AboutBox, FileAboutShowsTheLinkBlueUnderlinedAsWideAsItsTextAndWithACursorOfItsOwn) {
    LaunchReader();
    SendCommand(Window(), IDM_ABOUT);
    HWND box = WaitForAboutBox();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(WaitUntilHandled(box));
    Sleep(200);
    HWND link = GetDlgItem(box, IDC_MAKER_LINK);
    ASSERT_NE(link, nullptr);
    RECT area{};
    GetClientRect(link, &area);
    MapWindowPoints(link, box, reinterpret_cast<POINT*>(&area), 2);
    const Capture picture = CaptureClientArea(box);
    ASSERT_GT(picture.Width, 0);

    int blue = 0, left = area.right, right = area.left, widestRow = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        int inRow = 0;
        for (int x = area.left; x < area.right; ++x) {
            const uint32_t pixel = picture.At(x, y);
            if (Blue(pixel) > 200 && Red(pixel) < 80 && Green(pixel) < 80) {
                ++blue;
                ++inRow;
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
        }
        widestRow = std::max(widestRow, inRow);
    }
    ASSERT_GT(blue, 50) << "the link is not drawn in blue";
    // The underline: one row of blue under nearly the whole text.
    EXPECT_GT(widestRow, (right - left) * 9 / 10) << "the link is not underlined";
    // The control was made as wide as its text and the edges.
    const int edges = 2 * GetSystemMetrics(SM_CXEDGE);
    EXPECT_LE((area.right - area.left) - (right - left), edges + 3);
    EXPECT_GE(left - area.left, 0);

    // Cursor handles are the loading process's own, and Wine gives no shape of
    // another process's cursor: what is seen is that the link shows a cursor
    // of its own, and the rest of the box the arrow.
    RECT onScreen{}, whole{};
    GetWindowRect(link, &onScreen);
    GetClientRect(box, &whole);
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&whole), 2);
    const HCURSOR elsewhere = CursorAt(whole.right - 6, whole.bottom - 6);
    const HCURSOR overLink =
        CursorAt((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
    const HCURSOR backAgain = CursorAt(whole.right - 6, whole.bottom - 6);
    EXPECT_NE(overLink, nullptr);
    EXPECT_NE(overLink, elsewhere) << "the link shows the box's cursor";
    EXPECT_EQ(backAgain, elsewhere);
    Close(box);
}

class WebAddresses : public AboutBox {
protected:
    void SetUp() override {
        AboutBox::SetUp();
        ASSERT_TRUE(browser.Failure().empty()) << browser.Failure();
    }
    RecordingBrowser browser;
};

TEST_F(WebAddresses, ClickOnTheLinkOpensTheMakersSiteAndKeepsTheBoxOpen) {
    LaunchReader();
    SendCommand(Window(), IDM_ABOUT);
    HWND box = WaitForAboutBox();
    ASSERT_NE(box, nullptr);
    HWND link = GetDlgItem(box, IDC_MAKER_LINK);
    PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    const std::vector<std::string> addresses = browser.WaitForAddresses(1);
    ASSERT_EQ(addresses.size(), 1u) << "the browser was handed no address";
    // The address names only the host; Wine's browser launcher hands it on
    // with the root path written out.
    EXPECT_EQ(addresses[0], "http://" + Narrow(kMakerWebAddress) + "/");
    EXPECT_TRUE(IsWindowVisible(box)) << "the box closed with the click";
    Close(box);
}

TEST_F(WebAddresses, CheckForUpdatesOpensTheUpdateAddress) {
    LaunchReader();
    SendCommand(Window(), IDM_CHECK_FOR_UPDATES);
    const std::vector<std::string> addresses = browser.WaitForAddresses(1);
    ASSERT_EQ(addresses.size(), 1u) << "the browser was handed no address";
    EXPECT_EQ(addresses[0],
              "http://www.kestrane.example/cgi-bin/upgrade?p=windows/Kestrane/Orvendel&v=1.84a");
    EXPECT_TRUE(WaitUntilHandled(Window()));
}

}  // namespace
