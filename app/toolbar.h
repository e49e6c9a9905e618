// The toolbar above the article: six picture buttons for the commands used
// most.
#pragma once
#include <windows.h>

// The button a 16-pixel picture gets at 96 DPI; other dots per inch scale it.
constexpr int kToolbarButtonWidth = 23;
constexpr int kToolbarButtonHeight = 22;

// Creates the toolbar on window, for the screen's dots per inch, and records
// it (none when it cannot be made).
void CreateToolbar(HWND window);
// The toolbar made again, for a screen of other dots per inch.
void RemakeToolbar(HWND window);
// 0 without a toolbar.
int ToolbarHeight();
// How far down the client area what lies below the toolbar starts: the
// toolbar overlaps it by one pixel; 0 without a toolbar.
constexpr int ToolbarOffset(bool toolbarExists, int toolbarHeight) {
    return toolbarExists ? toolbarHeight - 1 : 0;
}
