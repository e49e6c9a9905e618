// The pixels of a window's client area as they are on the screen, copied
// into a 32-bit top-down bitmap.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Capture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;   // 0x00RRGGBB, row by row from the top

    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// The client area of the window (of any process), from the window's device
// context; empty on failure.
Capture CaptureClientArea(HWND window);
// What the screen shows where the window's client area is (the window of
// another process, as a user sees it, windows over it included).
Capture CaptureClientAreaFromScreen(HWND window);
// Writes the capture as a 24-bit BMP file; false on failure.
bool SaveCaptureAsBmp(const Capture& capture, const std::wstring& path);

inline int Red(uint32_t pixel) { return (pixel >> 16) & 0xFF; }
inline int Green(uint32_t pixel) { return (pixel >> 8) & 0xFF; }
inline int Blue(uint32_t pixel) { return pixel & 0xFF; }
