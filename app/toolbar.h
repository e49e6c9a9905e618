// The toolbar above the article: six picture buttons for the commands used
// most.
#pragma once
#include <windows.h>

// Creates the toolbar on window and records it (none when it cannot be made).
void CreateToolbar(HWND window);
// 0 without a toolbar.
int ToolbarHeight();
// How far down the client area what lies below the toolbar starts: the
// toolbar overlaps it by one pixel; 0 without a toolbar.
constexpr int ToolbarOffset(bool toolbarExists, int toolbarHeight) {
    return toolbarExists ? toolbarHeight - 1 : 0;
}
