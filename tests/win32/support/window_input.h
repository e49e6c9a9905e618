// Input for the program's main window, as the window receives it when a user
// presses keys, picks menu items, works the scroll bar, turns the wheel or
// clicks. Posted messages reach the window procedure directly; typed keys
// (TypeKeys) go through the real input queue, so the program's message loop
// translates its accelerators from them.
#pragma once
#include <windows.h>

#include <initializer_list>

void PressKey(HWND window, WORD virtualKey);
void SendCommand(HWND window, WORD command);
// A scroll-bar request (SB_LINEUP ... SB_ENDSCROLL) with its thumb position.
void ScrollBarRequest(HWND window, WORD request, short thumbPosition = 0);
// A wheel turn; +120 is one notch away from the user.
void TurnWheel(HWND window, short delta);
// A left click at (x, y) in the client area.
void ClickAt(HWND window, int x, int y);

// Brings the window to the front and types a chord: every key down in order,
// then up in reverse order (for instance {VK_CONTROL, 'N'}). False when the
// window could not be brought to the front or the input was refused.
bool TypeKeys(HWND window, std::initializer_list<WORD> chord);
