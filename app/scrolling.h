// The keys, the scroll bar and the wheel of the main window: the line amounts
// by which each moves the view (negative towards the start of the article),
// their handlers, and the scroll bar kept in step.
#pragma once
#include <windows.h>

#include <cstdint>

struct ArticleView;

// The scrolling keys (Page Up/Down, End, Home, Up, Down); 0 for any other key.
int32_t KeyScrollAmount(const ArticleView& view, WPARAM key, uint32_t flags);
// A scroll-bar request with the thumb position it carries.
int32_t ScrollBarAmount(const ArticleView& view, int request, int16_t thumbPosition);
// One line towards the start per notch away from the user; parts of a notch
// scroll nothing.
int32_t WheelAmount(int16_t delta);

// The keys the window handles itself (the rest reach it as commands through
// the accelerators). The result of WM_KEYDOWN: 0 for the keys the window
// handles, 1 for the rest.
LRESULT OnKeyDown(HWND window, WPARAM key);
LRESULT OnVScroll(HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnMouseWheel(HWND window, WPARAM wParam);

void UpdateScrollBar(HWND window);
