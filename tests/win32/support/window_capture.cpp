#include "tests/win32/support/window_capture.h"

#include <cstdio>
#include <cstring>

namespace {

// width x height pixels of source from (x, y).
Capture CopyPixels(HDC source, int x, int y, int width, int height) {
    Capture capture;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memoryDc = CreateCompatibleDC(source);
    if (bitmap && memoryDc) {
        HGDIOBJ previous = SelectObject(memoryDc, bitmap);
        if (BitBlt(memoryDc, 0, 0, width, height, source, x, y, SRCCOPY)) {
            GdiFlush();
            capture.Width = width;
            capture.Height = height;
            capture.Pixels.resize(static_cast<size_t>(width) * height);
            memcpy(capture.Pixels.data(), bits, capture.Pixels.size() * sizeof(uint32_t));
            for (uint32_t& pixel : capture.Pixels) pixel &= 0xFFFFFF;
        }
        SelectObject(memoryDc, previous);
    }
    if (memoryDc) DeleteDC(memoryDc);
    if (bitmap) DeleteObject(bitmap);
    return capture;
}

}  // namespace

Capture CaptureClientArea(HWND window) {
    RECT client;
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return {};
    HDC windowDc = GetDC(window);
    Capture capture = CopyPixels(windowDc, 0, 0, client.right, client.bottom);
    ReleaseDC(window, windowDc);
    return capture;
}

Capture CaptureClientAreaFromScreen(HWND window) {
    RECT client;
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return {};
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    Capture capture = CopyPixels(screen, origin.x, origin.y, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    return capture;
}

bool SaveCaptureAsBmp(const Capture& capture, const std::wstring& path) {
    if (capture.Width <= 0 || capture.Height <= 0) return false;
    const int rowBytes = (capture.Width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = capture.Width;
    header.biHeight = capture.Height;   // bottom-up, as most readers expect
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(rowBytes) * capture.Height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;

    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&header, sizeof header, 1, out);
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = capture.Height - 1; y >= 0; --y) {
        for (int x = 0; x < capture.Width; ++x) {
            const uint32_t pixel = capture.At(x, y);
            row[x * 3 + 0] = static_cast<uint8_t>(Blue(pixel));
            row[x * 3 + 1] = static_cast<uint8_t>(Green(pixel));
            row[x * 3 + 2] = static_cast<uint8_t>(Red(pixel));
        }
        fwrite(row.data(), 1, row.size(), out);
    }
    return fclose(out) == 0;
}
