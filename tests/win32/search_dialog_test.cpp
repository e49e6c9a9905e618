// The Search dialog and Search Again as a user works them in the real reader:
// letters typed on the Latin keyboard or clicked on the keyboard picture go
// into the field in stored order and read as Hebrew, the pattern is stored on
// OK, a pattern found nowhere says so and keeps the dialog open, and F3 steps
// from hit to hit with the hit and the location box painted.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "search/book_search.h"
#include "settings/app_settings.h"
#include "tests/win32/support/hebrew_ocr.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/ink_rows.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/toolbar_buttons.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"
#include "view/letter_codes.h"
#include "view/win32/letter_font.h"

namespace {

constexpr wchar_t kMark = 0x202D;   // the field's leading order mark
constexpr wchar_t kCaption[] = L"Orvendel";

std::wstring Marked(const std::u16string& stored) { return kMark + std::wstring(stored.begin(), stored.end()); }

struct Selection {
    int Start, End;
};

Selection SelectionOf(HWND field) {
    const DWORD packed = DWORD(SendMessageW(field, EM_GETSEL, 0, 0));
    return Selection{int(LOWORD(packed)), int(HIWORD(packed))};
}

class SearchDialog : public ReaderTest {
protected:
    HWND dialog = nullptr;
    HWND field = nullptr;

    void OpenDialog() {
        SendCommand(Window(), IDM_SEARCH);
        dialog = WaitForProgramDialog(reader.ProcessId(), DialogQuery{nullptr, IDC_SEARCH_FIELD});
        ASSERT_NE(dialog, nullptr) << "Search did not open the dialog";
        wchar_t caption[32] = {};
        GetWindowTextW(dialog, caption, 32);
        EXPECT_STREQ(caption, kCaption);
        field = GetDlgItem(dialog, IDC_SEARCH_FIELD);
        ASSERT_NE(field, nullptr);
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }
    void LaunchAndOpen() {
        LaunchReader();
        OpenDialog();
    }
    // Keys typed on the keyboard, one after another, into the dialog.
    void Type(std::initializer_list<std::initializer_list<WORD>> chords) {
        for (auto chord : chords) ASSERT_TRUE(TypeKeys(dialog, chord));
        ASSERT_TRUE(WaitUntilInputHandled(Window()));
    }
    // Characters as the field receives them from the keyboard.
    void PostCharacters(const std::u16string& characters) {
        for (char16_t c : characters) PostMessageW(field, WM_CHAR, WPARAM(c), 0);
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }
    void PostKey(WORD key) {
        PostMessageW(field, WM_KEYDOWN, key, 0);
        PostMessageW(field, WM_KEYUP, key, 0);
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }
    // A click on the keyboard picture at its pixel (a, b).
    void ClickPicture(int a, int b) {
        HWND picture = FindWindowExW(dialog, nullptr, L"Static", nullptr);
        while (picture && !(GetWindowLongW(picture, GWL_STYLE) & SS_BITMAP))
            picture = FindWindowExW(dialog, picture, L"Static", nullptr);
        ASSERT_NE(picture, nullptr) << "the dialog has no keyboard picture";
        RECT r;
        GetWindowRect(picture, &r);
        EXPECT_EQ(r.right - r.left, 154);
        EXPECT_EQ(r.bottom - r.top, 95);
        POINT corner{r.left, r.top};
        ScreenToClient(dialog, &corner);
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(corner.x + a, corner.y + b));
        PostMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(corner.x + a, corner.y + b));
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }
    // Escape: the dialog has no buttons of its own.
    void Cancel() {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(WaitForDialogToClose(dialog));
    }
    // After OK: "Not Found!" owned by the dialog, or null once the dialog
    // closed on a hit.
    HWND WaitForNotFoundOrHit(DWORD timeoutMs = 20000) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs) {
            if (HWND box = FindProgramDialog(reader.ProcessId(), DialogQuery{nullptr, 0, dialog}))
                return box;
            if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return nullptr;
            Sleep(20);
        }
        return nullptr;
    }
    std::vector<uint8_t> StoredPatternAfterExit() {
        CloseReader();
        return ReadSettingBinary(kValueSearchString).value_or(std::vector<uint8_t>{});
    }
};

TEST_F(SearchDialog, TypedLettersLandInFrontOfEachOtherAndAreStoredSo) {
    LaunchAndOpen();
    Type({{'T'}, {'C'}, {'D'}});
    EXPECT_EQ(WindowText(field), Marked(u"גבא"));   // indexes 2, 1, 0
    EXPECT_EQ(SelectionOf(field).Start, 1);     // in front of them all
    EXPECT_EQ(SelectionOf(field).End, 1);
    Type({{VK_SHIFT, 'T'}, {VK_SHIFT, 'C'}, {VK_SHIFT, 'D'}});
    EXPECT_EQ(WindowText(field), Marked(u"גבאגבא"));

    Type({{VK_RETURN}});   // OK: stored, then searched for
    if (HWND box = WaitForNotFoundOrHit()) PressDialogButton(box, IDOK);
    if (IsWindowVisible(dialog)) Cancel();
    EXPECT_EQ(StoredPatternAfterExit(), (std::vector<uint8_t>{0x63, 0x62, 0x61, 0x63, 0x62, 0x61, 0}));
}

// A Hebrew keyboard layout types the letters themselves; with a font whose
// letters sit elsewhere (base 224 here) each is the same letter as its mapped
// Latin key, and is stored as that letter's code.
TEST_F(SearchDialog, LettersTypedOnAHebrewLayoutAreStoredAsTheirLetters) {
    WriteSettingDword(kValueFontAsciiBase, 224);
    LaunchAndOpen();
    PostCharacters(u"\u05D0\u05D1tc");   // alef, bet on the Hebrew layout; alef, bet mapped
    EXPECT_EQ(WindowText(field), Marked(u"\u00E1\u00E0\u00E1\u00E0"));
    Type({{VK_RETURN}});
    if (HWND box = WaitForNotFoundOrHit()) PressDialogButton(box, IDOK);
    if (IsWindowVisible(dialog)) Cancel();
    EXPECT_EQ(StoredPatternAfterExit(), (std::vector<uint8_t>{0x62, 0x61, 0x62, 0x61, 0}));
}

// A face that declares only the Hebrew code page, as the Culmus faces do,
// asked for with character set 0 comes back as another face: the field shows
// the pattern in the face the article uses.
TEST_F(SearchDialog, TheFieldShowsThePatternInTheArticlesFace) {
    const wchar_t face[] = L"Stam Ashkenaz CLM";
    const std::vector<uint8_t> pattern = {0x61, 0x64, 0x67, 0x6A, 0x6D, 0x70, 0x73, 0x76,
                                          0x61, 0x64, 0x67, 0x6A, 0x6D, 0x70, 0x73, 0x76, 0};
    WriteSettingString(kValueFontName, face);
    WriteSettingBinary(kValueSearchString, pattern);
    LaunchAndOpen();
    std::wstring letters;
    for (size_t i = 0; i + 1 < pattern.size(); ++i) letters += wchar_t(0x05D0 + (pattern[i] - 0x61));
    ASSERT_EQ(WindowText(field), kMark + letters);

    // The pattern's width in the face, and in the face character set 0 gives.
    const int fontSize = int(ReadSettingDword(kValueFontSize).value_or(0));
    HDC dc = CreateCompatibleDC(nullptr);
    const auto widthIn = [&](HFONT font) {
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE extent{};
        GetTextExtentPoint32W(dc, letters.c_str(), int(letters.size()), &extent);
        SelectObject(dc, previous);
        DeleteObject(font);
        return int(extent.cx);
    };
    const int inFace = widthIn(CreateLetterFont(dc, AsUnits(face), fontSize,
                                                FW_DONTCARE, kUnicodeBase));
    LOGFONTW setZero{};
    setZero.lfHeight = fontSize;
    wcscpy(setZero.lfFaceName, face);
    const int inSetZero = widthIn(CreateFontIndirectW(&setZero));
    DeleteDC(dc);
    ASSERT_GT(std::abs(inFace - inSetZero), 16) << "the two faces would look alike";

    SendMessageW(field, EM_SETSEL, 1, 1);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    Sleep(600);   // past the caret's blink
    const Capture capture = CaptureClientAreaFromScreen(field);
    const std::vector<InkRow> rows = FindInkRows(capture, RECT{0, 0, capture.Width, capture.Height});
    ASSERT_FALSE(rows.empty()) << "the field shows nothing";
    const int shown = rows[0].Right - rows[0].Left;
    EXPECT_LT(std::abs(shown - inFace), std::abs(shown - inSetZero))
        << "shown " << shown << " pixels wide; " << inFace << " in the face, " << inSetZero << " with set 0";
    Cancel();
}

TEST_F(SearchDialog, ScrollLockPassesLatinLettersAndDigitsKeepTheirOrder) {
    LaunchAndOpen();
    Type({{VK_SCROLL}});
    Type({{'A'}, {'B'}});
    Type({{VK_SCROLL}});
    EXPECT_EQ(WindowText(field), Marked(u"ab"));
    EXPECT_EQ(SelectionOf(field).Start, 3);   // the caret follows them
    Type({{'1'}, {'2'}});
    EXPECT_EQ(WindowText(field), Marked(u"ab12"));
    EXPECT_EQ(SelectionOf(field).Start, 5);
    Cancel();
}

TEST_F(SearchDialog, BackspaceAndDeleteWorkInStoredOrderWithHomeAndEndExchanged) {
    LaunchAndOpen();
    PostCharacters(u"tcd");
    ASSERT_EQ(WindowText(field), Marked(u"גבא"));
    PostCharacters(u"\b");   // the character after the caret
    EXPECT_EQ(WindowText(field), Marked(u"בא"));
    PostKey(VK_DELETE);      // at the start: nothing
    EXPECT_EQ(WindowText(field), Marked(u"בא"));
    PostKey(VK_HOME);        // to the end
    EXPECT_EQ(SelectionOf(field).Start, 3);
    PostCharacters(u"\b");   // at the end: nothing
    EXPECT_EQ(WindowText(field), Marked(u"בא"));
    PostKey(VK_DELETE);      // the character before the caret
    EXPECT_EQ(WindowText(field), Marked(u"ב"));
    PostKey(VK_END);         // to the start, after the order mark
    EXPECT_EQ(SelectionOf(field).Start, 1);
    Cancel();
}

TEST_F(SearchDialog, PictureKeysInsertTheirLetters) {
    LaunchAndOpen();
    ClickPicture(6 * 17 + 8, 12);   // top row, column 6: key 3, index 2
    EXPECT_EQ(WindowText(field), Marked(u"ג"));
    ClickPicture(4 * 17, 85);       // the space bar
    EXPECT_EQ(WindowText(field), Marked(u" ג"));
    ClickPicture(153, 12);          // right of the ninth key
    ClickPicture(8, 85);            // beside the space bar
    EXPECT_EQ(WindowText(field), Marked(u" ג"));
    // A letter typed on a Hebrew keyboard layout goes in as it is.
    PostCharacters(u"\u05E9");
    EXPECT_EQ(WindowText(field), Marked(u"ש ג"));
    Cancel();
}

TEST_F(SearchDialog, FieldTakesAtMost33Characters) {
    LaunchAndOpen();
    PostCharacters(std::u16string(34, u't'));
    EXPECT_EQ(WindowText(field), Marked(std::u16string(33, u'א')));
    Cancel();
}

TEST_F(SearchDialog, PatternFoundNowhereSaysSoAndKeepsTheDialogOpen) {
    LaunchAndOpen();
    PostCharacters(u"xxxx");   // ססס ס occurs nowhere
    Type({{VK_RETURN}});
    HWND box = WaitForNotFoundOrHit();
    ASSERT_NE(box, nullptr) << "no message owned by the dialog";
    EXPECT_EQ(DialogMessageText(box), std::wstring(L"Not Found!"));
    wchar_t caption[32] = {};
    GetWindowTextW(box, caption, 32);
    EXPECT_STREQ(caption, kCaption);
    ASSERT_TRUE(PressDialogButton(box, IDOK));
    ASSERT_TRUE(WaitUntilHandled(Window()));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(SelectionOf(field).Start, 1);   // the whole pattern selected for retyping
    EXPECT_EQ(SelectionOf(field).End, 5);
    Cancel();
    EXPECT_EQ(StoredPatternAfterExit(), (std::vector<uint8_t>{0x72, 0x72, 0x72, 0x72, 0}));
}

TEST_F(SearchDialog, OkWithAnEmptyFieldClearsThePatternWithoutSearching) {
    WriteSettingBinary(kValueSearchString, {0x61, 0x62, 0x63, 0});
    LaunchAndOpen();
    EXPECT_EQ(WindowText(field), Marked(u"אבג"));
    SendMessageW(field, EM_SETSEL, 0, -1);
    PostCharacters(u"\b");
    EXPECT_EQ(WindowText(field), Marked(u""));
    const int top = TopLine();
    Type({{VK_RETURN}});
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    EXPECT_EQ(WaitForProgramDialog(reader.ProcessId(), DialogQuery{nullptr, 0, Window()}, 300),
              nullptr);
    PressKey(Window(), VK_RETURN);   // nothing stored: Enter does nothing
    EXPECT_EQ(TopLine(), top);
    // An empty pattern is not written: the earlier one comes back next time.
    EXPECT_EQ(StoredPatternAfterExit(), (std::vector<uint8_t>{0x61, 0x62, 0x63, 0}));
}

TEST_F(SearchDialog, WithReverseOnTheFieldShowsThePatternInStoredOrder) {
    WriteSettingDword(kValueFlags, kDefaultFlags | kFlagsReverse);
    WriteSettingBinary(kValueSearchString, {0x61, 0x62, 0x63, 0});
    LaunchAndOpen();
    EXPECT_EQ(WindowText(field), Marked(u"אבג"));
    Type({{VK_RETURN}});   // confirmed unchanged
    if (HWND box = WaitForNotFoundOrHit()) PressDialogButton(box, IDOK);
    if (IsWindowVisible(dialog)) Cancel();
    EXPECT_EQ(StoredPatternAfterExit(), (std::vector<uint8_t>{0x61, 0x62, 0x63, 0}));
}

TEST_F(SearchDialog, FieldReadsAsTheTypedWords) {
    LaunchAndOpen();
    // בראשית ברא, typed in reading order on the Latin keys.
    Type({{'C'}, {'R'}, {'T'}, {'A'}, {'H'}, {VK_OEM_COMMA}, {VK_SPACE}, {'C'}, {'R'}, {'T'}});
    ASSERT_EQ(WindowText(field), Marked(u"ארב תישארב"));
    SendMessageW(field, EM_SETSEL, 1, 1);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    Sleep(600);   // past the caret's blink
    std::string failure;
    const Capture picture = CaptureClientAreaFromScreen(field);
    ASSERT_GT(picture.Width, 0) << "the field could not be captured";
    const std::u16string read = RecogniseHebrewLine(picture, "search_field", 4, &failure);
    ASSERT_TRUE(failure.empty()) << failure;
    EXPECT_EQ(WordsFoundInOrder({u"בראשית", u"ברא"}, HebrewWords(read)), 2) << ToUtf8(read);
    Cancel();
}

class SearchAgain : public ReaderTest {
protected:
    void LaunchWithPattern(const std::u16string& readingOrder) {
        std::vector<uint8_t> pattern = DisplayOrderLetterCodes(readingOrder);
        pattern.push_back(0);
        WriteSettingBinary(kValueSearchString, pattern);
        WriteSettingDword(kValueLesson, 1);
        LaunchReader();
    }
};

int CountPixels(const Capture& capture, int top, int bottom, uint32_t colour) {
    int n = 0;
    for (int y = top; y < bottom && y < capture.Height; ++y)
        for (int x = 0; x < capture.Width; ++x) n += capture.At(x, y) == colour;
    return n;
}

TEST_F(SearchAgain, F3StepsFromHitToHitWithTheLocationBox) {
    LaunchWithPattern(u"אלהים");

    std::vector<double> milliseconds;
    std::vector<Capture> captures;
    std::vector<int> tops;
    for (int step = 0; step < 4; ++step) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(TypeKeys(Window(), {VK_F3}));
        ASSERT_TRUE(WaitUntilInputHandled(Window()));
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        captures.push_back(CaptureClientArea(Window()));
        tops.push_back(TopLine());
    }
    for (size_t i = 0; i < captures.size(); ++i) {
        const Capture& c = captures[i];
        ASSERT_GT(c.Height, 100);
        // The box at the bottom: red and blue frames, yellow inside.
        const int band = c.Height - 80;
        EXPECT_GT(CountPixels(c, band, c.Height, 0xFF0000), 100) << "step " << i;
        EXPECT_GT(CountPixels(c, band, c.Height, 0x0000FF), 100) << "step " << i;
        EXPECT_GT(CountPixels(c, band, c.Height, 0xFFFF00), 500) << "step " << i;
        // The hit: yellow behind blue text above the box.
        EXPECT_GT(CountPixels(c, 0, band, 0xFFFF00), 20) << "step " << i;
        if (i > 0) {
            EXPECT_GE(tops[i], tops[i - 1]) << "Search Again went back";
            EXPECT_NE(c.Pixels, captures[i - 1].Pixels) << "Search Again stayed on the hit";
        }
    }
    for (double ms : milliseconds) std::printf("Search Again, hit to hit: %.1f ms\n", ms);
    RecordProperty("search_again_ms", std::to_string(milliseconds.back()));
}

// Enter, Ctrl+A and the toolbar's sixth button each step on; its fifth opens
// the dialog.
TEST_F(SearchAgain, EnterCtrlAAndTheToolbarSearchToo) {
    LaunchWithPattern(u"ויאמר");
    const Capture before = CaptureClientArea(Window());
    PressKey(Window(), VK_RETURN);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    const Capture first = CaptureClientArea(Window());
    EXPECT_NE(first.Pixels, before.Pixels);
    EXPECT_GT(CountPixels(first, 0, first.Height, 0xFFFF00), 500);
    ASSERT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'A'}));
    ASSERT_TRUE(WaitUntilInputHandled(Window()));
    const Capture second = CaptureClientArea(Window());
    EXPECT_NE(second.Pixels, first.Pixels);
    HWND toolbar = ProgramToolbar(Window());
    ASSERT_NE(toolbar, nullptr);
    ASSERT_TRUE(ClickToolbarButton(toolbar, 5));
    ASSERT_TRUE(WaitUntilHandled(Window()));
    EXPECT_NE(CaptureClientArea(Window()).Pixels, second.Pixels);
    ASSERT_TRUE(ClickToolbarButton(toolbar, 4));
    HWND dialog = WaitForProgramDialog(reader.ProcessId(), DialogQuery{nullptr, IDC_SEARCH_FIELD});
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForDialogToClose(dialog));
}

}  // namespace
