// Lines of text found in a capture: bands of rows that hold ink (pixels
// clearly darker than the white page), each with the box around its ink.
#pragma once
#include <vector>

#include "tests/win32/support/window_capture.h"

struct InkRow {
    int Top = 0;
    int Bottom = 0;      // exclusive
    int Left = 0;
    int Right = 0;       // exclusive
    int InkPixels = 0;
    int BluePixels = 0;  // ink whose blue clearly outweighs red and green
};

bool IsInk(uint32_t pixel);
// The rows of ink inside the rectangle [left, right) x [top, bottom) of the
// capture, from the top; bands closer than mergeGap rows are one row (the
// dots and marks above and below Hebrew letters).
std::vector<InkRow> FindInkRows(const Capture& capture, const RECT& area, int mergeGap = 2);

// The stretches of a row's columns that hold ink, separated by at least
// minGap blank columns, from the left: with a gap of 1 the separate glyphs,
// with a wider gap the words or the columns of the page.
struct InkSpan {
    int Left;
    int Right;   // exclusive
};
std::vector<InkSpan> FindInkSpans(const Capture& capture, const InkRow& row, int minGap);

// The band of the capture that holds row, margin blank rows above and below
// it, across [area.left, area.right): one line of text for the recogniser.
Capture InkRowBand(const Capture& capture, const InkRow& row, const RECT& area, int margin);
