// The main window's class and the window itself, with the styles the option
// bits choose.
#pragma once
#include <windows.h>

#include <cstdint>

#include "app/main_window.h"

// The class atom, or 0 when the class could not be registered.
ATOM RegisterMainClass(HINSTANCE instance, const wchar_t* className);
// Window styles chosen by the low byte of Flags: no scroll bar below 0x40, one
// on the right from 0x40, on the left from 0x80.
DWORD MainWindowStyle(uint32_t flags);
DWORD MainWindowExStyle(uint32_t flags);
// The window, or null when it could not be made.
HWND CreateMainWindow(HINSTANCE instance, const wchar_t* className = kMainClassName);
