// The header and footer of a printed page drawn through the GDI text device on
// a memory DC: where their ink lands in the bands, that the bands leave the
// page's background alone, and that the header reads as GDI's own
// bidirectional drawing of בס"ד would show it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "output/article_printing.h"
#include "settings/app_settings.h"
#include "tests/win32/support/dib_canvas.h"
#include "view/article_view.h"
#include "view/win32/gdi_text_device.h"

namespace {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;
constexpr int32_t kLeft = 50;
constexpr int32_t kTop = 60;
constexpr int32_t kWidth = 700;
constexpr int32_t kHeight = 460;

class PageBandsOnGdi : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canvas.Valid());
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kDefaultFontAsciiBase;
        canvas.Fill(kWhite);
        const char16_t face[] = u"DejaVu Sans";
        std::memcpy(printView.Font.FontName, face, sizeof face);
        printView.Font.FontSize = 16;
        printView.Font.FontAsciiBase = kDefaultFontAsciiBase;
        printView.Dc = &device;
        printView.Left = kLeft;
        printView.Top = kTop;
        printView.Width = kWidth;
        printView.Height = kHeight;
        PrepareBands(&printView, &headerHeight, &footerHeight);
    }
    void TearDown() override {
        DestroyArticleView(&printView, kKeepViewRecord);
        ClearAppSettings();
    }

    Rect HeaderBand() const {
        return Rect{kLeft, printView.Top - headerHeight - kBandGap, kLeft + kWidth - 1,
                    printView.Top - kBandGap - 1};
    }
    Rect FooterBand() const {
        const int32_t top = printView.Top + printView.Height + kBandGap;
        return Rect{kLeft, top, kLeft + kWidth - 1, top + footerHeight - 1};
    }

    DibCanvas canvas{kCanvasWidth, kCanvasHeight};
    GdiTextDevice device{canvas.Dc()};
    ArticleView printView{};
    int32_t headerHeight = 0;
    int32_t footerHeight = 0;
};

TEST_F(PageBandsOnGdi, TheBandsHoldTheEightPointFontAndTheirGaps) {
    // 8 points at the memory DC's resolution, as tmHeight of DejaVu Sans.
    EXPECT_GT(headerHeight, 8 * GetDeviceCaps(canvas.Dc(), LOGPIXELSY) / 72);
    EXPECT_EQ(headerHeight, footerHeight);
    EXPECT_EQ(printView.Top, kTop + headerHeight + kBandGap);
    EXPECT_EQ(printView.Height, kHeight - headerHeight - footerHeight - 2 * kBandGap);
}

TEST_F(PageBandsOnGdi, FooterTextsSitAgainstTheBandsEdgesAndTheHeaderOnTheRight) {
    DrawBands(&printView, headerHeight, footerHeight, 12);
    const Rect footer = canvas.InkBounds(FooterBand());
    ASSERT_LE(footer.Left, footer.Right) << "the footer was drawn";
    EXPECT_LE(footer.Left, kLeft + 4) << "the web address starts at the left edge";
    EXPECT_GE(footer.Right, kLeft + kWidth - 4) << "the page number ends at the right edge";
    EXPECT_LE(footer.Right, kLeft + kWidth - 1);

    const Rect header = canvas.InkBounds(HeaderBand());
    ASSERT_LE(header.Left, header.Right) << "the header was drawn";
    EXPECT_GE(header.Right, kLeft + kWidth - 6);
    EXPECT_LE(header.Right, kLeft + kWidth - 1);
    EXPECT_GT(header.Left, kLeft + kWidth / 2) << "four characters, on the right";

    const Rect text{kLeft, printView.Top, kLeft + kWidth - 1, printView.Top + printView.Height - 1};
    const Rect inText = canvas.InkBounds(text);
    EXPECT_GT(inText.Left, inText.Right) << "nothing in the text area";
}

TEST_F(PageBandsOnGdi, BandsAreDrawnOnATransparentBackground) {
    canvas.Fill(kYellow);
    DrawBands(&printView, headerHeight, footerHeight, 1);
    EXPECT_EQ(canvas.CountPixels(FooterBand(), kWhite), 0);
    EXPECT_EQ(canvas.CountPixels(HeaderBand(), kWhite), 0);
    const Rect footer = canvas.InkBounds(FooterBand(), kYellow);
    EXPECT_LE(footer.Left, footer.Right) << "the footer was drawn";
}

TEST_F(PageBandsOnGdi, TheHeaderLooksAsGdiShowsBesadInReadingOrder) {
    DrawBands(&printView, headerHeight, footerHeight, 1);
    DibCanvas reference(kCanvasWidth, kCanvasHeight);
    ASSERT_TRUE(reference.Valid());
    reference.Fill(kWhite);
    GdiTextDevice referenceDevice(reference.Dc());
    ArticleView referenceView = printView;
    referenceView.FontCache = nullptr;
    referenceView.Dc = &referenceDevice;
    const FontHandle previous = SelectFormatFont(&referenceView, kHeaderFormatWord);
    SetBkMode(reference.Dc(), TRANSPARENT);
    const std::wstring readingOrder = L"\u05D1\u05E1\"\u05D3";
    const Rect band = HeaderBand();
    RECT box{band.Left, band.Top, band.Right + 1, band.Bottom + 1};
    DrawTextW(reference.Dc(), readingOrder.c_str(), int(readingOrder.size()), &box,
              DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    referenceDevice.SelectFont(previous);

    const Rect drawn = canvas.InkBounds(band);
    const Rect expected = reference.InkBounds(band);
    ASSERT_LE(expected.Left, expected.Right);
    EXPECT_EQ(drawn.Left, expected.Left);
    EXPECT_EQ(drawn.Right, expected.Right);
    int different = 0;
    for (int y = band.Top; y <= band.Bottom; ++y)
        for (int x = band.Left; x <= band.Right; ++x)
            if (canvas.IsInk(x, y) != reference.IsInk(x, y)) ++different;
    EXPECT_EQ(different, 0) << "the stored-order header is the reading-order text as GDI lays it out";
    DestroyArticleView(&referenceView, kKeepViewRecord);
}

}  // namespace
