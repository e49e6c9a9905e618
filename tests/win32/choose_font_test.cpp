// The Choose Font dialog as a user meets it: Ctrl+F opens it on the stored
// face and size, a Hebrew face brings the Unicode base with it and the sample
// reads as the alphabet, OK lays the article out again in the new font and
// stores it, Cancel changes nothing, and on the very first run the dialog
// comes once by itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "tests/win32/support/article_view_rect.h"
#include "tests/win32/support/dialog_template.h"
#include "tests/win32/support/hebrew_ocr.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/ink_rows.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/standard_settings.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"
#include "view/display_font.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

constexpr wchar_t kLeftToRightOverride = 0x202D;

std::wstring ListItem(HWND list, LRESULT index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length < 0) return {};
    std::wstring text(size_t(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(size_t(length));
    return text;
}

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) items.push_back(ListItem(list, i));
    return items;
}

// The selected item's text; empty when nothing is selected.
std::wstring Selection(HWND dialog, int listId) {
    HWND list = GetDlgItem(dialog, listId);
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return index < 0 ? std::wstring() : ListItem(list, index);
}

bool Checked(HWND dialog, int buttonId) {
    return SendDlgItemMessageW(dialog, buttonId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Not box glyphs: the glyphs of a row of text come in many widths.
void ExpectRealGlyphs(const Capture& capture, const RECT& area, const std::string& what) {
    std::map<int, int> glyphsOfWidth;
    int glyphs = 0;
    for (const InkRow& row : FindInkRows(capture, area)) {
        for (const InkSpan& glyph : FindInkSpans(capture, row, 1)) {
            ++glyphsOfWidth[glyph.Right - glyph.Left];
            ++glyphs;
        }
    }
    int commonest = 0;
    for (const auto& widthCount : glyphsOfWidth) commonest = std::max(commonest, widthCount.second);
    EXPECT_GE(glyphsOfWidth.size(), 5u) << what << ": letters of many shapes";
    EXPECT_LT(commonest * 2, glyphs) << what << ": not one box repeated for every letter";
}

class ChooseFont : public ReaderTest {
protected:
    // File > Font, as the menu sends it.
    HWND OpenFromTheMenu() {
        SendCommand(Window(), IDM_FONT);
        HWND dialog = WaitForProgramDialog(reader.ProcessId(), kChooseFontCaption);
        EXPECT_NE(dialog, nullptr) << "File > Font opened no Choose Font dialog";
        return dialog;
    }
    // Ctrl+F, as a user types it; the dialog it opens.
    HWND OpenWithCtrlF() {
        EXPECT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'F'}));
        HWND dialog = WaitForProgramDialog(reader.ProcessId(), kChooseFontCaption);
        EXPECT_NE(dialog, nullptr) << "Ctrl+F opened no Choose Font dialog";
        return dialog;
    }
    // Selects the item of the list as a click on it does, notification and all.
    void Pick(HWND dialog, int listId, const std::wstring& item) {
        HWND list = GetDlgItem(dialog, listId);
        const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1),
                                           reinterpret_cast<LPARAM>(item.c_str()));
        ASSERT_GE(index, 0) << "the list has no item " << std::string(item.begin(), item.end());
        SendMessageW(list, LB_SETCURSEL, WPARAM(index), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    // Presses the button and waits until the dialog is gone and the window
    // has handled what came after it (the dialog hides before its loop ends).
    void Press(HWND dialog, int button) {
        ASSERT_TRUE(PressDialogButton(dialog, button));
        for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(10);
        ASSERT_FALSE(IsWindow(dialog));
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }
    Capture Article() {
        EXPECT_TRUE(WaitUntilHandled(Window()));
        return CaptureClientArea(Window());
    }
};

TEST_F(ChooseFont, CtrlFOpensOnTheStoredFaceAndSize) {
    LaunchReader();
    HWND dialog = OpenWithCtrlF();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Selection(dialog, IDC_FONT_FACES), kStandardFontName);
    EXPECT_EQ(Selection(dialog, IDC_FONT_SIZES), std::to_wstring(kStandardFontSize));
    EXPECT_TRUE(Checked(dialog, IDC_BASE_UNICODE));
    EXPECT_FALSE(Checked(dialog, IDC_BASE_1255));
    EXPECT_EQ(ListItems(GetDlgItem(dialog, IDC_FONT_SIZES)),
              (std::vector<std::wstring>{L"10", L"11", L"12", L"14", L"16", L"18", L"20", L"22",
                                         L"24", L"26", L"28", L"32", L"52", L"72"}));
    // Every face once, in the list box's order.
    std::vector<std::wstring> faces = ListItems(GetDlgItem(dialog, IDC_FONT_FACES));
    EXPECT_EQ(std::adjacent_find(faces.begin(), faces.end()), faces.end());
    EXPECT_NE(std::find(faces.begin(), faces.end(), L"David CLM"), faces.end());
    EXPECT_TRUE(PressDialogButton(dialog, IDCANCEL));
}

TEST(ChooseFontTemplate, HoldsItsControlsInTabOrderWithTheirStylesAndPlaces) {
    const std::optional<DialogTemplate> dialog = ReadDialogTemplate(ProgramPath(), IDD_CHOOSE_FONT);
    ASSERT_TRUE(dialog.has_value()) << "the program has no extended template 105";
    EXPECT_EQ(dialog->Caption, L"Choose Font");
    EXPECT_EQ(dialog->Style,
              DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(dialog->ExStyle, DWORD(WS_EX_TOOLWINDOW));
    EXPECT_EQ(dialog->Width, 152);
    EXPECT_EQ(dialog->Height, 177);
    EXPECT_EQ(dialog->PointSize, 8);
    EXPECT_EQ(dialog->FontName, L"MS Sans Serif");

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const TemplateControl expected[] = {
        {IDC_FONT_FACES, L"ListBox", L"",
         child | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_GROUP |
             WS_TABSTOP,
         0, 7, 7, 107, 94},
        {IDC_FONT_SIZES, L"ListBox", L"",
         child | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_GROUP | WS_TABSTOP,
         0, 120, 44, 25, 56},
        {IDC_FONT_SAMPLE, L"Edit", L"",
         child | ES_MULTILINE | ES_RIGHT | ES_AUTOVSCROLL | WS_BORDER | WS_TABSTOP, 0, 7, 106, 138,
         50},
        {IDC_BASE_1255, L"Button", L"224", child | BS_AUTORADIOBUTTON, 0, 116, 19, 29, 10},
        {IDC_BASE_UNICODE, L"Button", L"5D0", child | BS_AUTORADIOBUTTON, 0, 116, 31, 29, 10},
        {IDOK, L"Button", L"OK", child | WS_TABSTOP, 0, 7, 156, 50, 14},
        {IDCANCEL, L"Button", L"Cancel", child | WS_TABSTOP, 0, 95, 156, 50, 14},
    };
    ASSERT_EQ(dialog->Controls.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const TemplateControl& is = dialog->Controls[i];
        const TemplateControl& should = expected[i];
        EXPECT_EQ(is.Id, should.Id) << "control " << i;
        EXPECT_EQ(lstrcmpiW(is.Class.c_str(), should.Class.c_str()), 0) << should.Id;
        EXPECT_EQ(is.Text, should.Text) << should.Id;
        EXPECT_EQ(is.Style, should.Style) << should.Id;
        EXPECT_EQ(is.ExStyle, 0u) << should.Id;
        EXPECT_EQ((std::vector<short>{is.X, is.Y, is.Width, is.Height}),
                  (std::vector<short>{should.X, should.Y, should.Width, should.Height}))
            << should.Id;
    }
}

TEST_F(ChooseFont, CulmusFaceChecks5D0AndTheSampleReadsAsTheAlphabet) {
    WriteSettingDword(kValueFontAsciiBase, 224);
    LaunchReader();
    HWND dialog = OpenWithCtrlF();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Checked(dialog, IDC_BASE_1255));
    Pick(dialog, IDC_FONT_FACES, L"David CLM");
    EXPECT_TRUE(Checked(dialog, IDC_BASE_UNICODE));
    EXPECT_FALSE(Checked(dialog, IDC_BASE_1255));

    HWND sample = GetDlgItem(dialog, IDC_FONT_SAMPLE);
    wchar_t shown[128] = {};
    SendMessageW(sample, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(shown));
    // Each line in stored order behind its override; read right to left, top
    // line first, the lines give the alphabet.
    std::vector<std::wstring> lines;
    for (std::wstring rest = shown;;) {
        const size_t end = rest.find(L"\r\n");
        lines.push_back(rest.substr(0, end));
        if (end == std::wstring::npos) break;
        rest = rest.substr(end + 2);
    }
    std::wstring read;
    for (const std::wstring& line : lines) {
        ASSERT_GE(line.size(), 2u);
        EXPECT_EQ(line[0], kLeftToRightOverride);
        read.append(line.rbegin(), line.rend() - 1);
    }
    std::wstring alphabet;
    for (wchar_t letter = 0x05D0; letter <= 0x05EA; ++letter) alphabet += letter;
    EXPECT_EQ(read, alphabet);
    // Where the box shows them: alef at the right end of the top line, the
    // letters before it in the line to its left.
    const WPARAM alefAt = lines.front().size() - 1;
    const LRESULT alef = SendMessageW(sample, EM_POSFROMCHAR, alefAt, 0);
    const LRESULT before = SendMessageW(sample, EM_POSFROMCHAR, 1, 0);
    EXPECT_LT(short(LOWORD(before)), short(LOWORD(alef))) << "the sample shows alef at the left";
    const WPARAM tavAt = wcslen(shown) - lines.back().size() + 1;   // first letter of the last line
    const LRESULT tav = SendMessageW(sample, EM_POSFROMCHAR, tavAt, 0);
    EXPECT_GE(short(HIWORD(tav)), short(HIWORD(alef))) << "tav is on the top line's level or below";

    ASSERT_TRUE(WaitUntilHandled(dialog));
    const Capture picture = CaptureClientArea(dialog);
    ASSERT_GT(picture.Width, 0);
    RECT inside{};
    GetClientRect(sample, &inside);
    MapWindowPoints(sample, dialog, reinterpret_cast<POINT*>(&inside), 2);
    const std::vector<InkRow> rows = FindInkRows(picture, inside);
    ASSERT_FALSE(rows.empty()) << "the sample box is empty";
    EXPECT_GT(rows.front().Right, inside.right - 12) << "the letters end at the right edge";
    ExpectRealGlyphs(picture, inside, "the sample");
    EXPECT_TRUE(PressDialogButton(dialog, IDCANCEL));
}

TEST_F(ChooseFont, OtherFaceLeavesTheBaseAsItWas) {
    WriteSettingDword(kValueFontAsciiBase, 224);
    LaunchReader();
    HWND dialog = OpenWithCtrlF();
    ASSERT_NE(dialog, nullptr);
    Pick(dialog, IDC_FONT_FACES, L"DejaVu Serif");
    EXPECT_TRUE(Checked(dialog, IDC_BASE_1255));
    EXPECT_FALSE(Checked(dialog, IDC_BASE_UNICODE));
    EXPECT_TRUE(PressDialogButton(dialog, IDCANCEL));
}

TEST_F(ChooseFont, OkWithSize20StoresItAndLaysTheArticleOutAgain) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    const Capture before = Article();
    HWND dialog = OpenWithCtrlF();
    ASSERT_NE(dialog, nullptr);
    Pick(dialog, IDC_FONT_SIZES, L"20");
    Press(dialog, IDOK);
    const Capture after = Article();
    ASSERT_EQ(after.Pixels.size(), before.Pixels.size());
    EXPECT_NE(after.Pixels, before.Pixels) << "the article was not drawn anew";

    // The title, the verse range, then the first verse, larger than before.
    const RECT view = ArticleViewRect(Window());
    const std::vector<InkRow> rowsBefore = FindInkRows(before, view);
    const std::vector<InkRow> rows = FindInkRows(after, view);
    ASSERT_GE(rows.size(), 3u);
    ASSERT_GE(rowsBefore.size(), 3u);
    EXPECT_GT(rows[2].Bottom - rows[2].Top, rowsBefore[2].Bottom - rowsBefore[2].Top);
    Capture verse;
    verse.Width = view.right - view.left;
    for (int y = rows[2].Top - 4; y < rows[2].Bottom + 4; ++y, ++verse.Height)
        for (int x = view.left; x < view.right; ++x) verse.Pixels.push_back(after.At(x, y));
    std::string failure;
    const std::u16string read = RecogniseHebrewLine(verse, "chosen_size_first_verse", 1, &failure);
    ASSERT_TRUE(failure.empty()) << failure;
    const std::vector<std::u16string> found = HebrewWords(read);
    EXPECT_GE(WordsFoundInOrder(HebrewWords(u"בראשית ברא אלהים את השמים ואת הארץ"), found), 5)
        << ToUtf8(read);

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueFontSize), 20u);
    EXPECT_EQ(ReadSettingString(kValueFontName), std::wstring(kStandardFontName));
    EXPECT_EQ(ReadSettingDword(kValueFontAsciiBase), 1488u);
}

TEST_F(ChooseFont, CancelChangesNothing) {
    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    const Capture before = Article();
    HWND dialog = OpenWithCtrlF();
    ASSERT_NE(dialog, nullptr);
    Pick(dialog, IDC_FONT_FACES, L"David CLM");
    Pick(dialog, IDC_FONT_SIZES, L"32");
    Press(dialog, IDCANCEL);
    const Capture after = Article();
    EXPECT_EQ(after.Pixels, before.Pixels);

    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueFontSize), kStandardFontSize);
    EXPECT_EQ(ReadSettingString(kValueFontName), std::wstring(kStandardFontName));
    EXPECT_EQ(ReadSettingDword(kValueFontAsciiBase), 1488u);
}

int CALLBACK NoteCharSet(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD, LPARAM sets) {
    auto* charSets = reinterpret_cast<std::map<std::wstring, BYTE>*>(sets);
    charSets->emplace(font->lfFaceName, metrics->tmCharSet);   // the first one enumerated
    return 1;
}

TEST_F(ChooseFont, EveryHebrewFaceListedDrawsRealGlyphsInTheArticle) {
    std::map<std::wstring, BYTE> charSets;
    HDC screen = GetDC(nullptr);
    EnumFontsW(screen, nullptr, NoteCharSet, reinterpret_cast<LPARAM>(&charSets));
    ReleaseDC(nullptr, screen);

    WriteSettingDword(kValueLesson, 1);
    LaunchReader();
    HWND dialog = OpenWithCtrlF();
    ASSERT_NE(dialog, nullptr);
    std::vector<std::wstring> hebrewFaces;
    for (const std::wstring& face : ListItems(GetDlgItem(dialog, IDC_FONT_FACES)))
        if (charSets[face] == HEBREW_CHARSET) hebrewFaces.push_back(face);
    Press(dialog, IDCANCEL);
    ASSERT_GE(hebrewFaces.size(), 5u) << "the Culmus faces are not installed (tools/setup.sh)";

    for (const std::wstring& face : hebrewFaces) {
        const std::string name(face.begin(), face.end());
        dialog = OpenFromTheMenu();
        ASSERT_NE(dialog, nullptr);
        Pick(dialog, IDC_FONT_FACES, face);
        EXPECT_TRUE(Checked(dialog, IDC_BASE_UNICODE)) << name;
        Press(dialog, IDOK);
        const Capture capture = Article();
        RECT view = ArticleViewRect(Window());
        const std::vector<InkRow> rows = FindInkRows(capture, view);
        ASSERT_GE(rows.size(), 4u) << name;
        view.top = rows[2].Top;   // the verses
        ExpectRealGlyphs(capture, view, name);
    }
}

// The fallback face as the reader chooses it, on this test's own screen.
std::wstring FallbackFaceHere() {
    HDC screen = GetDC(nullptr);
    GdiTextDevice device(screen);
    const std::wstring face(AsWide(ChooseFallbackFace(device, kUnicodeBase)));
    ReleaseDC(nullptr, screen);
    return face;
}

class FirstRun : public ChooseFont {};

TEST_F(FirstRun, FreshRegistryAsksOnceAndNeverAgainOnceAFaceIsStored) {
    ClearSettings();
    ASSERT_TRUE(reader.Start());
    ASSERT_TRUE(reader.WaitForMainWindow());
    HWND dialog = WaitForProgramDialog(reader.ProcessId(), kChooseFontCaption);
    ASSERT_NE(dialog, nullptr) << "the first run asked for no font";
    EXPECT_TRUE(IsWindowVisible(Window())) << "the window is shown before the question";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), Window());
    // What the article is drawn in is what the dialog offers: the face the
    // reader falls back to, chosen among the faces installed here.
    const std::wstring fallback = FallbackFaceHere();
    ASSERT_FALSE(fallback.empty()) << "no face of the fallback list draws Hebrew here";
    EXPECT_EQ(Selection(dialog, IDC_FONT_FACES), fallback);
    EXPECT_EQ(Selection(dialog, IDC_FONT_SIZES), std::to_wstring(kFallbackFontSize));
    Pick(dialog, IDC_FONT_FACES, L"Frank Ruehl CLM");
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    EXPECT_EQ(FindProgramDialog(reader.ProcessId(), kChooseFontCaption), nullptr)
        << "the dialog came twice";
    CloseReader();
    EXPECT_EQ(ReadSettingString(kValueFontName), std::wstring(L"Frank Ruehl CLM"));

    LaunchReader();
    EXPECT_EQ(FindProgramDialog(reader.ProcessId(), kChooseFontCaption), nullptr)
        << "a stored face asks again";
    CloseReader();
}

TEST_F(FirstRun, CancelKeepsTheFallbackFaceAndStoresNoFont) {
    ClearSettings();
    WriteSettingDword(kValueLesson, 1);
    ASSERT_TRUE(reader.Start());
    ASSERT_TRUE(reader.WaitForMainWindow());
    HWND dialog = WaitForProgramDialog(reader.ProcessId(), kChooseFontCaption);
    ASSERT_NE(dialog, nullptr) << "the first run asked for no font";
    Pick(dialog, IDC_FONT_FACES, L"David CLM");
    Press(dialog, IDCANCEL);
    const Capture capture = Article();
    RECT view = ArticleViewRect(Window());
    const std::vector<InkRow> rows = FindInkRows(capture, view);
    ASSERT_GE(rows.size(), 4u);
    view.top = rows[2].Top;
    ExpectRealGlyphs(capture, view, "the fallback face");
    CloseReader();
    EXPECT_FALSE(SettingExists(kValueFontName));
    EXPECT_FALSE(SettingExists(kValueFontSize));
}

}  // namespace
