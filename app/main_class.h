// The main window's class and the window itself, with the styles the option
// bits choose.
#pragma once
#include <windows.h>

#include <cstdint>

ATOM RegisterMainClass(HINSTANCE instance, const wchar_t* className);
// Window styles chosen by the low byte of Flags: no scroll bar below 0x40, one
// on the right from 0x40, on the left from 0x80.
DWORD MainWindowStyle(uint32_t flags);
DWORD MainWindowExStyle(uint32_t flags);
HWND CreateMainWindow(HINSTANCE instance);
