// The GDI text device on a memory DC: what it measures agrees with GDI, and
// what it draws lands where the view expects it, in the order it was given.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "tests/win32/support/dib_canvas.h"
#include "view/win32/gdi_text_device.h"

namespace {

constexpr char16_t kAlef = 0x05D0;
constexpr char16_t kBet = 0x05D1;
constexpr char16_t kShin = 0x05E9;
constexpr Colour kRed = MakeColour(255, 0, 0);

int32_t ExtentOf(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, AsWide(text.c_str()), int(text.size()),
                          &size);
    return size.cx;
}

class GdiTextDeviceTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 160;

    void SetUp() override {
        ASSERT_TRUE(canvas_.Valid());
        font_ = device_.MakeFont(u"DejaVu Sans", -40, 400);
        ASSERT_NE(font_, nullptr);
        previousFont_ = device_.SelectFont(font_);
        SetBkMode(canvas_.Dc(), TRANSPARENT);
    }
    void TearDown() override {
        device_.SelectFont(previousFont_);
        device_.DeleteFont(font_);
    }

    // Draws each unit alone with a plain TextOutW at the place it has inside
    // the run: a picture of the run in exactly the stored order, which no
    // reordering can touch because every call holds a single character.
    void DrawUnitByUnit(DibCanvas& canvas, const std::u16string& text, int x, int y) {
        HGDIOBJ previous = SelectObject(canvas.Dc(), reinterpret_cast<HFONT>(font_));
        SetBkMode(canvas.Dc(), TRANSPARENT);
        for (size_t i = 0; i < text.size(); ++i) {
            int left = x + ExtentOf(canvas.Dc(), text.substr(0, i));
            TextOutW(canvas.Dc(), left, y, AsWide(&text[i]), 1);
        }
        SelectObject(canvas.Dc(), previous);
    }

    // Draws text centred in a box exactly as wide and high as the text, so it
    // starts at (x, y), and returns that box.
    Rect DrawAt(const std::u16string& text, int x, int y) {
        TextExtent extent = device_.MeasureRun(text.c_str(), int32_t(text.size()));
        Rect box{x, y, x + extent.Width, y + extent.Height};
        device_.DrawRunCentred(text.c_str(), int32_t(text.size()), box);
        return box;
    }

    DibCanvas canvas_{kWidth, kHeight};
    GdiTextDevice device_{canvas_.Dc()};
    FontHandle font_ = nullptr;
    FontHandle previousFont_ = nullptr;
};

TEST_F(GdiTextDeviceTest, MakesTheFontOfTheGivenFaceHeightAndWeight) {
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(canvas_.Dc(), LF_FACESIZE, face);
    EXPECT_STREQ(face, L"DejaVu Sans");
    LOGFONTW described{};
    GetObjectW(reinterpret_cast<HFONT>(font_), sizeof(described), &described);
    EXPECT_EQ(described.lfHeight, -40);
    EXPECT_EQ(described.lfWeight, 400);
    // The face itself, whatever code pages it declares (no base is set here).
    EXPECT_EQ(described.lfCharSet, DEFAULT_CHARSET);

    TextMetrics metrics = device_.Metrics();
    TEXTMETRICW gdi{};
    GetTextMetricsW(canvas_.Dc(), &gdi);
    EXPECT_EQ(metrics.Height, gdi.tmHeight);
    EXPECT_EQ(metrics.MaxCharWidth, gdi.tmMaxCharWidth);
    EXPECT_NEAR(gdi.tmHeight - gdi.tmInternalLeading, 40, 1);   // the em height asked for

    FontHandle bold = device_.MakeFont(u"DejaVu Sans", -40, 700);
    FontHandle previous = device_.SelectFont(bold);
    EXPECT_EQ(previous, font_);
    GetTextMetricsW(canvas_.Dc(), &gdi);
    EXPECT_EQ(gdi.tmWeight, 700);
    EXPECT_EQ(device_.SelectFont(previous), bold);
    device_.DeleteFont(bold);
}

TEST_F(GdiTextDeviceTest, SelectingNoFontKeepsTheCurrentOne) {
    EXPECT_EQ(device_.SelectFont(nullptr), font_);
    EXPECT_EQ(GetCurrentObject(canvas_.Dc(), OBJ_FONT), reinterpret_cast<HGDIOBJ>(font_));
}

TEST_F(GdiTextDeviceTest, ReportsTheVerticalResolutionOfTheDevice) {
    EXPECT_EQ(device_.PixelsPerInchY(), GetDeviceCaps(canvas_.Dc(), LOGPIXELSY));
    EXPECT_GT(device_.PixelsPerInchY(), 0);
}

TEST_F(GdiTextDeviceTest, MeasuresARunAsGdiDoes) {
    std::u16string text = {kShin, kAlef, u' ', kBet, u'(', u'1', u')'};
    TextExtent extent = device_.MeasureRun(text.c_str(), int32_t(text.size()));
    EXPECT_EQ(extent.Width, ExtentOf(canvas_.Dc(), text));
    EXPECT_EQ(extent.Height, device_.Metrics().Height);
    TextExtent none = device_.MeasureRun(text.c_str(), 0);
    EXPECT_EQ(none.Width, 0);
}

TEST_F(GdiTextDeviceTest, FitCountsTheLeadingUnitsWithinTheWidthAndMeasuresThemAll) {
    std::u16string text = {kAlef, kBet, kShin, u' ', kAlef, kBet};
    const int32_t count = int32_t(text.size());
    int32_t three = ExtentOf(canvas_.Dc(), text.substr(0, 3));
    int32_t fit = -1;

    TextExtent extent = device_.MeasureFit(text.c_str(), count, three, &fit);
    EXPECT_EQ(fit, 3);   // a width exactly reached still fits
    EXPECT_EQ(extent.Width, ExtentOf(canvas_.Dc(), text));

    device_.MeasureFit(text.c_str(), count, three - 1, &fit);
    EXPECT_EQ(fit, 2);
    device_.MeasureFit(text.c_str(), count, 0, &fit);
    EXPECT_EQ(fit, 0);
    device_.MeasureFit(text.c_str(), count, -1, &fit);
    EXPECT_EQ(fit, 0);   // where GDI alone would say that everything fits
    device_.MeasureFit(text.c_str(), count, 100000, &fit);
    EXPECT_EQ(fit, count);

    extent = device_.MeasureFit(text.c_str(), 0, 100, &fit);
    EXPECT_EQ(fit, 0);
    EXPECT_EQ(extent.Width, 0);
}

TEST_F(GdiTextDeviceTest, CentresTheRunInItsBoxAndPaintsOnlyItsCellWhenOpaque) {
    SetBkMode(canvas_.Dc(), OPAQUE);
    device_.SetBackColour(kYellow);
    std::u16string text = {kAlef, kBet, kShin};
    TextExtent extent = device_.MeasureRun(text.c_str(), 3);
    Rect box{20, 10, 420, 150};
    device_.DrawRunCentred(text.c_str(), 3, box);

    Rect cell = canvas_.InkBounds(Rect{0, 0, kWidth, kHeight});
    EXPECT_EQ(cell.Right - cell.Left + 1, extent.Width);
    EXPECT_EQ(cell.Bottom - cell.Top + 1, extent.Height);
    EXPECT_NEAR(cell.Left - box.Left, box.Right - 1 - cell.Right, 1);
    EXPECT_NEAR(cell.Top - box.Top, box.Bottom - 1 - cell.Bottom, 1);
    // The box around the cell stays as it was: DrawTextW fills no more either.
    EXPECT_EQ(canvas_.Pixel(box.Left, box.Top), kWhite);
    EXPECT_EQ(canvas_.Pixel(box.Right - 1, box.Bottom - 1), kWhite);
    EXPECT_EQ(canvas_.Pixel(cell.Left, cell.Top), kYellow);
    EXPECT_GT(canvas_.CountPixels(cell, kBlack), 0);
}

// Text that needs no reordering comes out pixel for pixel as DrawTextW with
// DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_CENTER draws it, background
// included, in boxes wider, narrower, taller and shorter than the text.
TEST_F(GdiTextDeviceTest, PlacesARunWhereDrawTextPlacesIt) {
    const std::u16string text = u"Kestrane (12) & co";
    // Two sizes, so that both an even and an odd text height are centred.
    for (int32_t emHeight : {-40, -25}) {
        FontHandle font = device_.MakeFont(u"DejaVu Sans", emHeight, 400);
        device_.SelectFont(font);
        const int32_t width = ExtentOf(canvas_.Dc(), text);
        const int32_t height = device_.Metrics().Height;
        const Rect boxes[] = {
            {10, 10, 10 + width, 10 + height},           // the measured box the view uses
            {11, 7, 11 + width + 41, 7 + height + 17},   // odd room to spare both ways
            {12, 9, 12 + width + 40, 9 + height + 16},
            {60, 20, 60 + width - 37, 20 + height - 5},  // narrower and shorter: clipped
            {61, 21, 61 + width - 38, 21 + height - 6},
        };
        for (const Rect& box : boxes) {
            DibCanvas drawText(kWidth, kHeight);
            HGDIOBJ previous = SelectObject(drawText.Dc(), reinterpret_cast<HFONT>(font));
            SetBkMode(drawText.Dc(), OPAQUE);
            SetBkColor(drawText.Dc(), kYellow);
            RECT rect{box.Left, box.Top, box.Right, box.Bottom};
            DrawTextW(drawText.Dc(), AsWide(text.c_str()),
                      int(text.size()), &rect, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            SelectObject(drawText.Dc(), previous);

            canvas_.Fill(kWhite);
            SetBkMode(canvas_.Dc(), OPAQUE);
            device_.SetBackColour(kYellow);
            device_.DrawRunCentred(text.c_str(), int32_t(text.size()), box);
            EXPECT_EQ(canvas_.CountDifferences(drawText), 0)
                << "text height " << height << ", box " << box.Left << "," << box.Top << ","
                << box.Right << "," << box.Bottom;
        }
        device_.SelectFont(font_);
        device_.DeleteFont(font);
    }
}

TEST_F(GdiTextDeviceTest, TransparentModeLeavesTheBackgroundAlone) {
    device_.SetBackColour(kYellow);
    DrawAt(std::u16string{kAlef, kBet}, 50, 40);
    EXPECT_EQ(canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kYellow), 0);
    EXPECT_GT(canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kBlack), 0);
}

TEST_F(GdiTextDeviceTest, ClipsARunWiderThanItsBox) {
    std::u16string text = {kShin, kAlef, kBet, kShin, kAlef, kBet, kShin, kAlef};
    int32_t width = ExtentOf(canvas_.Dc(), text);
    Rect box{160, 30, 160 + width / 2, 130};
    device_.DrawRunCentred(text.c_str(), int32_t(text.size()), box);
    // The same run centred on the same point in a box that holds it all.
    DibCanvas whole(kWidth, kHeight);
    GdiTextDevice wholeDevice(whole.Dc());
    HGDIOBJ previous = SelectObject(whole.Dc(), reinterpret_cast<HFONT>(font_));
    SetBkMode(whole.Dc(), TRANSPARENT);
    wholeDevice.DrawRunCentred(text.c_str(), int32_t(text.size()),
                               Rect{box.Left - width, box.Top, box.Right + width, box.Bottom});
    SelectObject(whole.Dc(), previous);

    Rect all{0, 0, kWidth, kHeight};
    Rect wholeInk = whole.InkBounds(all);
    ASSERT_LT(wholeInk.Left, box.Left);
    ASSERT_GE(wholeInk.Right, box.Right);
    Rect ink = canvas_.InkBounds(all);
    EXPECT_GE(ink.Left, box.Left);
    EXPECT_LT(ink.Right, box.Right);
    int differences = 0;
    for (int y = box.Top; y < box.Bottom; ++y)
        for (int x = box.Left; x < box.Right; ++x)
            if (canvas_.Pixel(x, y) != whole.Pixel(x, y)) ++differences;
    EXPECT_EQ(differences, 0);
}

TEST_F(GdiTextDeviceTest, RestoresTheTextAlignmentOfTheContext) {
    SetTextAlign(canvas_.Dc(), TA_RIGHT | TA_BOTTOM);
    SetBkMode(canvas_.Dc(), OPAQUE);
    device_.SetBackColour(kYellow);
    Rect box = DrawAt(std::u16string{kAlef, kBet}, 60, 30);
    EXPECT_EQ(GetTextAlign(canvas_.Dc()), UINT(TA_RIGHT | TA_BOTTOM));
    Rect cell = canvas_.InkBounds(Rect{0, 0, kWidth, kHeight});
    EXPECT_EQ(cell.Left, box.Left);
    EXPECT_EQ(cell.Top, box.Top);
}

// The article keeps right-to-left lines in display order: the unit given
// first must be the one drawn leftmost, with no bidirectional reordering.
TEST_F(GdiTextDeviceTest, DrawsHebrewInTheOrderGivenFirstUnitLeftmost) {
    std::u16string text = {kAlef, kBet, kShin};
    DrawAt(text, 40, 40);
    DibCanvas stored(kWidth, kHeight), reversed(kWidth, kHeight);
    DrawUnitByUnit(stored, text, 40, 40);
    DrawUnitByUnit(reversed, std::u16string{kShin, kBet, kAlef}, 40, 40);

    int ink = kWidth * kHeight - canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kWhite);
    ASSERT_GT(ink, 200);
    EXPECT_LE(canvas_.CountDifferences(stored), ink / 50);
    EXPECT_GT(canvas_.CountDifferences(reversed), ink / 3);
}

TEST_F(GdiTextDeviceTest, FirstOfTwoLettersHasItsInkAtTheLeft) {
    DrawAt(std::u16string{kAlef, kBet}, 40, 40);
    DibCanvas alefAlone(kWidth, kHeight);
    GdiTextDevice alefDevice(alefAlone.Dc());
    HGDIOBJ previous = SelectObject(alefAlone.Dc(), reinterpret_cast<HFONT>(font_));
    SetBkMode(alefAlone.Dc(), TRANSPARENT);
    std::u16string alef(1, kAlef);
    TextExtent extent = alefDevice.MeasureRun(alef.c_str(), 1);
    alefDevice.DrawRunCentred(alef.c_str(), 1, Rect{40, 40, 40 + extent.Width, 40 + extent.Height});
    SelectObject(alefAlone.Dc(), previous);

    // The left part of the pair is the alef drawn alone.
    Rect left{0, 0, 40 + extent.Width, kHeight};
    Rect pairInk = canvas_.InkBounds(Rect{0, 0, kWidth, kHeight});
    Rect alefInk = alefAlone.InkBounds(Rect{0, 0, kWidth, kHeight});
    EXPECT_EQ(pairInk.Left, alefInk.Left);
    int differences = 0;
    for (int y = left.Top; y < left.Bottom; ++y)
        for (int x = left.Left; x < left.Right - 2; ++x)
            if (canvas_.Pixel(x, y) != alefAlone.Pixel(x, y)) ++differences;
    EXPECT_LE(differences, 10);
}

TEST_F(GdiTextDeviceTest, LeavesBracketsBetweenHebrewLettersUnmirrored) {
    std::u16string text = {kAlef, u'(', kBet, u')', kShin};
    DrawAt(text, 30, 40);
    DibCanvas stored(kWidth, kHeight), mirrored(kWidth, kHeight);
    DrawUnitByUnit(stored, text, 30, 40);
    DrawUnitByUnit(mirrored, std::u16string{kAlef, u')', kBet, u'(', kShin}, 30, 40);

    int ink = kWidth * kHeight - canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kWhite);
    EXPECT_LE(canvas_.CountDifferences(stored), ink / 50);
    EXPECT_GT(canvas_.CountDifferences(mirrored), ink / 20);
}

TEST_F(GdiTextDeviceTest, DrawsNothingForAnEmptyRun) {
    SetBkMode(canvas_.Dc(), OPAQUE);
    device_.SetBackColour(kYellow);
    device_.DrawRunCentred(u"", 0, Rect{10, 10, 200, 100});
    EXPECT_EQ(canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kWhite), kWidth * kHeight);
}

TEST_F(GdiTextDeviceTest, TextColourIsReadAndSetWithThePreviousReturned) {
    EXPECT_EQ(device_.TextColour(), kBlack);
    EXPECT_EQ(device_.SetTextColour(kRed), kBlack);
    EXPECT_EQ(device_.TextColour(), kRed);
    DrawAt(std::u16string{kAlef, kShin}, 40, 40);
    EXPECT_GT(canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kRed), 20);
    EXPECT_EQ(canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kBlack), 0);
    EXPECT_EQ(device_.SetTextColour(kBlue), kRed);

    EXPECT_EQ(device_.SetBackColour(kYellow), kWhite);
    EXPECT_EQ(device_.SetBackColour(kWhite), kYellow);
}

TEST_F(GdiTextDeviceTest, FillsExactlyTheBoxWithWhite) {
    canvas_.Fill(kBlack);
    device_.FillWhite(Rect{10, 20, 110, 70});
    EXPECT_EQ(canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kWhite), 100 * 50);
    EXPECT_EQ(canvas_.CountPixels(Rect{10, 20, 110, 70}, kWhite), 100 * 50);
}

TEST_F(GdiTextDeviceTest, DrawsABlackRectangleAndPutsTheBrushBack) {
    HGDIOBJ brush = SelectObject(canvas_.Dc(), GetStockObject(GRAY_BRUSH));
    device_.DrawBlackRectangle(Rect{30, 50, 230, 51});
    EXPECT_EQ(GetCurrentObject(canvas_.Dc(), OBJ_BRUSH), GetStockObject(GRAY_BRUSH));
    SelectObject(canvas_.Dc(), brush);

    // A rule one unit high is a line one pixel high: Rectangle leaves out the
    // right and bottom edges.
    EXPECT_EQ(canvas_.CountPixels(Rect{0, 0, kWidth, kHeight}, kBlack), 200);
    EXPECT_EQ(canvas_.CountPixels(Rect{30, 50, 230, 51}, kBlack), 200);

    device_.DrawBlackRectangle(Rect{300, 80, 340, 120});
    EXPECT_EQ(canvas_.CountPixels(Rect{300, 80, 340, 120}, kBlack), 40 * 40);
}

}  // namespace
