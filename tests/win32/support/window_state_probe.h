// Reads, from inside the program's process, what its window shows: the
// vertical scroll bar, a menu item's check mark, whether a paint is pending.
// The answer comes after every message posted to the window before the
// question has been handled.
#pragma once
#include <windows.h>

struct WindowState {
    bool HasScrollBarInfo = false;
    int ScrollMax = 0;    // the end of the scroll range: MaxTopLine
    int ScrollPos = 0;    // TopLine
    bool MenuItemExists = false;
    bool MenuItemChecked = false;
    bool NeedsPaint = false;
    bool InputPending = false;
};

// Asks the window (of another process) for its state, with menuCommand naming
// the menu item whose check mark is read (0 for none). Sets the probe hook on
// the window's thread the first time. False when no answer came in time.
bool ProbeWindowState(HWND window, UINT menuCommand, WindowState* state, DWORD timeoutMs = 10000);

// Waits until everything posted to the window so far has been handled.
bool WaitUntilHandled(HWND window);
// Waits until typed input (SendInput) has been taken from the window's queue
// and handled too.
bool WaitUntilInputHandled(HWND window);
