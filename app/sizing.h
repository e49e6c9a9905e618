// The window geometry: the view and the toolbar kept sized to the client area.
#pragma once
#include <windows.h>

// WM_SIZE with the new client size in lParam.
void OnSize(HWND window, LPARAM lParam);
