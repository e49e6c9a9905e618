#include "tests/win32/support/dib_canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

DibCanvas::DibCanvas(int width, int height)
    : width_(width), height_(height), stride_((width * 3 + 3) & ~3) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !bitmap_) return;
    bits_ = static_cast<uint8_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(kWhite);
}

DibCanvas::~DibCanvas() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

void DibCanvas::Fill(Colour colour) {
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
        uint8_t* row = bits_ + size_t(y) * stride_;
        for (int x = 0; x < width_; ++x) {
            row[x * 3] = uint8_t(colour >> 16);
            row[x * 3 + 1] = uint8_t(colour >> 8);
            row[x * 3 + 2] = uint8_t(colour);
        }
    }
}

Colour DibCanvas::Pixel(int x, int y) const {
    GdiFlush();
    return Stored(x, y);
}

Colour DibCanvas::Stored(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    const uint8_t* pixel = bits_ + size_t(y) * stride_ + size_t(x) * 3;
    return MakeColour(pixel[2], pixel[1], pixel[0]);
}

Rect DibCanvas::InkBounds(const Rect& area, Colour background) const {
    GdiFlush();
    Rect bounds{area.Right, area.Bottom, area.Left - 1, area.Top - 1};
    for (int y = std::max(0, area.Top); y < std::min(height_, area.Bottom); ++y) {
        for (int x = std::max(0, area.Left); x < std::min(width_, area.Right); ++x) {
            if (Stored(x, y) == background) continue;
            bounds.Left = std::min(bounds.Left, x);
            bounds.Right = std::max(bounds.Right, x);
            bounds.Top = std::min(bounds.Top, y);
            bounds.Bottom = std::max(bounds.Bottom, y);
        }
    }
    return bounds;
}

int DibCanvas::CountPixels(const Rect& area, Colour colour) const {
    GdiFlush();
    int count = 0;
    for (int y = std::max(0, area.Top); y < std::min(height_, area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(width_, area.Right); ++x)
            if (Stored(x, y) == colour) ++count;
    return count;
}

int DibCanvas::CountDifferences(const DibCanvas& other) const {
    GdiFlush();
    int count = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (Stored(x, y) != other.Stored(x, y)) ++count;
    return count;
}

bool DibCanvas::SaveBmp(const std::wstring& path) const {
    return SaveBmp(path, Rect{0, 0, width_, height_});
}

bool DibCanvas::SaveBmp(const std::wstring& path, const Rect& area) const {
    GdiFlush();
    const int width = area.Right - area.Left, height = area.Bottom - area.Top;
    if (area.Left < 0 || area.Top < 0 || area.Right > width_ || area.Bottom > height_ ||
        width <= 0 || height <= 0)
        return false;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = DWORD(stride) * height;
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    bool written = fwrite(&file, sizeof(file), 1, out) == 1 &&
                   fwrite(&header, sizeof(header), 1, out) == 1;
    std::string row(size_t(stride), '\0');
    for (int y = area.Top; written && y < area.Bottom; ++y) {
        std::memcpy(row.data(), bits_ + size_t(y) * stride_ + size_t(area.Left) * 3, size_t(width) * 3);
        written = fwrite(row.data(), row.size(), 1, out) == 1;
    }
    return fclose(out) == 0 && written;
}
