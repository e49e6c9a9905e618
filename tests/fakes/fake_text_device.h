// A deterministic text device for tests: every character has a fixed width
// (per font, overridable per character), and every drawing call is recorded.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "view/text_device.h"

struct FakeFont {
    std::u16string FaceName;
    int32_t EmHeight;   // as passed: negative means em height in device units
    int32_t Weight;
    bool Deleted = false;
    int32_t LetterBase = 0;   // the base asked for by MakeLetterFont, else 0
};

// A footer text drawn against the left or right edge of its box.
struct DrawnLatinLine {
    std::u16string Text;
    Rect Box;
    bool AlignRight;
    bool TransparentBackground;
    const FakeFont* Font;
};

struct DrawnRun {
    std::u16string Text;
    Rect Box;
    Colour TextColour;
    Colour BackColour;
    const FakeFont* Font;
};

struct CopiedGlyph {
    void* Bitmap;
    Rect Box;
};

struct ColouredRect {
    Rect Box;
    Colour Paint;
};

class FakeTextDevice : public TextDevice {
public:
    // Width of one character in the given font; by default 8 units for every
    // character (4 for a space) whatever the font.
    std::function<int32_t(char16_t unit, const FakeFont& font)> CharWidth;
    // tmHeight and tmMaxCharWidth of a font; by default height |em| + 4 (16 for
    // an em height of 0) and max width 10.
    std::function<TextMetrics(const FakeFont& font)> FontMetrics;
    int32_t LogPixelsY = 96;

    std::vector<std::unique_ptr<FakeFont>> Fonts;   // every font ever made
    std::vector<DrawnRun> Runs;
    std::vector<Rect> WhiteFills;
    std::vector<Rect> BlackRectangles;
    int MeasureCalls = 0;
    const FakeFont* Selected = nullptr;
    Colour Text = kBlack;
    Colour Back = kWhite;

    FakeTextDevice();
    void ClearRecording();
    int32_t WidthOf(const std::u16string& text) const;

    FontHandle MakeFont(const char16_t* faceName, int32_t height, int32_t weight) override;
    FontHandle SelectFont(FontHandle font) override;
    void DeleteFont(FontHandle font) override;
    TextMetrics Metrics() override;
    int32_t PixelsPerInchY() override { return LogPixelsY; }
    TextExtent MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth,
                          int32_t* fit) override;
    TextExtent MeasureRun(const char16_t* units, int32_t count) override;
    void DrawRunCentred(const char16_t* units, int32_t count, const Rect& box) override;
    Colour TextColour() override { return Text; }
    Colour SetTextColour(Colour colour) override;
    Colour SetBackColour(Colour colour) override;
    void FillWhite(const Rect& box) override { WhiteFills.push_back(box); }
    void DrawBlackRectangle(const Rect& box) override { BlackRectangles.push_back(box); }

    // Fonts for letters in a given character base: recorded with the base.
    FontHandle MakeLetterFont(const char16_t* faceName, int32_t height, int32_t weight,
                              int32_t letterBase) override;
    // The installed faces, each with the characters it has glyphs for; a
    // face draws a base's letters when it has all 27. While the list is
    // empty every face draws every letter.
    std::map<std::u16string, std::u16string> InstalledFaces;
    bool DrawsLetters(const char16_t* faceName, int32_t letterBase) override;

    // Printing: a printer of LogPixelsX by LogPixelsY dots per inch whose
    // printable area is HorzRes by VertRes.
    int32_t LogPixelsX = 96;
    int32_t HorzRes = 0;
    int32_t VertRes = 0;
    bool TransparentBackground = false;
    std::vector<DrawnLatinLine> LatinLines;
    int32_t PixelsPerInchX() override { return LogPixelsX; }
    int32_t PrintableWidth() override { return HorzRes; }
    int32_t PrintableHeight() override { return VertRes; }
    void SetTransparentBackground() override { TransparentBackground = true; }
    void DrawLatinLine(const char16_t* units, int32_t count, const Rect& box,
                       bool alignRight) override;

    // The index list's icons: recorded in Glyphs.
    std::vector<CopiedGlyph> Glyphs;
    void CopyGlyphBitmap(void* bitmap, int32_t x, int32_t y, int32_t width,
                         int32_t height) override {
        Glyphs.push_back(CopiedGlyph{bitmap, Rect{x, y, x + width, y + height}});
    }

    // The search's location box, recorded in drawing order.
    std::vector<ColouredRect> Frames;
    std::vector<ColouredRect> SolidFills;
    void DrawFrame(const Rect& box, Colour colour) override { Frames.push_back({box, colour}); }
    void FillSolid(const Rect& box, Colour colour) override { SolidFills.push_back({box, colour}); }

private:
    FakeFont defaultFont_;
    int32_t Width(char16_t unit) const;
};
