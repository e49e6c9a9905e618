#include "tests/win32/support/ink_rows.h"

#include <algorithm>

bool IsInk(uint32_t pixel) { return Red(pixel) + Green(pixel) + Blue(pixel) < 3 * 160; }

namespace {

bool IsBlueInk(uint32_t pixel) {
    return Blue(pixel) > 128 && Red(pixel) < 110 && Green(pixel) < 110;
}

bool RowHasInk(const Capture& capture, const RECT& area, int y) {
    for (int x = area.left; x < area.right; ++x) {
        if (IsInk(capture.At(x, y))) return true;
    }
    return false;
}

}  // namespace

std::vector<InkRow> FindInkRows(const Capture& capture, const RECT& area, int mergeGap) {
    std::vector<InkRow> rows;
    const RECT clipped{std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0),
                       std::min<LONG>(area.right, capture.Width),
                       std::min<LONG>(area.bottom, capture.Height)};
    int y = clipped.top;
    while (y < clipped.bottom) {
        if (!RowHasInk(capture, clipped, y)) {
            ++y;
            continue;
        }
        int end = y + 1;
        int blank = 0;
        for (int next = y + 1; next < clipped.bottom; ++next) {
            if (RowHasInk(capture, clipped, next)) {
                end = next + 1;
                blank = 0;
            } else if (++blank > mergeGap) {
                break;
            }
        }
        InkRow row;
        row.Top = y;
        row.Bottom = end;
        row.Left = clipped.right;
        row.Right = clipped.left;
        for (int rowY = y; rowY < end; ++rowY) {
            for (int x = clipped.left; x < clipped.right; ++x) {
                const uint32_t pixel = capture.At(x, rowY);
                if (!IsInk(pixel)) continue;
                ++row.InkPixels;
                if (IsBlueInk(pixel)) ++row.BluePixels;
                row.Left = std::min(row.Left, x);
                row.Right = std::max(row.Right, x + 1);
            }
        }
        rows.push_back(row);
        y = end;
    }
    return rows;
}

std::vector<InkSpan> FindInkSpans(const Capture& capture, const InkRow& row, int minGap) {
    std::vector<InkSpan> spans;
    int blank = minGap;
    for (int x = row.Left; x < row.Right; ++x) {
        bool ink = false;
        for (int y = row.Top; y < row.Bottom && !ink; ++y) ink = IsInk(capture.At(x, y));
        if (!ink) {
            ++blank;
            continue;
        }
        if (blank >= minGap || spans.empty()) {
            spans.push_back(InkSpan{x, x + 1});
        } else {
            spans.back().Right = x + 1;
        }
        blank = 0;
    }
    return spans;
}

Capture InkRowBand(const Capture& capture, const InkRow& row, const RECT& area, int margin) {
    Capture band;
    band.Width = area.right - area.left;
    for (int y = row.Top - margin; y < row.Bottom + margin; ++y, ++band.Height)
        for (int x = area.left; x < area.right; ++x) band.Pixels.push_back(capture.At(x, y));
    return band;
}
