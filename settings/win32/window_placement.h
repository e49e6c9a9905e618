// The main window's place on the screen between runs (Top, Left, Width,
// Height and showCmd of the program key).
#pragma once
#include <windows.h>

// Moves the window to the stored rectangle when a size was stored, then shows
// it with the stored show command (defaultShowCommand when none was stored).
void RestoreWindowPlacement(HWND window, int defaultShowCommand);
// Stores the window's position, its restored size and its show command.
void SaveWindowPlacement(HWND window);
