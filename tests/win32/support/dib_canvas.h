// A memory device context drawing into a 24-bit top-down DIB section whose
// pixels the tests read back, and write out as a BMP file.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "view/text_device.h"

class DibCanvas {
public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Valid() const { return bits_ != nullptr; }

    void Fill(Colour colour);
    // 0x00BBGGRR, as a COLORREF.
    Colour Pixel(int x, int y) const;
    // Any pixel that is not white.
    bool IsInk(int x, int y) const { return Pixel(x, y) != kWhite; }
    // Bounding box (inclusive) of the pixels inside area that differ from
    // background; Left > Right when there are none.
    Rect InkBounds(const Rect& area, Colour background = kWhite) const;
    int CountPixels(const Rect& area, Colour colour) const;
    // Pixels of the whole canvas that differ from the same pixel of other.
    int CountDifferences(const DibCanvas& other) const;
    bool SaveBmp(const std::wstring& path) const;
    // Only the pixels inside area (which must lie on the canvas).
    bool SaveBmp(const std::wstring& path, const Rect& area) const;

private:
    Colour Stored(int x, int y) const;   // without flushing GDI's batch

    int width_, height_, stride_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint8_t* bits_ = nullptr;
};
