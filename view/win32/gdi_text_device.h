// The text device of the screen and the printer: a GDI device context.
#pragma once
#include <windows.h>

#include "view/text_device.h"

class GdiTextDevice : public TextDevice {
public:
    // The device context stays the caller's: it is neither released nor
    // deleted here.
    explicit GdiTextDevice(HDC dc) : dc_(dc) {}

    HDC Dc() const { return dc_; }

    FontHandle MakeFont(const char16_t* faceName, int32_t height, int32_t weight) override;
    FontHandle SelectFont(FontHandle font) override;
    void DeleteFont(FontHandle font) override;
    TextMetrics Metrics() override;
    int32_t PixelsPerInchY() override;
    TextExtent MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth,
                          int32_t* fit) override;
    TextExtent MeasureRun(const char16_t* units, int32_t count) override;
    void DrawRunCentred(const char16_t* units, int32_t count, const Rect& box) override;
    Colour TextColour() override;
    Colour SetTextColour(Colour colour) override;
    Colour SetBackColour(Colour colour) override;
    void FillWhite(const Rect& box) override;
    void DrawBlackRectangle(const Rect& box) override;
    // The search's location box.
    void DrawFrame(const Rect& box, Colour colour) override;
    void FillSolid(const Rect& box, Colour colour) override;

    // Fonts for letters in a given character base.
    FontHandle MakeLetterFont(const char16_t* faceName, int32_t height, int32_t weight,
                              int32_t letterBase) override;
    bool DrawsLetters(const char16_t* faceName, int32_t letterBase) override;

    // Printing.
    int32_t PixelsPerInchX() override;
    int32_t PrintableWidth() override;
    int32_t PrintableHeight() override;
    void SetTransparentBackground() override;
    void DrawLatinLine(const char16_t* units, int32_t count, const Rect& box,
                       bool alignRight) override;

    // The index list's icons.
    void CopyGlyphBitmap(void* bitmap, int32_t x, int32_t y, int32_t width,
                         int32_t height) override;

private:
    HDC dc_;
};
