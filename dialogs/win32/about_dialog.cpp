#include "dialogs/win32/about_dialog.h"

#include "dialogs/win32/web_address.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kLinkTextSize = 101;   // at most 100 characters and the 0
constexpr LONG kLinkWeight = 800;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// While the box is open.
struct AboutBoxState {
    HFONT LinkFont;
    WNDPROC PreviousLinkProc;
    // F1 in the box, or in another dialog while it is open, asks the main
    // window for the box again: there is only this one record for it.
    bool Open;
};
AboutBoxState AboutBox;

INT_PTR OnAboutCommand(HWND dialog, int command) {
    switch (command) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, command);
            if (AboutBox.LinkFont) DeleteObject(AboutBox.LinkFont);
            AboutBox.LinkFont = nullptr;
            return TRUE;
        case IDC_MAKER_LINK:
            OpenMakerSite(GetDlgItem(dialog, IDC_MAKER_LINK));
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HFONT SetupLinkControl(HWND dialog) {
    HWND link = GetDlgItem(dialog, IDC_MAKER_LINK);
    if (!link) return nullptr;
    HDC dc = GetDC(link);
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkControlProc)));
    // A second opening finds the procedure of the first still remembered.
    if (previous != LinkControlProc) AboutBox.PreviousLinkProc = previous;

    HFONT font = nullptr;
    LOGFONTW description{};
    auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
    if (dialogFont && GetObjectW(dialogFont, sizeof description, &description)) {
        description.lfUnderline = TRUE;
        description.lfWeight = kLinkWeight;
        font = CreateFontIndirectW(&description);
    }
    if (font) {
        HGDIOBJ before = SelectObject(dc, font);
        wchar_t text[kLinkTextSize] = {};
        const int length = GetWindowTextW(link, text, kLinkTextSize);
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text, length, &extent);
        SetWindowPos(link, nullptr, 0, 0, extent.cx + 2 * GetSystemMetrics(SM_CXEDGE),
                     extent.cy + 2 * GetSystemMetrics(SM_CYEDGE),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
        SelectObject(dc, before);
    }
    ReleaseDC(link, dc);
    return font;
}

LRESULT CALLBACK LinkControlProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return CallWindowProcW(AboutBox.PreviousLinkProc, link, message, wParam, lParam);
}

void DrawLink(HWND dialog, int controlId, const DRAWITEMSTRUCT* item) {
    wchar_t text[kLinkTextSize] = {};
    const int length = GetDlgItemTextW(dialog, controlId, text, kLinkTextSize);
    SetTextColor(item->hDC, kLinkColour);
    SetBkMode(item->hDC, TRANSPARENT);
    ExtTextOutW(item->hDC, 0, GetSystemMetrics(SM_CYEDGE), ETO_CLIPPED, &item->rcItem, text,
                UINT(length), nullptr);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            AboutBox.LinkFont = SetupLinkControl(dialog);
            return FALSE;   // the box asks for no default focus
        case WM_DRAWITEM:
            DrawLink(dialog, int(wParam), reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            return OnAboutCommand(dialog, LOWORD(wParam));
    }
    return FALSE;
}

void ShowAboutBox(HWND owner) {
    if (AboutBox.Open) return;
    AboutBox.Open = true;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDialogProc,
                    0);
    // A box closed otherwise than by its commands keeps no font behind.
    if (AboutBox.LinkFont) DeleteObject(AboutBox.LinkFont);
    AboutBox.LinkFont = nullptr;
    AboutBox.Open = false;
}
