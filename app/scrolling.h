// Line amounts by which the keys, the scroll bar and the wheel move the view
// (negative towards the start of the article), and the scroll bar kept in step.
#pragma once
#include <windows.h>

#include <cstdint>

struct ArticleView;

// A page by keys or clicks: half the lines drawn in page modes 2 and 4, the
// lines drawn less one in every other mode (0 to 7).
int32_t PageStep(int32_t linesDrawn, uint32_t pageMode);
// The scrolling keys (Page Up/Down, End, Home, Up, Down); 0 for any other key.
int32_t KeyScrollAmount(const ArticleView& view, WPARAM key, uint32_t flags);
// A scroll-bar request with the thumb position it carries.
int32_t ScrollBarAmount(const ArticleView& view, int request, int16_t thumbPosition);
// One line towards the start per notch away from the user; parts of a notch
// scroll nothing.
int32_t WheelAmount(int16_t delta);

void UpdateScrollBar(HWND window);
