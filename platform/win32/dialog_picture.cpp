#include "platform/win32/dialog_picture.h"

namespace {

BOOL CALLBACK FindPicture(HWND control, LPARAM found) {
    if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) return TRUE;
    *reinterpret_cast<HWND*>(found) = control;
    return FALSE;
}

}  // namespace

HBITMAP ShowDialogPicture(HWND dialog, int templateBitmap, int bitmap) {
    if (bitmap == templateBitmap) return nullptr;
    HWND picture = nullptr;
    EnumChildWindows(dialog, FindPicture, reinterpret_cast<LPARAM>(&picture));
    if (!picture) return nullptr;
    HBITMAP loaded = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmap));
    if (!loaded) return nullptr;
    // The template's picture, which the control loaded and would otherwise
    // keep, goes with the change.
    HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
        SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded)));
    if (previous && previous != loaded) DeleteObject(previous);
    return loaded;
}
