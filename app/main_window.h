// The main window's procedure, which dispatches each message to its handler,
// and the class name and caption by which a second start finds the first.
#pragma once
#include <windows.h>

constexpr wchar_t kMainClassName[] = L"Orvendel";
constexpr wchar_t kMainCaption[] = L"Orvendel";

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
