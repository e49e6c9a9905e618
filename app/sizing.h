// The window geometry: where the view goes in the client area, and the view
// and the toolbar kept sized to it.
#pragma once
#include <windows.h>

#include <cstdint>

#include "view/text_device.h"

// Where the screen view goes in the client area: below the toolbar (which
// overlaps the view by one pixel) and a gutter in from the left, the top and,
// twice, from the right and the bottom; a side too short for two gutters
// keeps its full extent.
Rect ArticleViewRectangle(Rect client, bool toolbarExists, int32_t toolbarHeight, int32_t gutter);

// WM_SIZE with the new client size in lParam.
void OnSize(HWND window, LPARAM lParam);
