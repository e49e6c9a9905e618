#include "output/article_printing.h"

#include <cstdio>
#include <cstring>

#include "platform/maker_site.h"
#include "view/text_device.h"

namespace {

constexpr int32_t kFontAsciiBaseUnicode = 1488;
constexpr size_t kPageNumberUnits = 24;

// The web address and " -- Orvendel", joined once.
struct Footer {
    char16_t Units[sizeof kMakerWebAddress / sizeof(char16_t) +
                   sizeof kFooterTitle / sizeof(char16_t)];
    Footer() {
        size_t n = 0;
        for (const char16_t* p = kMakerWebAddress; *p; ++p) Units[n++] = *p;
        for (const char16_t* p = kFooterTitle; *p; ++p) Units[n++] = *p;
        Units[n] = 0;
    }
};

int32_t LengthOf(const char16_t* units) {
    int32_t n = 0;
    while (units[n]) ++n;
    return n;
}

// The print view at the start of a job: nothing but the screen's font on the
// printer's device.
void MakePrintView(ArticleView* printView, const ArticleView* screenView, TextDevice* printer) {
    std::memset(printView, 0, sizeof *printView);
    printView->Font = screenView->Font;
    printView->Dc = printer;
}

// Laid out within the screen view's own bound on its bytes, as the screen has them.
void LayOutBorrowedText(ArticleView* printView, const ArticleView* screenView) {
    if (!screenView->Text) return;
    const uint32_t size = screenView->TextSize ? screenView->TextSize : kArticleOffsetLimit;
    LayoutSizedArticle(printView, screenView->Text, size, kKeepPrevious);
}

// Drawing puts the first entry of a page at the top and draws it only if it
// fits the whole text area.
bool PageTakesALine(const ArticleView* printView, const ArticleLine* first) {
    return first && first->Format != 0 && first->Height <= printView->Height;
}

void ReleasePrintView(ArticleView* printView) {
    // The text is the screen view's.
    printView->Text = nullptr;
    DestroyArticleView(printView, kKeepViewRecord);
}

}  // namespace

void HeaderText(int32_t fontAsciiBase, char16_t units[kHeaderLength]) {
    for (int i = 0; i < kHeaderLength; ++i) {
        char16_t unit = kHeaderUnits[i];
        if (fontAsciiBase == kFontAsciiBaseUnicode && unit >= kHeaderLettersFirst &&
            unit <= kHeaderLettersLast)
            unit = char16_t(unit + kHeaderUnicodeShift);
        units[i] = unit;
    }
}

int32_t PageNumberText(int32_t pageNumber, char16_t* units) {
    char text[kPageNumberUnits];
    int n = std::snprintf(text, sizeof text, kPageNumberFormat, pageNumber);
    if (n < 0) n = 0;
    if (n >= int(sizeof text)) n = int(sizeof text) - 1;
    for (int i = 0; i < n; ++i) units[i] = char16_t(static_cast<unsigned char>(text[i]));
    units[n] = 0;
    return n;
}

namespace {

// The footer's left text: the maker's web address and " -- Orvendel".
const char16_t* FooterText() {
    static const Footer footer;
    return footer.Units;
}

}  // namespace

void SetPrintRectangle(ArticleView* printView, const PrintMargins& margins) {
    TextDevice* dc = printView->Dc;
    const int32_t dx = dc->PixelsPerInchX();
    const int32_t dy = dc->PixelsPerInchY();
    // 64-bit products: a margin of any stored size cannot overflow them.
    printView->Left = int32_t(int64_t(dx) * margins.Left / kThousandthsPerInch);
    printView->Top = int32_t(int64_t(dy) * margins.Top / kThousandthsPerInch);
    printView->Width = int32_t(dc->PrintableWidth() - int64_t(dx) * margins.Right / kThousandthsPerInch -
                               printView->Left);
    printView->Height = int32_t(dc->PrintableHeight() -
                                int64_t(dy) * margins.Bottom / kThousandthsPerInch - printView->Top);
}

void PrepareBands(ArticleView* printView, int32_t* headerHeight, int32_t* footerHeight) {
    TextDevice* dc = printView->Dc;
    const FontHandle previous = SelectFormatFont(printView, kFooterFormatWord);
    const int32_t a = dc->Metrics().Height;
    SelectFormatFont(printView, kHeaderFormatWord);
    const int32_t b = dc->Metrics().Height;
    dc->SelectFont(previous);
    printView->Top += a + kBandGap;
    printView->Height -= a + b + 2 * kBandGap;
    *headerHeight = a;
    *footerHeight = b;
}

void DrawBands(ArticleView* printView, int32_t headerHeight, int32_t footerHeight,
               int32_t pageNumber) {
    TextDevice* dc = printView->Dc;
    const FontHandle previous = SelectFormatFont(printView, kFooterFormatWord);
    char16_t header[kHeaderLength];
    HeaderText(printView->Font.FontAsciiBase, header);
    dc->SetTransparentBackground();

    const int32_t left = printView->Left;
    const int32_t right = printView->Left + printView->Width;
    const int32_t footerTop = printView->Top + printView->Height + kBandGap;
    const Rect footer{left, footerTop, right, footerTop + footerHeight};
    const char16_t* footerText = FooterText();
    dc->DrawLatinLine(footerText, LengthOf(footerText), footer, false);
    char16_t pageText[kPageNumberUnits];
    const int32_t pageLength = PageNumberText(pageNumber, pageText);
    dc->DrawLatinLine(pageText, pageLength, footer, true);

    // The header is Hebrew in display order: drawn as stored, against the
    // band's right edge.
    SelectFormatFont(printView, kHeaderFormatWord);
    const int32_t headerWidth = dc->MeasureRun(header, kHeaderLength).Width;
    const Rect headerBox{right - headerWidth, printView->Top - headerHeight - kBandGap, right,
                         printView->Top - kBandGap};
    dc->DrawRunCentred(header, kHeaderLength, headerBox);

    dc->SelectFont(previous);
}

int32_t PrintArticlePages(ArticleView* screenView, TextDevice* printer,
                          const PrintMargins& margins, PrintJobPort* job) {
    if (!screenView || !printer || !job) return 0;
    ArticleView printView;
    MakePrintView(&printView, screenView, printer);
    SetPrintRectangle(&printView, margins);
    LayOutBorrowedText(&printView, screenView);
    int32_t headerHeight = 0;
    int32_t footerHeight = 0;
    PrepareBands(&printView, &headerHeight, &footerHeight);

    int32_t pagesPrinted = 0;
    for (int32_t page = 1;; ++page) {
        DrawArticleView(&printView, kNoErase);
        if (printView.LinesDrawn == 0) break;
        DrawBands(&printView, headerHeight, footerHeight, page);
        printView.PageStart = printView.PageEnd;
        const bool ended = job->EndPage();
        pagesPrinted = page;
        if (!ended || !printView.PageStart || printView.PageStart->Format == 0) break;
        // A line taller than the whole text area ends the job here, before a
        // sheet is begun that would stay empty.
        if (!PageTakesALine(&printView, printView.PageStart)) break;
        if (!job->StartPage()) break;
    }

    ReleasePrintView(&printView);
    return pagesPrinted;
}

int32_t PrintJobEnding(int32_t pagesPrinted) {
    return pagesPrinted > 0 ? kFinishJob : kAbortJob;
}
