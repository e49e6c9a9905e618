// The article on the printer: the page rectangle from the margins, the header
// and footer bands, and the page loop, on a recording fake printer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "output/article_printing.h"
#include "platform/allocation.h"
#include "platform/maker_site.h"
#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/unit/hand_built_view.h"
#include "view/article_view.h"
#include "view/mul_div.h"

namespace {

constexpr PrintMargins kDefaultMargins{1000, 1000, 1000, 1000};

// A 72 dots-per-inch printer: the 8-point band font is 12 high on the fake, a
// 12-point body line 16; an inch of margin is 72 units. Its printable area
// leaves a text area 200 wide and 56 high (three body lines and 8 to spare)
// at (72, 89).
constexpr int32_t kSmallDpi = 72;
constexpr int32_t kBandHeight = 12;
constexpr int32_t kBodyHeight = 16;
constexpr int32_t kAreaLeft = 72;
constexpr int32_t kAreaTop = 72 + kBandHeight + kBandGap;
constexpr int32_t kAreaWidth = 200;
constexpr int32_t kAreaHeight = 3 * kBodyHeight + 8;

constexpr uint8_t kLeftLine = 0x01;   // normal, left to right, left-aligned, no paragraph end
constexpr uint8_t kLeftParagraph = 0x81;
constexpr uint8_t kLargeLine = 0x05;

// The pages of a job as the printer received them: what was drawn on each.
class RecordingJob : public PrintJobPort {
public:
    explicit RecordingJob(FakeTextDevice* printer) : printer_(printer) {}
    struct Page {
        std::vector<DrawnRun> Runs;
        std::vector<DrawnLatinLine> Footer;
    };
    std::vector<Page> Pages;
    int Starts = 0;
    bool RefuseStart = false;

    bool StartPage() override {
        ++Starts;
        return !RefuseStart;
    }
    bool EndPage() override {
        Pages.push_back(Page{printer_->Runs, printer_->LatinLines});
        printer_->ClearRecording();
        return true;
    }

private:
    FakeTextDevice* printer_;
};

class ArticlePrinting : public ::testing::Test {
protected:
    AppSettingsScope settings;
    FakeTextDevice screen;
    FakeTextDevice printer;
    RecordingJob job{&printer};
    ArticleView* view = nullptr;

    void SetUp() override {
        UsePrinter(kSmallDpi, kAreaWidth + 2 * 72, 72 + 72 + 2 * kBandHeight + 2 * kBandGap + kAreaHeight);
        FontSpec spec{};
        std::memcpy(spec.FontName, u"David CLM", sizeof(u"David CLM"));
        spec.FontSize = kTestFontSize;
        spec.FontAsciiBase = kSelfBase;
        const Rect rectangle{kLeft, kTop, kLeft + kWidth, kTop + kHeight};
        view = CreateArticleView(&screen, &rectangle, &spec, 100);
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override {
        FailAllocationAfter(-1);
        DestroyArticleView(view, kReleaseView);
    }

    void UsePrinter(int32_t dpi, int32_t width, int32_t height) {
        printer.LogPixelsX = dpi;
        printer.LogPixelsY = dpi;
        printer.HorzRes = width;
        printer.VertRes = height;
    }
    void LayOut(const std::vector<TestBlock>& blocks) {
        ASSERT_EQ(LayoutArticle(view, NewArticle(blocks), kReleasePrevious), kLayoutDone);
    }
    int32_t Print(const PrintMargins& margins = kDefaultMargins) {
        return PrintArticlePages(view, &printer, margins, &job);
    }
    std::vector<std::u16string> TextsOf(const RecordingJob::Page& page) const {
        std::vector<std::u16string> texts;
        for (const DrawnRun& run : page.Runs) texts.push_back(run.Text);
        return texts;
    }
    // The article's own lines on a page: every run but the header.
    std::vector<std::u16string> LinesOf(const RecordingJob::Page& page) const {
        std::vector<std::u16string> texts = TextsOf(page);
        if (!texts.empty()) texts.pop_back();
        return texts;
    }
    std::u16string PageNumberOf(const RecordingJob::Page& page) const {
        for (const DrawnLatinLine& line : page.Footer)
            if (line.AlignRight) return line.Text;
        return u"";
    }
};

void ExpectSameView(const ArticleView& now, const ArticleView& before) {
    EXPECT_EQ(now.Lines, before.Lines);
    EXPECT_EQ(now.Dc, before.Dc);
    EXPECT_EQ(now.Text, before.Text);
    EXPECT_EQ(now.TextSize, before.TextSize);
    EXPECT_EQ(now.LinesDrawn, before.LinesDrawn);
    EXPECT_EQ(std::memcmp(&now.Font, &before.Font, sizeof now.Font), 0);
    EXPECT_EQ(now.FontCache, before.FontCache);
    EXPECT_EQ(now.Left, before.Left);
    EXPECT_EQ(now.Top, before.Top);
    EXPECT_EQ(now.Width, before.Width);
    EXPECT_EQ(now.Height, before.Height);
    EXPECT_EQ(now.TopLine, before.TopLine);
    EXPECT_EQ(now.DisplayLineCount, before.DisplayLineCount);
    EXPECT_EQ(now.LineCount, before.LineCount);
    EXPECT_EQ(now.LineCapacity, before.LineCapacity);
    EXPECT_EQ(now.MaxTopLine, before.MaxTopLine);
    EXPECT_EQ(now.MatchStart, before.MatchStart);
    EXPECT_EQ(now.MatchEnd, before.MatchEnd);
    EXPECT_EQ(now.PageStart, before.PageStart);
    EXPECT_EQ(now.PageEnd, before.PageEnd);
}

std::u16string Units(const char16_t* units, int count) { return std::u16string(units, size_t(count)); }

TEST_F(ArticlePrinting, DefaultMarginsAt600DpiStartTheTextAnInchFromTheEdges) {
    UsePrinter(600, 4800, 6600);
    LayOut({{kLeftParagraph, 0, "aa"}});
    ASSERT_EQ(Print(), 1);

    const int32_t band = -MulDiv(8, 600, 72);           // the fake's 8-point em
    const int32_t a = (band < 0 ? -band : band) + 4;   // its tmHeight
    const RecordingJob::Page& page = job.Pages.at(0);
    ASSERT_EQ(page.Runs.size(), 2u);
    EXPECT_EQ(page.Runs[0].Box.Left, 600) << "the text starts 600 units from the left edge";
    EXPECT_EQ(page.Runs[0].Box.Top, 600 + a + kBandGap) << "the text area starts a + 5 below the band";
    EXPECT_EQ(page.Runs[1].Box.Top, 600) << "the header band starts 600 units below the top edge";
    EXPECT_EQ(page.Runs[1].Box.Right, 4800 - 600);
}

TEST_F(ArticlePrinting, MarginsAreMeasuredInThousandthsOfAnInchOnEachAxis) {
    printer.LogPixelsX = 300;
    printer.LogPixelsY = 600;
    printer.HorzRes = 2400;
    printer.VertRes = 6000;
    ArticleView printView{};
    printView.Dc = &printer;
    SetPrintRectangle(&printView, PrintMargins{500, 250, 1999, 1001});
    EXPECT_EQ(printView.Left, 150);
    EXPECT_EQ(printView.Top, 150);
    EXPECT_EQ(printView.Width, 2400 - 599 - 150) << "300 x 1999 / 1000 truncates to 599";
    EXPECT_EQ(printView.Height, 6000 - 600 - 150);
}

TEST_F(ArticlePrinting, BandsTakeTheirFontHeightAndFiveUnitsEach) {
    ArticleView printView{};
    printView.Dc = &printer;
    printView.Font = view->Font;
    SetPrintRectangle(&printView, kDefaultMargins);
    const int32_t top = printView.Top;
    const int32_t height = printView.Height;
    int32_t a = 0;
    int32_t b = 0;
    PrepareBands(&printView, &a, &b);
    EXPECT_EQ(a, kBandHeight);
    EXPECT_EQ(b, kBandHeight);
    EXPECT_EQ(printView.Top, top + a + kBandGap);
    EXPECT_EQ(printView.Height, height - a - b - 2 * kBandGap);

    DrawBands(&printView, a, b, 7);
    ASSERT_EQ(printer.LatinLines.size(), 2u);
    for (const DrawnLatinLine& line : printer.LatinLines) {
        EXPECT_EQ(line.Box.Left, kAreaLeft);
        EXPECT_EQ(line.Box.Right, kAreaLeft + kAreaWidth);
        EXPECT_EQ(line.Box.Top, kAreaTop + kAreaHeight + kBandGap);
        EXPECT_EQ(line.Box.Bottom, kAreaTop + kAreaHeight + kBandGap + b);
        EXPECT_TRUE(line.TransparentBackground);
        EXPECT_EQ(line.Font->EmHeight, -8) << "the 8-point font at 72 dpi";
    }
    EXPECT_EQ(printer.LatinLines[0].Text, std::u16string(kMakerWebAddress) + u" -- Orvendel");
    EXPECT_FALSE(printer.LatinLines[0].AlignRight);
    EXPECT_EQ(printer.LatinLines[1].Text, u" Page 7");
    EXPECT_TRUE(printer.LatinLines[1].AlignRight);

    ASSERT_EQ(printer.Runs.size(), 1u);
    const Rect& header = printer.Runs[0].Box;
    EXPECT_EQ(header.Top, kAreaTop - a - kBandGap);
    EXPECT_EQ(header.Bottom, kAreaTop - kBandGap);
    EXPECT_EQ(header.Right, kAreaLeft + kAreaWidth) << "against the band's right edge";
    EXPECT_EQ(header.Right - header.Left, 4 * 8) << "exactly the header's width";
    EXPECT_EQ(printer.Runs[0].Font->EmHeight, -8);
    DestroyArticleView(&printView, kKeepViewRecord);
}

TEST_F(ArticlePrinting, HeaderUnitsStayAsTheyAreBelowTheUnicodeBase) {
    char16_t units[kHeaderLength];
    HeaderText(97, units);
    EXPECT_EQ(Units(units, 4), (std::u16string{227, 34, 241, 225}));
    HeaderText(224, units);
    EXPECT_EQ(Units(units, 4), (std::u16string{227, 34, 241, 225}));
    HeaderText(1488, units);
    EXPECT_EQ(Units(units, 4), (std::u16string{1491, 34, 1505, 1489}));
    EXPECT_EQ(Units(units, 4), u"ד\"סב") << "בס\"ד in display order";
}

TEST_F(ArticlePrinting, TheHeaderIsDrawnForThePrintViewsBaseInStoredOrder) {
    view->Font.FontAsciiBase = 1488;
    LayOut({{kLeftParagraph, 0, "aa"}});
    ASSERT_EQ(Print(), 1);
    EXPECT_EQ(TextsOf(job.Pages.at(0)).back(), u"ד\"סב");
}

TEST_F(ArticlePrinting, AShortArticleIsOnePageNumberedOne) {
    LayOut({{kBody, 0, "aa"}, {kBody, 0, "bb"}});
    EXPECT_EQ(Print(), 1);
    ASSERT_EQ(job.Pages.size(), 1u);
    EXPECT_EQ(job.Starts, 0) << "the job's first page was started when it was opened";
    EXPECT_EQ(LinesOf(job.Pages[0]), (std::vector<std::u16string>{u"aa", u"bb"}));
    EXPECT_EQ(PageNumberOf(job.Pages[0]), u" Page 1");
    EXPECT_EQ(PrintJobEnding(1), kFinishJob);
}

TEST_F(ArticlePrinting, ALineThatDoesNotFitOpensTheNextPage) {
    LayOut({{kLeftLine, 0, "aa"}, {kLeftLine, 0, "bb"}, {kLeftLine, 0, "cc"}, {kLeftLine, 0, "dd"},
            {kLeftLine, 0, "ee"}, {kLeftLine, 0, "ff"}, {kLeftLine, 0, "gg"}});
    EXPECT_EQ(Print(), 3);
    ASSERT_EQ(job.Pages.size(), 3u);
    EXPECT_EQ(job.Starts, 2);
    EXPECT_EQ(LinesOf(job.Pages[0]), (std::vector<std::u16string>{u"aa", u"bb", u"cc"}));
    EXPECT_EQ(LinesOf(job.Pages[1]), (std::vector<std::u16string>{u"dd", u"ee", u"ff"}));
    EXPECT_EQ(LinesOf(job.Pages[2]), (std::vector<std::u16string>{u"gg"}));
    EXPECT_EQ(job.Pages[1].Runs[0].Box.Top, kAreaTop) << "the line that did not fit tops the next page";
    EXPECT_EQ(PageNumberOf(job.Pages[0]), u" Page 1");
    EXPECT_EQ(PageNumberOf(job.Pages[1]), u" Page 2");
    EXPECT_EQ(PageNumberOf(job.Pages[2]), u" Page 3");
}

TEST_F(ArticlePrinting, TheBlankLineAfterAParagraphIsNotCarriedOver) {
    // The third line ends a paragraph with 8 units left: its blank line
    // fills the page, and the next page starts with the next line.
    LayOut({{kLeftLine, 0, "aa"}, {kLeftLine, 0, "bb"}, {kLeftParagraph, 0, "cc"},
            {kLeftLine, 0, "dd"}});
    EXPECT_EQ(Print(), 2);
    ASSERT_EQ(job.Pages.size(), 2u);
    EXPECT_EQ(LinesOf(job.Pages[1]), (std::vector<std::u16string>{u"dd"}));
    EXPECT_EQ(job.Pages[1].Runs[0].Box.Top, kAreaTop);
}

TEST_F(ArticlePrinting, EveryLinePrintedOnceAcrossPageBreaks) {
    std::vector<TestBlock> blocks;
    std::vector<std::u16string> expected;
    for (int i = 0; i < 20; ++i) {
        const std::string text(2, char('a' + i));
        blocks.push_back({uint8_t(i % 3 == 2 ? kLeftParagraph : kLeftLine), 0, text});
        expected.push_back(std::u16string(text.begin(), text.end()));
    }
    LayOut(blocks);
    const int32_t pages = Print();
    std::vector<std::u16string> printed;
    for (const RecordingJob::Page& page : job.Pages)
        for (const std::u16string& text : LinesOf(page)) printed.push_back(text);
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(pages, int32_t(job.Pages.size()));
}

TEST_F(ArticlePrinting, ALineTallerThanTheTextAreaEndsTheJobWithoutAnEmptySheet) {
    printer.FontMetrics = [](const FakeFont& font) {
        return TextMetrics{font.EmHeight == -15 ? kAreaHeight + 1 : -font.EmHeight + 4, 10};
    };
    LayOut({{kLeftLine, 0, "aa"}, {kLeftLine, 0, "bb"}, {kLeftLine, 0, "cc"},
            {kLargeLine, 0, "dd"}, {kLeftLine, 0, "ee"}});
    EXPECT_EQ(Print(), 1);
    EXPECT_EQ(job.Pages.size(), 1u);
    EXPECT_EQ(job.Starts, 0) << "no page is begun for the line that cannot be printed";
}

TEST_F(ArticlePrinting, AnArticleWhoseFirstLineCannotBePrintedAbortsTheJob) {
    printer.FontMetrics = [](const FakeFont& font) {
        return TextMetrics{font.EmHeight == -15 ? kAreaHeight + 1 : -font.EmHeight + 4, 10};
    };
    LayOut({{kLargeLine, 0, "dd"}, {kLeftLine, 0, "ee"}});
    EXPECT_EQ(Print(), 0);
    EXPECT_TRUE(job.Pages.empty());
    EXPECT_TRUE(printer.Runs.empty()) << "no bands on a page without a line";
    EXPECT_EQ(PrintJobEnding(0), kAbortJob);
}

TEST_F(ArticlePrinting, AFailedPrintLayoutPrintsNoLine) {
    LayOut({{kBody, 0, "aa"}, {kBody, 0, "bb"}});
    FailAllocationAfter(0);   // the print view's line table
    EXPECT_EQ(Print(), 0);
    FailAllocationAfter(-1);
    EXPECT_TRUE(job.Pages.empty());
    EXPECT_TRUE(printer.Runs.empty());
    EXPECT_TRUE(printer.LatinLines.empty());
    EXPECT_EQ(view->Text[2], 'a') << "the screen view keeps its article";
}

TEST_F(ArticlePrinting, APageThePrinterRefusesEndsTheJob) {
    job.RefuseStart = true;
    LayOut({{kLeftLine, 0, "aa"}, {kLeftLine, 0, "bb"}, {kLeftLine, 0, "cc"}, {kLeftLine, 0, "dd"}});
    EXPECT_EQ(Print(), 1);
    EXPECT_EQ(job.Starts, 1);
    EXPECT_EQ(job.Pages.size(), 1u);
}

TEST_F(ArticlePrinting, PrintingLeavesTheScreenViewExactlyAsItWas) {
    std::vector<TestBlock> blocks;
    for (int i = 0; i < 12; ++i) blocks.push_back({kBody, 0, std::string(3, char('a' + i))});
    LayOut(blocks);
    view->TopLine = 5;
    view->MatchStart = 10;
    view->MatchEnd = 12;
    ASSERT_EQ(DrawArticleView(view, kErase), 0);
    const ArticleView before = *view;
    const std::vector<ArticleLine> linesBefore(view->Lines, view->Lines + view->LineCount + 1);
    const std::vector<uint8_t> textBefore(view->Text, view->Text + 12 * 6 + 1);
    const size_t screenFonts = screen.Fonts.size();
    const FakeFont* selected = screen.Selected;

    ASSERT_GT(Print(), 1);

    ExpectSameView(*view, before);
    EXPECT_EQ(std::memcmp(view->Lines, linesBefore.data(), linesBefore.size() * sizeof(ArticleLine)), 0);
    EXPECT_EQ(std::vector<uint8_t>(view->Text, view->Text + textBefore.size()), textBefore);
    EXPECT_EQ(screen.Fonts.size(), screenFonts) << "no font made on the screen";
    for (const auto& font : screen.Fonts) EXPECT_FALSE(font->Deleted);
    EXPECT_EQ(screen.Selected, selected);
    for (const auto& font : printer.Fonts) EXPECT_TRUE(font->Deleted) << "the print view's fonts go with it";
    for (const RecordingJob::Page& page : job.Pages)
        for (const DrawnRun& run : page.Runs) EXPECT_NE(run.BackColour, kYellow) << "no highlight on paper";
}

TEST_F(ArticlePrinting, NothingIsPrintedWithoutAnArticle) {
    EXPECT_EQ(Print(), 0);
    EXPECT_TRUE(job.Pages.empty());
    EXPECT_EQ(PrintArticlePages(nullptr, &printer, kDefaultMargins, &job), 0);
}

TEST(PageNumber, FormatsThePageNumberAfterASpace) {
    char16_t units[24];
    EXPECT_EQ(PageNumberText(1, units), 7);
    EXPECT_EQ(std::u16string(units), u" Page 1");
    EXPECT_EQ(PageNumberText(1234, units), 10);
    EXPECT_EQ(std::u16string(units), u" Page 1234");
}

}  // namespace
