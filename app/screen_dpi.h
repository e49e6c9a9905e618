// The dots per inch of the screen the main window is on (the application
// manifest makes the process aware of each screen's): the window follows
// them, and a move to a screen of other dots per inch scales the window, its
// toolbar, its pictures and its fonts.
#pragma once
#include <windows.h>

#include <cstdint>

// The window's dots per inch (the system's where windows have none of their
// own).
int32_t WindowDpi(HWND window);
// Makes dpi the screen's in AppSettings; the index glyphs, when loaded, are
// loaded again when the picture multiple changes with it.
void TakeScreenDpi(int32_t dpi);
// WM_DPICHANGED: the suggested rectangle, the toolbar and fonts made again,
// the article laid out again.
LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam);
