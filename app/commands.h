// The main window's command table.
#pragma once
#include <windows.h>

// 0 when the command was taken, 1 when it goes on to DefWindowProcW.
int OnCommand(HWND window, int command);
