#include "platform/win32/dialog_picture.h"

#include <algorithm>

namespace {

BOOL CALLBACK FindPicture(HWND control, LPARAM found) {
    if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) return TRUE;
    *reinterpret_cast<HWND*>(found) = control;
    return FALSE;
}

// The picture control's rectangle in the dialog's client area.
RECT PictureRect(HWND dialog, HWND picture) {
    RECT r;
    GetWindowRect(picture, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The dialog grows so that the larger picture keeps, right of and below it,
// the smaller of the margins the template gave the smaller one: the dialog's
// font, which sizes the dialog, need not grow with the screen as the picture
// does.
void KeepMargins(HWND dialog, const RECT& before, const RECT& after) {
    RECT client;
    GetClientRect(dialog, &client);
    const LONG margin = std::max(0L, std::min(client.right - before.right, client.bottom - before.bottom));
    const LONG wider = std::max(0L, after.right + margin - client.right);
    const LONG taller = std::max(0L, after.bottom + margin - client.bottom);
    if (wider == 0 && taller == 0) return;
    RECT outer;
    GetWindowRect(dialog, &outer);
    // Centred where it was.
    SetWindowPos(dialog, nullptr, outer.left - wider / 2, outer.top - taller / 2,
                 outer.right - outer.left + wider, outer.bottom - outer.top + taller,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HBITMAP ShowDialogPicture(HWND dialog, int templateBitmap, int bitmap) {
    if (bitmap == templateBitmap) return nullptr;
    HWND picture = nullptr;
    EnumChildWindows(dialog, FindPicture, reinterpret_cast<LPARAM>(&picture));
    if (!picture) return nullptr;
    HBITMAP loaded = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmap));
    if (!loaded) return nullptr;
    const RECT before = PictureRect(dialog, picture);
    // The template's picture, which the control loaded and would otherwise
    // keep, goes with the change.
    HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
        SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded)));
    if (previous && previous != loaded) DeleteObject(previous);
    KeepMargins(dialog, before, PictureRect(dialog, picture));
    return loaded;
}
