#include "view/win32/gdi_text_device.h"

#include "platform/win32/selected_object.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "view/win32/letter_font.h"

namespace {

HFONT AsHfont(FontHandle font) { return reinterpret_cast<HFONT>(font); }
FontHandle AsHandle(HGDIOBJ font) { return reinterpret_cast<FontHandle>(font); }
RECT AsRect(const Rect& box) { return RECT{box.Left, box.Top, box.Right, box.Bottom}; }

}  // namespace

FontHandle GdiTextDevice::MakeFont(const char16_t* faceName, int32_t height, int32_t weight) {
    return MakeLetterFont(faceName, height, weight, AppSettings.Font.FontAsciiBase);
}

FontHandle GdiTextDevice::SelectFont(FontHandle font) {
    // Selecting nothing leaves the font as it is, so a caller that restores a
    // "previous" font it never had does no harm.
    if (!font) return AsHandle(GetCurrentObject(dc_, OBJ_FONT));
    return AsHandle(SelectObject(dc_, AsHfont(font)));
}

void GdiTextDevice::DeleteFont(FontHandle font) {
    if (font) DeleteObject(AsHfont(font));
}

TextMetrics GdiTextDevice::Metrics() {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return TextMetrics{metrics.tmHeight, metrics.tmMaxCharWidth};
}

int32_t GdiTextDevice::PixelsPerInchY() { return GetDeviceCaps(dc_, LOGPIXELSY); }

TextExtent GdiTextDevice::MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth,
                                     int32_t* fit) {
    SIZE size{};
    INT fitted = 0;
    if (count > 0) GetTextExtentExPointW(dc_, AsWide(units), count, maxWidth, &fitted, nullptr, &size);
    // GDI takes a negative width for "no limit"; here, as the interface says,
    // nothing fits a width below 0.
    if (maxWidth < 0) fitted = 0;
    if (fit) *fit = fitted;
    return TextExtent{size.cx, size.cy};
}

TextExtent GdiTextDevice::MeasureRun(const char16_t* units, int32_t count) {
    SIZE size{};
    if (count > 0) GetTextExtentPoint32W(dc_, AsWide(units), count, &size);
    return TextExtent{size.cx, size.cy};
}

// DrawTextW (and ExtTextOutW without ETO_IGNORELANGUAGE) runs the bidirectional
// algorithm over the characters: a run of Hebrew letters, which the article
// stores in display order, would come out reversed and its brackets mirrored.
// So the run is placed here as DrawTextW with DT_NOPREFIX | DT_SINGLELINE |
// DT_VCENTER | DT_CENTER would place it, and drawn with the language processing
// switched off. ExtTextOutW paints the background of the text's own cell when
// the background mode is opaque, just as DrawTextW's inner call does; the rest
// of the box is left alone.
void GdiTextDevice::DrawRunCentred(const char16_t* units, int32_t count, const Rect& box) {
    if (count <= 0) return;
    SIZE size{};
    GetTextExtentPoint32W(dc_, AsWide(units), count, &size);
    // DrawTextW's own rounding, which differs from halving the spare room by a
    // unit when that room is odd (or negative, for a box smaller than the text).
    int x = (box.Left + box.Right - size.cx) / 2;
    int y = box.Top + (box.Bottom - box.Top) / 2 - size.cy / 2;
    RECT clip = AsRect(box);
    UINT alignment = SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ExtTextOutW(dc_, x, y, ETO_CLIPPED | ETO_IGNORELANGUAGE, &clip, AsWide(units), UINT(count),
                nullptr);
    if (alignment != GDI_ERROR) SetTextAlign(dc_, alignment);
}

Colour GdiTextDevice::TextColour() { return GetTextColor(dc_); }

Colour GdiTextDevice::SetTextColour(Colour colour) { return SetTextColor(dc_, colour); }

Colour GdiTextDevice::SetBackColour(Colour colour) { return SetBkColor(dc_, colour); }

void GdiTextDevice::FillWhite(const Rect& box) {
    RECT area = AsRect(box);
    FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void GdiTextDevice::DrawBlackRectangle(const Rect& box) {
    const SelectedObject brush(dc_, GetStockObject(BLACK_BRUSH));
    Rectangle(dc_, box.Left, box.Top, box.Right, box.Bottom);
}

FontHandle GdiTextDevice::MakeLetterFont(const char16_t* faceName, int32_t height, int32_t weight,
                                         int32_t letterBase) {
    return AsHandle(CreateLetterFont(dc_, faceName, height, weight, letterBase));
}

bool GdiTextDevice::DrawsLetters(const char16_t* faceName, int32_t letterBase) {
    return FaceDrawsLetters(dc_, faceName, letterBase);
}

int32_t GdiTextDevice::PixelsPerInchX() { return GetDeviceCaps(dc_, LOGPIXELSX); }

int32_t GdiTextDevice::PrintableWidth() { return GetDeviceCaps(dc_, HORZRES); }

int32_t GdiTextDevice::PrintableHeight() { return GetDeviceCaps(dc_, VERTRES); }

void GdiTextDevice::SetTransparentBackground() { SetBkMode(dc_, TRANSPARENT); }

void GdiTextDevice::DrawLatinLine(const char16_t* units, int32_t count, const Rect& box,
                                  bool alignRight) {
    if (count <= 0) return;
    RECT area = AsRect(box);
    UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | (alignRight ? DT_RIGHT : DT_LEFT);
    DrawTextW(dc_, AsWide(units), count, &area, format);
}

// A monochrome bitmap copied onto a colour device takes the text colour for
// its black pixels and the background colour for its white ones: both are set
// to black and white for the copy, so a blue heading keeps a black icon.
void GdiTextDevice::CopyGlyphBitmap(void* bitmap, int32_t x, int32_t y, int32_t width,
                                    int32_t height) {
    if (!bitmap) return;
    HDC memory = CreateCompatibleDC(dc_);
    if (!memory) return;
    {
        const SelectedObject selected(memory, static_cast<HBITMAP>(bitmap));
        if (selected.Previous()) {
            const COLORREF text = SetTextColor(dc_, RGB(0, 0, 0));
            const COLORREF back = SetBkColor(dc_, RGB(255, 255, 255));
            StretchBlt(dc_, x, y, width, height, memory, 0, 0, width, height, SRCCOPY);
            SetTextColor(dc_, text);
            SetBkColor(dc_, back);
        }
    }
    DeleteDC(memory);
}

void GdiTextDevice::DrawFrame(const Rect& box, Colour colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (!pen) return;
    {
        const SelectedObject selectedPen(dc_, pen);
        const SelectedObject selectedBrush(dc_, GetStockObject(NULL_BRUSH));
        Rectangle(dc_, box.Left, box.Top, box.Right, box.Bottom);
    }
    DeleteObject(pen);
}

void GdiTextDevice::FillSolid(const Rect& box, Colour colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush) return;
    RECT area = AsRect(box);
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}
