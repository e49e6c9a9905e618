#include "verses/win32/go_to_verse_dialog.h"

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "search/win32/search_field.h"
#include "settings/app_settings.h"
#include "verses/verse_reference.h"
#include "verses/verse_selection.h"
#include "view/letter_codes.h"

namespace {

constexpr COLORREF kAnswerColour = RGB(0, 0, 0);
constexpr COLORREF kWrongColour = RGB(176, 0, 0);

// One dialog at a time.
struct GoToVerseState {
    const VerseIndex* Index;
    HFONT FieldFont;
    WNDPROC FieldProc;          // the search field's procedure under VerseFieldProc
    ReferenceAnswer Answer;
};
GoToVerseState Dialog{};

HWND FieldOf(HWND dialog) { return GetDlgItem(dialog, IDC_VERSE_FIELD); }

// What the field holds, in reading order.
std::u16string TypedReference(HWND field) {
    wchar_t units[kFieldMaxCharacters + 1] = {};
    ReadFieldPattern(field, units);
    const std::u16string display(reinterpret_cast<const char16_t*>(units));
    return TypedReadingOrder(display.data(), display.size());
}

// The separator a key gives after a digit: the Hebrew layout's comma and
// period keys, and the separators themselves.
wchar_t NumberSeparator(WPARAM key) {
    switch (key) {
        case L'\'': case L',': return L',';
        case L'/': case L'.': return L'.';
        case L':': case L'-': case L' ': return wchar_t(key);
    }
    return 0;
}

bool CaretFollowsDigit(HWND field) {
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == 0) return false;
    std::wstring text(size_t(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(field, text.data(), int(text.size()))));
    return start <= text.size() && text[start - 1] >= L'0' && text[start - 1] <= L'9';
}

// A Hebrew piece as the field's font draws it: letters at the font's base,
// in stored order.
std::wstring HebrewUnits(const std::string& letters) {
    const uint32_t savedFlags = AppSettings.Flags;
    AppSettings.Flags &= ~kFlagsReverse;
    const char16_t* units = LettersToDisplay(reinterpret_cast<const uint8_t*>(letters.data()),
                                             int32_t(letters.size()), &SharedConversion);
    AppSettings.Flags = savedFlags;
    return units ? std::wstring(reinterpret_cast<const wchar_t*>(units), letters.size()) : std::wstring();
}

struct DrawnPiece {
    std::wstring Units;
    HFONT Font;
    SIZE Size;
};

// The line, centred: Latin pieces in the dialog's font, Hebrew ones in the
// field's, each drawn exactly in the order given.
void DrawAnswer(const DRAWITEMSTRUCT& item, HFONT latinFont) {
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    std::vector<DrawnPiece> pieces;
    int width = 0;
    const HGDIOBJ savedFont = GetCurrentObject(dc, OBJ_FONT);
    for (const LinePiece& piece : Dialog.Answer.Line) {
        DrawnPiece drawn{piece.Hebrew ? HebrewUnits(piece.Text) : std::wstring(piece.Text.begin(), piece.Text.end()),
                         piece.Hebrew ? Dialog.FieldFont : latinFont, {}};
        SelectObject(dc, drawn.Font);
        GetTextExtentPoint32W(dc, drawn.Units.c_str(), int(drawn.Units.size()), &drawn.Size);
        width += drawn.Size.cx;
        pieces.push_back(drawn);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Dialog.Answer.Valid ? kAnswerColour : kWrongColour);
    int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - width) / 2;
    for (const DrawnPiece& piece : pieces) {
        SelectObject(dc, piece.Font);
        const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - piece.Size.cy) / 2;
        ExtTextOutW(dc, x, y, ETO_IGNORELANGUAGE | ETO_CLIPPED, &item.rcItem, piece.Units.c_str(),
                    UINT(piece.Units.size()), nullptr);
        x += piece.Size.cx;
    }
    SelectObject(dc, savedFont);
}

void ReadAnswer(HWND dialog) {
    const std::u16string typed = TypedReference(FieldOf(dialog));
    Dialog.Answer = ReadReference(*Dialog.Index, typed.data(), typed.size(), AppSettings.Font.FontAsciiBase);
    InvalidateRect(GetDlgItem(dialog, IDC_VERSE_LINE), nullptr, TRUE);
}

BOOL OnInitDialog(HWND dialog, LPARAM parameter) {
    Dialog = GoToVerseState{};
    Dialog.Index = reinterpret_cast<const VerseIndex*>(parameter);
    HWND field = FieldOf(dialog);
    Dialog.FieldFont = MakeSearchFieldFont(field);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(Dialog.FieldFont), TRUE);
    SendMessageW(field, EM_LIMITTEXT, kFieldLimit, 0);
    const wchar_t empty[] = {kFieldOrderMark, 0};
    SetWindowTextW(field, empty);
    SubclassSearchEdit(field);
    Dialog.FieldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(VerseFieldProc)));
    ReadAnswer(dialog);
    return TRUE;   // the focus goes to the field, the first tab stop
}

// Enter goes only to verses the book holds; otherwise the line has said why.
void OnOk(HWND dialog) {
    if (Dialog.Answer.Valid) {
        EndDialog(dialog, IDOK);
        return;
    }
    MessageBeep(MB_OK);
    SetFocus(FieldOf(dialog));
}

void OnCancel(HWND dialog) { EndDialog(dialog, IDCANCEL); }

void OnFieldChange(HWND dialog, HWND field) {
    KeepFieldOrderMark(field);
    ReadAnswer(dialog);
}

BOOL OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case IDOK:            OnOk(dialog); return TRUE;
        case IDCANCEL:        OnCancel(dialog); return TRUE;
        case IDC_VERSE_FIELD:
            if (HIWORD(wParam) == EN_CHANGE) OnFieldChange(dialog, reinterpret_cast<HWND>(lParam));
            return TRUE;
    }
    return FALSE;
}

BOOL OnDrawItem(HWND dialog, const DRAWITEMSTRUCT* item) {
    if (item->CtlID != IDC_VERSE_LINE) return FALSE;
    DrawAnswer(*item, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    return TRUE;
}

BOOL OnDestroy() {
    if (Dialog.FieldFont) DeleteObject(Dialog.FieldFont);
    Dialog.FieldFont = nullptr;
    return FALSE;
}

}  // namespace

void ShowGoToVerseDialog(HWND owner) {
    const VerseIndex* index = BookVerseIndex();
    if (!index) return;
    const INT_PTR result = DialogBoxParamW(static_cast<HINSTANCE>(AppSettings.Instance),
                                           MAKEINTRESOURCEW(IDD_GO_TO_VERSE), owner, GoToVerseDialogProc,
                                           reinterpret_cast<LPARAM>(index));
    if (result == IDOK) GoToVerse(owner, *index, Dialog.Answer.Span);
}

INT_PTR CALLBACK GoToVerseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog, lParam);
        case WM_COMMAND:    return OnCommand(dialog, wParam, lParam);
        case WM_DRAWITEM:   return OnDrawItem(dialog, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_DESTROY:    return OnDestroy();
    }
    return FALSE;
}

LRESULT CALLBACK VerseFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && GetKeyState(VK_SCROLL) == 0 && NumberSeparator(wParam) != 0 &&
        CaretFollowsDigit(field)) {
        const wchar_t separator[2] = {NumberSeparator(wParam), 0};
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(separator));
        return 0;
    }
    return CallWindowProcW(Dialog.FieldProc, field, message, wParam, lParam);
}
