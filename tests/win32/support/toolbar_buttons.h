// The buttons of the program's toolbar (control id 1 of the main window), as
// a user finds and clicks them.
#pragma once
#include <windows.h>

HWND ProgramToolbar(HWND mainWindow);
// The rectangle of the button at index (0 is the leftmost) in the toolbar's
// client coordinates, asked of the toolbar itself (TB_GETITEMRECT, answered
// into memory of the program's process); false when there is no such button.
bool ToolbarButtonRect(HWND toolbar, int index, RECT* rect);
// A left click in the middle of the button.
bool ClickToolbarButton(HWND toolbar, int index);
