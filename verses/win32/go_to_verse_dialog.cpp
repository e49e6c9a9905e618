#include "verses/win32/go_to_verse_dialog.h"

#include <string>
#include <vector>

#include "platform/win32/dialog.h"
#include "platform/win32/selected_object.h"
#include "platform/win32/subclassed_control.h"
#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "search/win32/search_field.h"
#include "settings/app_settings.h"
#include "verses/verse_reference.h"
#include "verses/verse_selection.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

constexpr COLORREF kAnswerColour = RGB(0, 0, 0);
constexpr COLORREF kWrongColour = RGB(176, 0, 0);

// One dialog at a time.
struct GoToVerseState {
    const VerseIndex* Index;
    HFONT FieldFont;
    ReferenceAnswer Answer;
};
GoToVerseState State{};

// The search field's procedure, under the verse field's own: every field
// made a search field shares it.
WNDPROC SearchFieldProc = nullptr;

HWND FieldOf(HWND dialog) { return GetDlgItem(dialog, IDC_VERSE_FIELD); }

// What the field holds, in reading order.
std::u16string TypedReference(HWND field) {
    wchar_t units[kFieldMaxCharacters + 1] = {};
    ReadFieldText(field, units);
    const std::u16string display(AsUnits(units));
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

struct DrawnPiece {
    std::u16string Units;
    HFONT Font;
    TextExtent Size;
};

// The line, centred: Latin pieces in the dialog's font, Hebrew ones in the
// field's, each drawn exactly in the order given.
void DrawAnswer(const DRAWITEMSTRUCT& item, HFONT latinFont) {
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    GdiTextDevice device(dc);
    std::vector<DrawnPiece> pieces;
    int32_t width = 0;
    for (const LinePiece& piece : State.Answer.Line) {
        DrawnPiece drawn{piece.Hebrew ? StoredOrderUnits(piece.Text) : std::u16string(piece.Text.begin(), piece.Text.end()),
                         piece.Hebrew ? State.FieldFont : latinFont, {}};
        const SelectedObject font(dc, drawn.Font);
        drawn.Size = device.MeasureRun(drawn.Units.data(), int32_t(drawn.Units.size()));
        width += drawn.Size.Width;
        pieces.push_back(drawn);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, State.Answer.Valid ? kAnswerColour : kWrongColour);
    int32_t x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - width) / 2;
    for (const DrawnPiece& piece : pieces) {
        const SelectedObject font(dc, piece.Font);
        const Rect box{x, item.rcItem.top, x + piece.Size.Width, item.rcItem.bottom};
        device.DrawRunCentred(piece.Units.data(), int32_t(piece.Units.size()), box);
        x += piece.Size.Width;
    }
}

void ReadAnswer(HWND dialog) {
    const std::u16string typed = TypedReference(FieldOf(dialog));
    State.Answer = ReadReference(*State.Index, typed.data(), typed.size(), AppSettings.Font.FontAsciiBase);
    InvalidateRect(GetDlgItem(dialog, IDC_VERSE_LINE), nullptr, TRUE);
}

// A number typed among the Hebrew keeps its separators in its own
// left-to-right order: after a digit, the separator keys are inserted as
// themselves with the caret after them, as digits are. Every other message
// goes on to the search field's procedure.
LRESULT CALLBACK VerseFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && GetKeyState(VK_SCROLL) == 0 && NumberSeparator(wParam) != 0 &&
        CaretFollowsDigit(field)) {
        const wchar_t separator[2] = {NumberSeparator(wParam), 0};
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(separator));
        return 0;
    }
    return CallWindowProcW(SearchFieldProc, field, message, wParam, lParam);
}

INT_PTR OnInitDialog(HWND dialog, LPARAM lParam) {
    State = GoToVerseState{};
    State.Index = DialogRequest<const VerseIndex>(lParam);
    HWND field = FieldOf(dialog);
    State.FieldFont = CreateSearchFieldFont(field);
    SetUpSearchField(field, State.FieldFont, kFieldMaxCharacters, L"");
    // The search field's procedure was installed just now, so the platform
    // takes this one too.
    SubclassControl(field, VerseFieldProc, &SearchFieldProc);
    ReadAnswer(dialog);
    return TRUE;   // the focus goes to the field, the first tab stop
}

// Enter goes only to verses the book holds; otherwise the line has said why.
void OnOk(HWND dialog) {
    if (State.Answer.Valid) {
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

INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case IDOK:            OnOk(dialog); return TRUE;
        case IDCANCEL:        OnCancel(dialog); return TRUE;
        case IDC_VERSE_FIELD:
            if (HIWORD(wParam) == EN_CHANGE) OnFieldChange(dialog, reinterpret_cast<HWND>(lParam));
            return TRUE;
    }
    return FALSE;
}

INT_PTR OnDrawItem(HWND dialog, const DRAWITEMSTRUCT* item) {
    if (item->CtlID != IDC_VERSE_LINE) return FALSE;
    DrawAnswer(*item, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    return TRUE;
}

INT_PTR OnDestroy() {
    DeleteDialogObject(&State.FieldFont);
    return FALSE;
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

}  // namespace

void ShowGoToVerseDialog(HWND owner) {
    const VerseIndex* index = BookVerseIndex();
    if (!index) return;
    if (RunDialog(IDD_GO_TO_VERSE, owner, GoToVerseDialogProc, const_cast<VerseIndex*>(index)) == IDOK)
        GoToVerse(owner, *index, State.Answer.Span);
}
