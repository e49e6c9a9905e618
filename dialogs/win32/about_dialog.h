// The About box (template 103): title, picture, version, notice, and the
// maker's site as a link that opens it and leaves the box open.
#pragma once
#include <windows.h>

// Runs the box modally over owner until Escape, Enter or the close box; does
// nothing while the box is open already.
void ShowAboutBox(HWND owner);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Makes control 1025 a link: the hand cursor, an underlined extra-bold font,
// and the size of its text plus the edges. The font it made, or none (the
// link then keeps the dialog's font at its template size).
HFONT SetupLinkControl(HWND dialog);
LRESULT CALLBACK LinkControlProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam);
// The link's text in blue on the dialog's background, nothing else.
void DrawLink(HWND dialog, int controlId, const DRAWITEMSTRUCT* item);
