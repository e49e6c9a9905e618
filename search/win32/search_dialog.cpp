#include "search/win32/search_dialog.h"

#include "platform/allocation.h"
#include "resources/resource_ids.h"
#include "search/book_search.h"
#include "search/search_keys.h"
#include "search/search_pattern.h"
#include "search/win32/search_field.h"
#include "settings/app_settings.h"
#include "view/letter_codes.h"
#include "view/win32/letter_font.h"

namespace {

// The keyboard picture's place in the template, in dialog units.
constexpr int kPictureLeft = 104;
constexpr int kPictureTop = 71;

// One dialog at a time.
struct SearchDialogState {
    HFONT FieldFont;
    int BaseUnitX, BaseUnitY;   // GetDialogBaseUnits, read at open
};
SearchDialogState Dialog{};

// The signed client coordinates of a mouse message.
int ClickX(LPARAM lParam) { return int(short(LOWORD(lParam))); }
int ClickY(LPARAM lParam) { return int(short(HIWORD(lParam))); }

HWND FieldOf(HWND dialog) { return GetDlgItem(dialog, IDC_SEARCH_FIELD); }

const FontSpec& ArticleFont() { return AppSettings.View ? AppSettings.View->Font : AppSettings.Font; }

// The field's font: the article's face, its FontSize value used directly as
// the height (0 leaves the height to the font mapper), made as the article's
// letters are, so that a face with only the Hebrew code page is not replaced
// by another and a face without the letters gives way to one with them.
HFONT MakeFieldFont(HWND field) {
    const FontSpec& spec = ArticleFont();
    HDC dc = GetDC(field);
    HFONT font = CreateLetterFont(dc, spec.FontName, spec.FontSize, FW_DONTCARE, spec.FontAsciiBase);
    if (dc) ReleaseDC(field, dc);
    return font;
}

// The stored pattern as display characters, in stored order: the Reverse step
// is left out, so that confirming the field unchanged keeps the pattern.
void FillField(HWND field) {
    const uint8_t* pattern = AppSettings.SearchString;
    int32_t count = 0;
    while (count < kPatternMaxLength && pattern[count] != 0) ++count;
    const uint32_t savedFlags = AppSettings.Flags;
    AppSettings.Flags &= ~kFlagsReverse;
    char16_t* units = LettersToDisplay(pattern, count, nullptr);
    AppSettings.Flags = savedFlags;
    wchar_t text[kFieldLimit + 1] = {kFieldOrderMark};
    for (int32_t i = 0; units && i < count && units[i]; ++i) text[i + 1] = wchar_t(units[i]);
    PlainFree(units);
    SetWindowTextW(field, text);
}

BOOL OnInitDialog(HWND dialog) {
    HWND field = FieldOf(dialog);
    const LONG units = GetDialogBaseUnits();
    Dialog.BaseUnitX = LOWORD(units);
    Dialog.BaseUnitY = HIWORD(units);
    Dialog.FieldFont = MakeFieldFont(field);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(Dialog.FieldFont), TRUE);
    SendMessageW(field, EM_LIMITTEXT, kFieldLimit, 0);
    FillField(field);
    SubclassSearchEdit(field);
    return TRUE;   // the focus goes to the field, the first tab stop
}

void OnOk(HWND dialog) {
    HWND field = FieldOf(dialog);
    wchar_t text[kFieldMaxCharacters + 1] = {};
    ReadFieldPattern(field, text);
    ConvertPattern(reinterpret_cast<const char16_t*>(text));
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

}  // namespace

void ShowSearchDialog(HWND owner) {
    DialogBoxParamW(static_cast<HINSTANCE>(AppSettings.Instance), MAKEINTRESOURCEW(IDD_SEARCH), owner,
                    SearchDialogProc, 0);
}

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_COMMAND:
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
        case WM_LBUTTONDOWN:
            PictureKeyAt(dialog, ClickX(lParam), ClickY(lParam));
            return TRUE;
        case WM_DESTROY:
            if (Dialog.FieldFont) DeleteObject(Dialog.FieldFont);
            Dialog.FieldFont = nullptr;
            return FALSE;
    }
    return FALSE;
}

// The picture's corner is taken from where the dialog's own font put the
// picture control, so that a click finds its key whatever the system's
// dialog base units are.
int PictureKeyAt(HWND dialog, int x, int y) {
    RECT corner{kPictureLeft, kPictureTop, kPictureLeft, kPictureTop};
    MapDialogRect(dialog, &corner);
    const int32_t key = PictureKeyNumber(x - corner.left, y - corner.top);
    if (key == kNoPictureKey) return 1;
    InsertPictureLetter(dialog, key);
    return 0;
}

void InsertPictureLetter(HWND dialog, int k) {
    HWND field = FieldOf(dialog);
    if (!field || k < kSpaceBarKey || k > kPictureKeyCount) return;
    InsertInFront(field, wchar_t(PictureKeyCharacter(k, AppSettings.Font.FontAsciiBase)));
}
