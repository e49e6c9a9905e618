// Articles of the real book, laid out and drawn through GDI with a Hebrew
// font: what only real glyph widths and real pixels show. Every line fits the
// view as GDI measures it, right-aligned lines end at the right edge, the title
// is centred black text, and a search hit is painted blue on yellow.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "platform/ports.h"
#include "store/record_loader.h"
#include "platform/win32/resource_record_source.h"
#include "tests/fakes/fake_ports.h"
#include "tests/win32/support/book_articles.h"
#include "tests/win32/support/dib_canvas.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

const char16_t kFace[] = u"DejaVu Sans";
constexpr int32_t kPointSize = 12;
constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 520;
constexpr Rect kViewRect{24, 8, 24 + 580, 8 + 500};

bool IsGrey(Colour colour) {
    return (colour & 0xFF) == ((colour >> 8) & 0xFF) && (colour & 0xFF) == ((colour >> 16) & 0xFF);
}

bool IsBlueInk(Colour colour) {
    int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    return b > r + 40 && b > g + 40;
}

class ArticleOnGdi : public ::testing::Test {
protected:
    static int largestArticle_;

    static void SetUpTestSuite() {
        ResourceRecordSource source(GetModuleHandleW(nullptr));
        FakeMessagePort messages;
        PlatformPorts saved = Ports;
        Ports.Records = &source;
        Ports.Messages = &messages;
        largestArticle_ = LargestArticle();
        Ports = saved;
    }

    void SetUp() override {
        ASSERT_TRUE(canvas_.Valid());
        ClearAppSettings();
        std::memcpy(AppSettings.Font.FontName, kFace, sizeof kFace);
        AppSettings.Font.FontSize = kPointSize;
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
        saved_ = Ports;
        Ports.Records = &source_;
        Ports.Messages = &messages_;
        view_ = CreateArticleView(&device_, &kViewRect, &AppSettings.Font, 100);
        ASSERT_NE(view_, nullptr);
    }

    void TearDown() override {
        if (view_) DestroyArticleView(view_, kReleaseView);
        Ports = saved_;
        ClearAppSettings();
        EXPECT_TRUE(messages_.Shown.empty());
    }

    void LayOut(int number) {
        uint8_t* bytes = LoadRecord(number, nullptr);
        ASSERT_NE(bytes, nullptr) << "article " << number;
        ASSERT_EQ(LayoutArticle(view_, bytes, kReleasePrevious), kLayoutDone) << "article " << number;
    }

    std::vector<const ArticleLine*> Lines() const {
        std::vector<const ArticleLine*> lines;
        for (const ArticleLine* line = view_->Lines; line->Format != 0; ++line) lines.push_back(line);
        return lines;
    }

    // Width of count article bytes at offset in the font of format, measured
    // by GDI itself rather than through the device.
    int32_t GdiWidth(uint8_t format, uint32_t offset, int32_t count) {
        FontHandle previous = SelectFormatFont(view_, format);
        const char16_t* units = LettersToDisplay(view_->Text + offset, count, &SharedConversion);
        SIZE size{};
        GetTextExtentPoint32W(canvas_.Dc(), AsWide(units), count, &size);
        device_.SelectFont(previous);
        return size.cx;
    }

    // Top of each entry on the page that starts at display line 0.
    std::vector<int32_t> LineTops() const {
        std::vector<int32_t> tops;
        int32_t y = view_->Top;
        for (const ArticleLine* line : Lines()) {
            tops.push_back(y);
            y += line->Height * ((line->Format & kFormatParagraphEnd) ? 2 : 1);
        }
        return tops;
    }

    Rect YellowBounds(const Rect& area) const {
        Rect yellow{area.Right, area.Bottom, area.Left - 1, area.Top - 1};
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (canvas_.Pixel(x, y) == kYellow) {
                    yellow.Left = std::min(yellow.Left, x);
                    yellow.Right = std::max(yellow.Right, x);
                    yellow.Top = std::min(yellow.Top, y);
                    yellow.Bottom = std::max(yellow.Bottom, y);
                }
        return yellow;
    }

    void ExpectEveryLineFits(int number) {
        const int32_t right = view_->Left + view_->Width;
        for (const ArticleLine* line : Lines()) {
            if (IsRuleFormat(line->Format)) continue;
            EXPECT_GE(line->X, view_->Left) << "article " << number << " offset " << line->Offset;
            EXPECT_LE(line->X + line->Width + line->HangWidth, right)
                << "article " << number << " offset " << line->Offset;
            EXPECT_EQ(line->Width, GdiWidth(line->Format, line->Offset, line->Length))
                << "article " << number << " offset " << line->Offset;
        }
    }

    DibCanvas canvas_{kCanvasWidth, kCanvasHeight};
    GdiTextDevice device_{canvas_.Dc()};
    ResourceRecordSource source_{GetModuleHandleW(nullptr)};
    FakeMessagePort messages_;
    PlatformPorts saved_{};
    ArticleView* view_ = nullptr;
};

int ArticleOnGdi::largestArticle_ = 0;

TEST_F(ArticleOnGdi, EveryLineOfTheLargestArticleFitsTheWidthAsGdiMeasuresIt) {
    ASSERT_GT(largestArticle_, 0);
    LayOut(largestArticle_);
    RecordProperty("LargestArticle", largestArticle_);
    EXPECT_GT(view_->LineCount, 20);
    ExpectEveryLineFits(largestArticle_);
}

TEST_F(ArticleOnGdi, EveryArticleOfTheBookFitsTheWidth) {
    for (int number = 1; number <= kArticleCount; ++number) {
        LayOut(number);
        ExpectEveryLineFits(number);
        if (HasFailure()) break;
    }
}

// A narrow view breaks nearly every verse; no line may spill over it either.
TEST_F(ArticleOnGdi, LinesOfANarrowViewFitItToo) {
    LayOut(largestArticle_);
    const uint16_t wideLines = view_->LineCount;
    ASSERT_EQ(ResizeArticleView(view_, 180, view_->Height), kLayoutDone);
    EXPECT_GT(view_->LineCount, 2 * wideLines);
    ExpectEveryLineFits(largestArticle_);
}

TEST_F(ArticleOnGdi, RightAlignedLinesEndAtTheRightEdge) {
    LayOut(largestArticle_);
    const int32_t right = view_->Left + view_->Width;
    int32_t indent = 0;   // the hanging verse number's box, indenting its whole block
    int rightAligned = 0;
    for (const ArticleLine* line : Lines()) {
        if ((line->Format & kFormatAlignMask) != kFormatAlignRight) continue;
        ++rightAligned;
        if (line->HangWidth != 0) indent = line->HangWidth;
        EXPECT_EQ(line->X + line->Width + indent, right) << "offset " << line->Offset;
    }
    EXPECT_GT(rightAligned, 20);
}

TEST_F(ArticleOnGdi, DrawnBodyInkEndsAtTheRightEdgeAndStaysInsideTheView) {
    LayOut(largestArticle_);
    ASSERT_EQ(DrawArticleView(view_, kErase), 0);
    ASSERT_GT(view_->LinesDrawn, 10);

    const int32_t right = view_->Left + view_->Width;
    Rect everything{0, 0, kCanvasWidth, kCanvasHeight};
    Rect ink = canvas_.InkBounds(everything);
    EXPECT_GE(ink.Left, view_->Left);
    EXPECT_LT(ink.Right, right);

    // The first line of each verse on the page: its number hangs in a box
    // whose right edge is the view's, so the ink reaches that edge, less the
    // glyph's own side bearing.
    std::vector<const ArticleLine*> lines = Lines();
    std::vector<int32_t> tops = LineTops();
    int checked = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const ArticleLine& line = *lines[i];
        if (tops[i] + line.Height > view_->Top + view_->Height) break;
        if ((line.Format & kFormatAlignMask) != kFormatAlignRight || line.HangWidth == 0) continue;
        Rect band = canvas_.InkBounds(Rect{view_->Left, tops[i], right, tops[i] + line.Height});
        ASSERT_LE(band.Left, band.Right) << "no ink on the line at offset " << line.Offset;
        EXPECT_LT(band.Right, right);
        EXPECT_GE(band.Right, right - 4) << "offset " << line.Offset;
        // The main run's ink starts where the layout put the run.
        EXPECT_GE(band.Left, line.X - 2);
        EXPECT_LE(band.Left, line.X + 4);
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

TEST_F(ArticleOnGdi, TitleIsCentredBlackText) {
    LayOut(largestArticle_);
    ASSERT_EQ(DrawArticleView(view_, kErase), 0);
    const ArticleLine& title = view_->Lines[0];
    ASSERT_EQ(title.Format & kFormatAlignMask, kFormatAlignCentre);
    EXPECT_EQ(title.X, view_->Left + (view_->Width - title.Width) / 2);

    Rect band{view_->Left, view_->Top, view_->Left + view_->Width, view_->Top + title.Height};
    Rect ink = canvas_.InkBounds(band);
    ASSERT_LE(ink.Left, ink.Right);
    int inkCentre2 = ink.Left + ink.Right + 1;            // twice the centre
    int viewCentre2 = 2 * view_->Left + view_->Width;
    EXPECT_NEAR(inkCentre2, viewCentre2, 8);
    int dark = 0, coloured = 0;
    for (int y = band.Top; y < band.Bottom; ++y) {
        for (int x = band.Left; x < band.Right; ++x) {
            Colour pixel = canvas_.Pixel(x, y);
            if (pixel == kBlack) ++dark;
            if (!IsGrey(pixel)) ++coloured;
        }
    }
    EXPECT_GT(dark, 20);
    EXPECT_EQ(coloured, 0);
}

TEST_F(ArticleOnGdi, SearchHitIsPaintedYellowBehindBlueText) {
    LayOut(largestArticle_);
    // A word in the middle of the fourth line (a verse's text): the bytes
    // between two spaces of its main run.
    std::vector<const ArticleLine*> lines = Lines();
    std::vector<int32_t> tops = LineTops();
    ASSERT_GT(lines.size(), 4u);
    const ArticleLine& line = *lines[3];
    const uint8_t* run = view_->Text + line.Offset;
    int32_t middle = line.Length / 2;
    int32_t start = middle, end = middle;
    while (start > 0 && run[start - 1] != ' ') --start;
    while (end < line.Length && run[end] != ' ') ++end;
    ASSERT_LT(start, end);
    view_->MatchStart = uint16_t(line.Offset + start);
    view_->MatchEnd = uint16_t(line.Offset + end);

    ASSERT_EQ(DrawArticleView(view_, kErase), 0);

    int32_t shift = GdiWidth(line.Format, line.Offset, start);
    int32_t width = GdiWidth(line.Format, line.Offset + start, end - start);
    Rect page{0, 0, kCanvasWidth, kCanvasHeight};
    Rect yellow = YellowBounds(page);
    EXPECT_EQ(yellow.Left, line.X + shift);
    EXPECT_EQ(yellow.Right, line.X + shift + width - 1);
    EXPECT_EQ(yellow.Top, tops[3]);
    EXPECT_EQ(yellow.Bottom, tops[3] + line.Height - 1);

    Rect hit{yellow.Left, yellow.Top, yellow.Right + 1, yellow.Bottom + 1};
    int blue = 0, outside = 0;
    for (int y = page.Top; y < page.Bottom; ++y)
        for (int x = page.Left; x < page.Right; ++x) {
            bool inHit = x >= hit.Left && x < hit.Right && y >= hit.Top && y < hit.Bottom;
            if (!IsBlueInk(canvas_.Pixel(x, y))) continue;
            (inHit ? blue : outside)++;
        }
    EXPECT_GT(blue, 10);
    EXPECT_EQ(outside, 0);
}

// A hit that runs from the end of one line of a verse onto the next: in the
// stored (display) order its first bytes end the lower line and its last bytes
// begin the upper one, so the upper line is painted at its left end and the
// lower line at its right end, each exactly over its own part of the hit.
TEST_F(ArticleOnGdi, HitAcrossTwoLinesOfAVerseIsPaintedOnBoth) {
    LayOut(largestArticle_);
    ASSERT_EQ(ResizeArticleView(view_, 300, view_->Height), kLayoutDone);
    std::vector<const ArticleLine*> lines = Lines();
    std::vector<int32_t> tops = LineTops();
    size_t upper = 0;
    for (size_t i = 2; i + 1 < lines.size() && upper == 0; ++i) {
        const ArticleLine& a = *lines[i];
        const ArticleLine& b = *lines[i + 1];
        bool sameBlock = (a.Format & kFormatRightToLeft) && b.Offset < a.Offset &&
                         std::memchr(view_->Text + b.Offset, 0, a.Offset - b.Offset) == nullptr;
        if (sameBlock && a.Length > 6 && b.Length > 6 &&
            tops[i + 1] + b.Height <= view_->Top + view_->Height)
            upper = i;
    }
    ASSERT_NE(upper, 0u) << "no verse broken over two lines on the first page";
    const ArticleLine& top = *lines[upper];
    const ArticleLine& bottom = *lines[upper + 1];
    view_->MatchStart = uint16_t(bottom.Offset + bottom.Length - 3);
    view_->MatchEnd = uint16_t(top.Offset + 3);
    ASSERT_EQ(DrawArticleView(view_, kErase), 0);

    Rect upperBand{0, tops[upper], kCanvasWidth, tops[upper] + top.Height};
    Rect upperHit = YellowBounds(upperBand);
    EXPECT_EQ(upperHit.Left, top.X);
    EXPECT_EQ(upperHit.Right, top.X + GdiWidth(top.Format, top.Offset, 3) - 1);
    EXPECT_EQ(upperHit.Bottom - upperHit.Top + 1, top.Height);

    Rect lowerBand{0, tops[upper + 1], kCanvasWidth, tops[upper + 1] + bottom.Height};
    Rect lowerHit = YellowBounds(lowerBand);
    EXPECT_EQ(lowerHit.Left, bottom.X + GdiWidth(bottom.Format, bottom.Offset, bottom.Length - 3));
    EXPECT_EQ(lowerHit.Right, bottom.X + bottom.Width - 1);
    EXPECT_EQ(lowerHit.Bottom - lowerHit.Top + 1, bottom.Height);

    // Nothing else on the page is yellow.
    int yellowElsewhere = canvas_.CountPixels(Rect{0, 0, kCanvasWidth, kCanvasHeight}, kYellow) -
                          canvas_.CountPixels(upperBand, kYellow) -
                          canvas_.CountPixels(lowerBand, kYellow);
    EXPECT_EQ(yellowElsewhere, 0);
}

}  // namespace
