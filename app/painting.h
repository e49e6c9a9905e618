// Painting the main window's client area.
#pragma once
#include <windows.h>

#include <cstdint>

// Flags: 0x100 fills the client area below the toolbar with white, 0x001 draws
// the view (clearing its own rectangle first exactly when 0x100 is given).
constexpr uint32_t kPaintClear = 0x100;
constexpr uint32_t kPaintView = 0x001;
constexpr uint32_t kPaintAllParts = 0xFF;

// dc null: between BeginPaint and EndPaint of window.
void PaintMain(HDC dc, HWND window, uint32_t flags);
// window null: the main window. Paints through a fresh device context, then
// brings the scroll bar in step.
void RepaintMain(HWND window, uint32_t flags);
