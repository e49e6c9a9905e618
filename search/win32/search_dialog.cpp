#include "search/win32/search_dialog.h"

#include "platform/win32/dialog.h"
#include "platform/win32/dialog_picture.h"
#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "search/book_search.h"
#include "search/search_keys.h"
#include "search/search_pattern.h"
#include "search/win32/search_field.h"
#include "settings/app_settings.h"
#include "view/letter_codes.h"

namespace {

// The keyboard picture's place in the template, in dialog units.
constexpr int kPictureLeft = 104;
constexpr int kPictureTop = 71;

// One dialog at a time.
struct SearchDialogState {
    HFONT FieldFont;
    HBITMAP Picture;   // the keyboard at the screen's multiple, when not the template's
};
SearchDialogState State{};

// The signed client coordinates of a mouse message.
int ClickX(LPARAM lParam) { return int(short(LOWORD(lParam))); }
int ClickY(LPARAM lParam) { return int(short(HIWORD(lParam))); }

HWND FieldOf(HWND dialog) { return GetDlgItem(dialog, IDC_SEARCH_FIELD); }

// Inserts the letter of picture key k (0, the space bar, to 27) into the
// field, without moving the focus.
void InsertPictureLetter(HWND dialog, int k) {
    HWND field = FieldOf(dialog);
    if (!field || k < kSpaceBarKey || k > kPictureKeyCount) return;
    InsertInFront(field, wchar_t(PictureKeyCharacter(k, AppSettings.Font.FontAsciiBase)));
}

// A click at (x, y) of the dialog's client area: the picture key there, if
// any, inserts its letter. The picture's corner is taken from where the
// dialog's own font put the picture control, so that a click finds its key
// whatever the system's dialog base units are.
void PictureKeyAt(HWND dialog, int x, int y) {
    RECT corner{kPictureLeft, kPictureTop, kPictureLeft, kPictureTop};
    MapDialogRect(dialog, &corner);
    const int32_t key = PictureKeyNumber(x - corner.left, y - corner.top, ScreenDialogPictureMultiple());
    if (key != kNoPictureKey) InsertPictureLetter(dialog, key);
}

INT_PTR OnInitDialog(HWND dialog) {
    State = SearchDialogState{};
    State.FieldFont = CreateSearchFieldFont(FieldOf(dialog));
    State.Picture = ShowDialogPicture(dialog, IDB_SEARCH_KEYBOARD,
                                      ScreenDialogPicture(IDB_SEARCH_KEYBOARD, IDB_SEARCH_KEYBOARD_TWICE));
    wchar_t text[kFieldMaxCharacters + 1] = {};
    StoredPatternText(text);
    SetUpSearchField(FieldOf(dialog), State.FieldFont, kFieldMaxCharacters, text);
    return TRUE;   // the focus goes to the field, the first tab stop
}

INT_PTR OnDestroy() {
    DeleteDialogObject(&State.FieldFont);
    DeleteDialogObject(&State.Picture);
    return FALSE;
}

void OnOk(HWND dialog) {
    HWND field = FieldOf(dialog);
    wchar_t text[kFieldMaxCharacters + 1] = {};
    ReadFieldText(field, text);
    ConvertPattern(AsUnits(text));
    if (AppSettings.SearchString[0] == 0) {
        EndDialog(dialog, IDOK);
        return;
    }
    if (SearchBook(dialog) == kSearchHitShown) {
        EndDialog(dialog, IDOK);
        return;
    }
    // "Not Found!" has been shown: the text stays, selected for retyping.
    SendMessageW(field, EM_SETSEL, 1, -1);
    SetFocus(field);
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOk(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_SEARCH_FIELD:
            if (HIWORD(wParam) == EN_CHANGE) KeepFieldOrderMark(reinterpret_cast<HWND>(lParam));
            return TRUE;
    }
    return FALSE;
}

INT_PTR OnLButtonDown(HWND dialog, LPARAM lParam) {
    PictureKeyAt(dialog, ClickX(lParam), ClickY(lParam));
    return TRUE;
}

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:  return OnInitDialog(dialog);
        case WM_COMMAND:     return OnCommand(dialog, wParam, lParam);
        case WM_LBUTTONDOWN: return OnLButtonDown(dialog, lParam);
        case WM_DESTROY:     return OnDestroy();
    }
    return FALSE;
}

}  // namespace

void ShowSearchDialog(HWND owner) { RunDialog(IDD_SEARCH, owner, SearchDialogProc, nullptr); }
