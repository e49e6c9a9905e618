// Painting the main window's client area.
#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/ports.h"   // the paint flags

// flags: the paint flags of ShellPort::RepaintMain. dc null: between BeginPaint and EndPaint of window.
void PaintMain(HDC dc, HWND window, uint32_t flags);
// window null: the main window. Paints through a fresh device context, then
// brings the scroll bar in step.
void RepaintMain(HWND window, uint32_t flags);
