// The design gives its sizes in pixels of a screen of 96 dots per inch; on a
// screen of more dots per inch they are scaled at run time, so that gutters,
// buttons and pictures keep their proportion to the text.
#pragma once
#include <cstdint>

constexpr int32_t kStandardDpi = 96;

// pixels at the standard 96 DPI on a screen of dpi dots per inch, rounded to
// the nearest pixel (a half away from zero); dpi 96 gives pixels unchanged.
constexpr int32_t ScaleForDpi(int32_t pixels, int32_t dpi) {
    const int64_t scaled = int64_t(pixels) * dpi;
    const int64_t half = kStandardDpi / 2;
    return int32_t(scaled >= 0 ? (scaled + half) / kStandardDpi : -((-scaled + half) / kStandardDpi));
}

// The pictures are pixel art drawn at whole multiples only (1 and 2), so that
// no art pixel is ever split: a screen takes the largest multiple that is not
// larger than its dpi / 96, 2 from 192 DPI, 1 below.
constexpr int32_t kLargestPictureMultiple = 2;
constexpr int32_t PictureMultipleForDpi(int32_t dpi) {
    const int32_t multiple = dpi / kStandardDpi;
    return multiple < 1 ? 1 : multiple > kLargestPictureMultiple ? kLargestPictureMultiple : multiple;
}

// A dialog's picture (the Search dialog's keyboard, the About picture) is
// studied rather than glanced at: from 144 DPI it is drawn at twice its size,
// nearer the dialog's one and a half times than the plain picture, and its
// dialog grows to hold it where the dialog's font grew less.
constexpr int32_t DialogPictureMultipleForDpi(int32_t dpi) {
    return 2 * dpi >= 3 * kStandardDpi ? kLargestPictureMultiple : 1;
}

// The toolbar's pictures have art of their own at one and a half times their
// size as well, so they count in halves: 2 below 144 DPI, 3 from 144, 4 from
// 192 (the largest not larger than the screen's, as for the other pictures).
constexpr int32_t ToolbarPictureHalvesForDpi(int32_t dpi) {
    const int32_t halves = 2 * dpi / kStandardDpi;
    return halves < 2 ? 2 : halves > 2 * kLargestPictureMultiple ? 2 * kLargestPictureMultiple : halves;
}
