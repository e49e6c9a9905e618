#include "dialogs/win32/about_dialog.h"

#include "dialogs/win32/web_address.h"
#include "platform/win32/dialog.h"
#include "platform/win32/dialog_picture.h"
#include "platform/win32/selected_object.h"
#include "platform/win32/subclassed_control.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"

namespace {

constexpr int kLinkTextSize = 101;   // at most 100 characters and the 0
constexpr LONG kLinkWeight = 800;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// While the box is open.
struct AboutBoxState {
    HFONT LinkFont;
    HBITMAP Picture;   // at the screen's multiple, when not the template's
};
AboutBoxState State;

// F1 in the box, or in another dialog while it is open, asks the main window
// for the box again: there is only one box, so such a request does nothing.
bool BoxOpen = false;

// The button's own procedure, kept across openings.
WNDPROC PreviousLinkProc = nullptr;

LRESULT CALLBACK LinkControlProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return CallWindowProcW(PreviousLinkProc, link, message, wParam, lParam);
}

// Makes control 1025 a link: the hand cursor, an underlined extra-bold font,
// and the size of its text plus the edges. The font it made, or none (the
// link then keeps the dialog's font at its template size).
HFONT SetupLinkControl(HWND dialog) {
    HWND link = GetDlgItem(dialog, IDC_MAKER_LINK);
    if (!link) return nullptr;
    SubclassControl(link, LinkControlProc, &PreviousLinkProc);

    HFONT font = nullptr;
    LOGFONTW description{};
    auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
    if (dialogFont && GetObjectW(dialogFont, sizeof description, &description)) {
        description.lfUnderline = TRUE;
        description.lfWeight = kLinkWeight;
        font = CreateFontIndirectW(&description);
    }
    if (font) {
        HDC dc = GetDC(link);
        {
            const SelectedObject selected(dc, font);
            wchar_t text[kLinkTextSize] = {};
            const int length = GetWindowTextW(link, text, kLinkTextSize);
            SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            SIZE extent{};
            GetTextExtentPoint32W(dc, text, length, &extent);
            SetWindowPos(link, nullptr, 0, 0, extent.cx + 2 * GetSystemMetrics(SM_CXEDGE),
                         extent.cy + 2 * GetSystemMetrics(SM_CYEDGE),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
        }
        ReleaseDC(link, dc);
    }
    return font;
}

INT_PTR OnInitDialog(HWND dialog) {
    State = AboutBoxState{};
    State.LinkFont = SetupLinkControl(dialog);
    State.Picture = ShowDialogPicture(dialog, IDB_ABOUT, ScreenDialogPicture(IDB_ABOUT, IDB_ABOUT_TWICE));
    return FALSE;   // the box asks for no default focus
}

INT_PTR OnDestroy() {
    DeleteDialogObject(&State.LinkFont);
    DeleteDialogObject(&State.Picture);
    return FALSE;
}

// The link's text in blue on the dialog's background, nothing else.
INT_PTR OnDrawItem(HWND dialog, WPARAM controlId, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    wchar_t text[kLinkTextSize] = {};
    const int length = GetDlgItemTextW(dialog, int(controlId), text, kLinkTextSize);
    SetTextColor(item->hDC, kLinkColour);
    SetBkMode(item->hDC, TRANSPARENT);
    ExtTextOutW(item->hDC, 0, GetSystemMetrics(SM_CYEDGE), ETO_CLIPPED, &item->rcItem, text,
                UINT(length), nullptr);
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, int command) {
    switch (command) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, command);
            return TRUE;
        case IDC_MAKER_LINK:
            OpenMakerSite(GetDlgItem(dialog, IDC_MAKER_LINK));
            return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog);
        case WM_COMMAND:    return OnCommand(dialog, LOWORD(wParam));
        case WM_DRAWITEM:   return OnDrawItem(dialog, wParam, lParam);
        case WM_DESTROY:    return OnDestroy();
    }
    return FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner) {
    if (BoxOpen) return;
    BoxOpen = true;
    RunDialog(IDD_ABOUT, owner, AboutDialogProc, nullptr);
    BoxOpen = false;
}
