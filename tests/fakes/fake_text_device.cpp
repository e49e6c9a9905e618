#include "tests/fakes/fake_text_device.h"

#include <cstdlib>

#include "view/letter_codes.h"

FakeTextDevice::FakeTextDevice() : defaultFont_{u"System", 0, 400} {
    CharWidth = [](char16_t unit, const FakeFont&) { return unit == u' ' ? 4 : 8; };
    FontMetrics = [](const FakeFont& font) {
        return TextMetrics{font.EmHeight == 0 ? 16 : std::abs(font.EmHeight) + 4, 10};
    };
    Selected = &defaultFont_;
}

void FakeTextDevice::ClearRecording() {
    Runs.clear();
    WhiteFills.clear();
    BlackRectangles.clear();
    LatinLines.clear();
    Glyphs.clear();
    Frames.clear();
    SolidFills.clear();
    MeasureCalls = 0;
}

int32_t FakeTextDevice::Width(char16_t unit) const { return CharWidth(unit, *Selected); }

int32_t FakeTextDevice::WidthOf(const std::u16string& text) const {
    int32_t width = 0;
    for (char16_t unit : text) width += Width(unit);
    return width;
}

FontHandle FakeTextDevice::MakeFont(const char16_t* faceName, int32_t height, int32_t weight) {
    Fonts.push_back(std::make_unique<FakeFont>(FakeFont{faceName ? faceName : u"", height, weight}));
    return reinterpret_cast<FontHandle>(Fonts.back().get());
}

FontHandle FakeTextDevice::SelectFont(FontHandle font) {
    const FakeFont* previous = Selected;
    if (font) Selected = reinterpret_cast<const FakeFont*>(font);
    return reinterpret_cast<FontHandle>(const_cast<FakeFont*>(previous));
}

void FakeTextDevice::DeleteFont(FontHandle font) {
    if (font) reinterpret_cast<FakeFont*>(font)->Deleted = true;
}

TextMetrics FakeTextDevice::Metrics() { return FontMetrics(*Selected); }

TextExtent FakeTextDevice::MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth,
                                      int32_t* fit) {
    ++MeasureCalls;
    int32_t width = 0;
    int32_t fitted = 0;
    bool stillFits = true;
    for (int32_t i = 0; i < count; ++i) {
        width += Width(units[i]);
        if (stillFits && width <= maxWidth)
            fitted = i + 1;
        else
            stillFits = false;
    }
    if (fit) *fit = fitted;
    return TextExtent{width, FontMetrics(*Selected).Height};
}

TextExtent FakeTextDevice::MeasureRun(const char16_t* units, int32_t count) {
    ++MeasureCalls;
    int32_t width = 0;
    for (int32_t i = 0; i < count; ++i) width += Width(units[i]);
    return TextExtent{width, FontMetrics(*Selected).Height};
}

void FakeTextDevice::DrawRunCentred(const char16_t* units, int32_t count, const Rect& box) {
    Runs.push_back(DrawnRun{std::u16string(units, size_t(count)), box, Text, Back, Selected});
}

Colour FakeTextDevice::SetTextColour(Colour colour) {
    Colour previous = Text;
    Text = colour;
    return previous;
}

Colour FakeTextDevice::SetBackColour(Colour colour) {
    Colour previous = Back;
    Back = colour;
    return previous;
}

FontHandle FakeTextDevice::MakeLetterFont(const char16_t* faceName, int32_t height,
                                          int32_t weight, int32_t letterBase) {
    FontHandle font = MakeFont(faceName, height, weight);
    Fonts.back()->LetterBase = letterBase;
    return font;
}

bool FakeTextDevice::DrawsLetters(const char16_t* faceName, int32_t letterBase) {
    if (InstalledFaces.empty()) return true;
    const auto face = InstalledFaces.find(faceName);
    if (face == InstalledFaces.end()) return false;
    for (int32_t letter = 0; letter < kLetterCodeCount; ++letter)
        if (face->second.find(char16_t(letterBase + letter)) == std::u16string::npos) return false;
    return true;
}

void FakeTextDevice::DrawLatinLine(const char16_t* units, int32_t count, const Rect& box,
                                   bool alignRight) {
    LatinLines.push_back(DrawnLatinLine{std::u16string(units, size_t(count)), box, alignRight,
                                        TransparentBackground, Selected});
}
