// The main window: its class, its procedure and the handlers the procedure
// dispatches to.
#pragma once
#include <windows.h>

#include <cstdint>

// The class name and caption by which a second start finds the first.
constexpr wchar_t kMainClassName[] = L"Orvendel";
constexpr wchar_t kMainCaption[] = L"Orvendel";

ATOM RegisterMainClass(HINSTANCE instance, const wchar_t* className);
// Window styles chosen by the low byte of Flags: no scroll bar below 0x40, one
// on the right from 0x40, on the left from 0x80.
DWORD MainWindowStyle(uint32_t flags);
DWORD MainWindowExStyle(uint32_t flags);
HWND CreateMainWindow(HINSTANCE instance);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// 0 when the command was taken, 1 when it goes on to DefWindowProcW.
int OnCommand(HWND window, int command);
// The result of WM_KEYDOWN: 0 for the keys the window handles, 1 for the rest.
LRESULT OnKeyDown(HWND window, WPARAM key);
LRESULT OnVScroll(HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnMouseWheel(HWND window, WPARAM wParam);
void OnSize(HWND window, LPARAM lParam);
