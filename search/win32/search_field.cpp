#include "search/win32/search_field.h"

#include <string>

#include "platform/ports.h"
#include "platform/win32/subclassed_control.h"
#include "platform/win32/wide_text.h"
#include "search/search_keys.h"
#include "search/search_pattern.h"
#include "settings/app_settings.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/win32/letter_font.h"

namespace {

constexpr wchar_t kSubclassErrorText[] = L"SubclassWindow() error";
constexpr wchar_t kSubclassErrorCaption[] = L"Hebrew";

// One procedure for every search field: EDIT controls share their class's.
WNDPROC PreviousEditProc = nullptr;

LRESULT PassOn(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(PreviousEditProc, field, message, wParam, lParam);
}

struct Selection {
    DWORD Start, End;
};

Selection SelectionOf(HWND field) {
    Selection s{0, 0};
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&s.Start), reinterpret_cast<LPARAM>(&s.End));
    return s;
}

void Select(HWND field, DWORD start, DWORD end) { SendMessageW(field, EM_SETSEL, start, end); }

void ReplaceSelection(HWND field, const wchar_t* text) {
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

// The field's room: its characters and the mark.
int FieldLimit(HWND field) { return int(SendMessageW(field, EM_GETLIMITTEXT, 0, 0)); }

std::wstring TextOf(HWND field) {
    std::wstring text(size_t(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(field, text.data(), int(text.size()))));
    return text;
}

// Where the real characters start: after the mark.
DWORD TextStart(HWND field) {
    wchar_t first[2] = {};
    GetWindowTextW(field, first, 2);
    return first[0] == kFieldOrderMark ? 1 : 0;
}

// The caret never stands in front of the mark, where a letter would end the
// mark's effect.
void KeepCaretAfterMark(HWND field) {
    const DWORD start = TextStart(field);
    Selection s = SelectionOf(field);
    if (s.Start >= start && s.End >= start) return;
    Select(field, s.Start < start ? start : s.Start, s.End < start ? start : s.End);
}

// Backspace: the character after the caret, the next one in storage order.
void DeleteAfterCaret(HWND field) {
    Selection s = SelectionOf(field);
    if (s.Start == s.End) {
        const DWORD length = DWORD(SendMessageW(field, EM_LINELENGTH, 0, 0));
        if (s.Start >= length) return;
        Select(field, s.Start, s.Start + 1);
    }
    ReplaceSelection(field, L"");
}

// Delete: the character before the caret.
void DeleteBeforeCaret(HWND field) {
    Selection s = SelectionOf(field);
    if (s.Start == s.End) {
        if (s.Start <= TextStart(field)) return;
        Select(field, s.Start - 1, s.Start);
    }
    ReplaceSelection(field, L"");
}

bool ScrollLockOn() { return GetKeyState(VK_SCROLL) != 0; }
bool ShiftDown() { return GetKeyState(VK_SHIFT) < 0; }

// Maps and inserts one typed character with the caret put back in front of
// it; 0 when handled, 1 when the field's own handling must take it.
int InsertMappedKey(HWND field, wchar_t c) {
    char16_t mapped = 0;
    if (!MappedCharacter(char16_t(c), AppSettings.Font.FontAsciiBase, &mapped)) return 1;
    InsertInFront(field, wchar_t(mapped));
    return 0;
}

LRESULT CALLBACK SearchEditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ScrollLockOn()) {
        // A plain field, but the caret stays after the mark.
        const LRESULT result = PassOn(field, message, wParam, lParam);
        if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_LBUTTONUP) KeepCaretAfterMark(field);
        return result;
    }
    switch (message) {
        case WM_CHAR:
            if (InsertMappedKey(field, wchar_t(wParam)) == 0) return 0;
            if (wParam == VK_BACK) {
                KeepCaretAfterMark(field);
                DeleteAfterCaret(field);
                return 0;
            }
            KeepCaretAfterMark(field);
            return PassOn(field, message, wParam, lParam);
        case WM_KEYDOWN: {
            if (wParam == VK_DELETE && !ShiftDown()) {
                KeepCaretAfterMark(field);
                DeleteBeforeCaret(field);
                return 1;
            }
            if (wParam == VK_END)
                wParam = VK_HOME;
            else if (wParam == VK_HOME)
                wParam = VK_END;
            const LRESULT result = PassOn(field, message, wParam, lParam);
            KeepCaretAfterMark(field);
            return result;
        }
        case WM_LBUTTONUP: {
            const LRESULT result = PassOn(field, message, wParam, lParam);
            KeepCaretAfterMark(field);
            return result;
        }
    }
    return PassOn(field, message, wParam, lParam);
}

// Installs SearchEditProc as the field's window procedure.
void SubclassSearchEdit(HWND field) {
    if (!field) return;
    if (!SubclassControl(field, SearchEditProc, &PreviousEditProc)) {
        Ports.Messages->ShowMessage(nullptr, AsUnits(kSubclassErrorText), AsUnits(kSubclassErrorCaption), kMbOk);
        ExitProcess(1);
    }
}

}  // namespace

HFONT CreateSearchFieldFont(HWND field) {
    const FontSpec& spec = AppSettings.View ? AppSettings.View->Font : AppSettings.Font;
    HDC dc = GetDC(field);
    // The size is a height in pixels at 96 DPI, scaled for the screen.
    HFONT font = CreateLetterFont(dc, spec.FontName, ScreenPixels(spec.FontSize), FW_DONTCARE,
                                  spec.FontAsciiBase);
    if (dc) ReleaseDC(field, dc);
    return font;
}

void SetUpSearchField(HWND field, HFONT font, int maxCharacters, const wchar_t* text) {
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(field, EM_LIMITTEXT, WPARAM(maxCharacters + 1), 0);
    const std::wstring shown = kFieldOrderMark + std::wstring(text);
    SetWindowTextW(field, shown.c_str());
    SubclassSearchEdit(field);
}

void InsertInFront(HWND field, wchar_t c) {
    KeepCaretAfterMark(field);
    const Selection selection = SelectionOf(field);
    // A full field takes nothing (a selection makes room for the character).
    if (selection.Start == selection.End && GetWindowTextLengthW(field) >= FieldLimit(field)) return;
    const wchar_t text[2] = {c, 0};
    ReplaceSelection(field, text);
    const DWORD s = SelectionOf(field).Start;
    if (s > 0) Select(field, s - 1, s - 1);
}

void ReadFieldText(HWND field, wchar_t* units) {
    const std::wstring text = TextOf(field);
    const int maxCharacters = FieldLimit(field) - 1;
    int n = 0;
    for (size_t i = 0; i < text.size() && n < maxCharacters; ++i)
        if (text[i] != kFieldOrderMark) units[n++] = text[i];
    units[n] = 0;
}

void KeepFieldOrderMark(HWND field) {
    const std::wstring text = TextOf(field);
    if (!text.empty() && text[0] == kFieldOrderMark && text.find(kFieldOrderMark, 1) == std::wstring::npos)
        return;
    const Selection s = SelectionOf(field);
    std::wstring fixed(1, kFieldOrderMark);
    DWORD caret = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kFieldOrderMark) continue;
        if (i < s.Start) ++caret;
        fixed += text[i];
    }
    const size_t limit = size_t(FieldLimit(field));
    if (fixed.size() > limit) fixed.resize(limit);
    if (caret > fixed.size()) caret = DWORD(fixed.size());
    SetWindowTextW(field, fixed.c_str());
    Select(field, caret, caret);
}

void StoredPatternText(wchar_t* text) {
    const uint8_t* pattern = AppSettings.SearchString;
    int32_t count = 0;
    while (count < kPatternMaxLength && pattern[count] != 0) ++count;
    const std::u16string units = StoredOrderUnits(pattern, count);
    size_t i = 0;
    for (; i < units.size() && i < size_t(kFieldMaxCharacters); ++i) text[i] = wchar_t(units[i]);
    text[i] = 0;
}
