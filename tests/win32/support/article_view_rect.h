// Where the reader draws the article in its client area: below the toolbar,
// inside the gutter on every side.
#pragma once
#include <windows.h>

inline constexpr int kDefaultGutter = 10;

RECT ArticleViewRect(HWND mainWindow, int gutter = kDefaultGutter);
