// The one drawing surface the portable core knows: fonts, metrics, measuring,
// drawing a run, colours and the two filled shapes the view needs.
// The Win32 shell implements it on a GDI device context; tests use a fake.
#pragma once
#include <cstdint>

struct DeviceFont;                  // opaque: an HFONT on Win32
using FontHandle = DeviceFont*;

// Colours are 0x00BBGGRR, the layout of a Win32 COLORREF.
using Colour = uint32_t;
constexpr Colour MakeColour(int r, int g, int b) {
    return Colour(r & 0xFF) | (Colour(g & 0xFF) << 8) | (Colour(b & 0xFF) << 16);
}
constexpr Colour kBlack = MakeColour(0, 0, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);
constexpr Colour kYellow = MakeColour(255, 255, 0);
constexpr Colour kWhite = MakeColour(255, 255, 255);
constexpr Colour kRed = MakeColour(255, 0, 0);
// Behind marked verses: a pale blue band, unlike a search hit's yellow.
constexpr Colour kVerseMarkColour = MakeColour(204, 228, 255);

struct Rect {
    int32_t Left, Top, Right, Bottom;
};

struct TextMetrics {
    int32_t Height;        // tmHeight of the selected font
    int32_t MaxCharWidth;  // tmMaxCharWidth of the selected font
};

struct TextExtent {
    int32_t Width, Height;
};

class TextDevice {
public:
    virtual ~TextDevice() = default;

    // A font for the book's letters from face name (NUL-terminated UTF-16), em
    // height in device units (negative, as a LOGFONT height) and weight (400 or
    // 700), in the character base the letter conversion uses now
    // (AppSettings.Font.FontAsciiBase): as MakeLetterFont with that base.
    virtual FontHandle MakeFont(const char16_t* faceName, int32_t height, int32_t weight) = 0;
    // Selects font and returns the font that was selected before.
    virtual FontHandle SelectFont(FontHandle font) = 0;
    virtual void DeleteFont(FontHandle font) = 0;
    virtual TextMetrics Metrics() = 0;
    virtual int32_t PixelsPerInchY() = 0;  // LOGPIXELSY

    // As GetTextExtentExPointW: how many leading units of the count at units fit
    // maxWidth (fit), and the extent of all count units.
    virtual TextExtent MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth,
                                  int32_t* fit) = 0;
    // As GetTextExtentPoint32W.
    virtual TextExtent MeasureRun(const char16_t* units, int32_t count) = 0;
    // Draws count units exactly in the order given (first unit leftmost), centred
    // horizontally and vertically in box, on one line, clipped to box, in the
    // current text colour and background mode.
    virtual void DrawRunCentred(const char16_t* units, int32_t count, const Rect& box) = 0;

    virtual Colour TextColour() = 0;
    virtual Colour SetTextColour(Colour colour) = 0;   // returns the previous one
    virtual Colour SetBackColour(Colour colour) = 0;   // returns the previous one
    virtual void FillWhite(const Rect& box) = 0;            // the white stock brush
    virtual void DrawBlackRectangle(const Rect& box) = 0;   // black stock brush, current pen

    // Fonts for letters in a given character base (FontAsciiBase: 97, 224 or
    // 1488), for text whose base is not yet the program's (the Choose Font
    // dialog's sample). The font must draw the base's letters: a device that
    // finds the face without them makes the font in the fallback face
    // (view/display_font.h) instead. A height above 0 is a character cell
    // height, weight 0 the default weight. Devices that know no character sets
    // make the plain font.
    virtual FontHandle MakeLetterFont(const char16_t* faceName, int32_t height, int32_t weight,
                                      int32_t letterBase) {
        return MakeFont(faceName, height, weight);
    }
    // Whether the face itself (no substitute the device would take for it)
    // is installed and has a glyph for each of the base's 27 letters: the
    // test MakeLetterFont makes. Devices that cannot look at glyphs take every
    // face as drawing them.
    virtual bool DrawsLetters(const char16_t* faceName, int32_t letterBase) { return true; }

    // What printing needs besides the view's own drawing: the printable area
    // and the Latin texts of the page footer. A device that is no printer
    // keeps the defaults: no printable area, and footer texts are not drawn.
    virtual int32_t PixelsPerInchX() { return PixelsPerInchY(); }  // LOGPIXELSX
    virtual int32_t PrintableWidth() { return 0; }                 // HORZRES
    virtual int32_t PrintableHeight() { return 0; }                // VERTRES
    // Text drawn from now on leaves the background as it is (TRANSPARENT).
    virtual void SetTransparentBackground() {}
    // Latin text on one line, vertically centred in box against its left or
    // right edge, without prefix processing (DrawTextW). Never for stored
    // Hebrew, which the bidirectional step would reorder.
    virtual void DrawLatinLine(const char16_t* units, int32_t count, const Rect& box,
                               bool alignRight) {}

    // The index list's icons.
    // Copies a width x height glyph bitmap (one of AppSettings.GlyphBitmaps: a
    // bitmap handle on Win32) with its top-left corner at (x, y), black on
    // white as it is drawn, whatever the text colours. A device without
    // bitmaps leaves the icon out.
    virtual void CopyGlyphBitmap(void* bitmap, int32_t x, int32_t y, int32_t width,
                                 int32_t height) {}
    // The search's location box: a coloured frame and a solid coloured fill.
    // Outline of box with a one-pixel solid pen of colour (as Rectangle with
    // a hollow brush: the right and bottom edges are at Right - 1, Bottom - 1).
    virtual void DrawFrame(const Rect& box, Colour colour) {}
    // Fills box with a solid brush of colour (as FillRect).
    virtual void FillSolid(const Rect& box, Colour colour) {}
};
