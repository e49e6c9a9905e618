// Printing an article: the print view on the printer's device, its page
// rectangle from the margins, the header and footer bands, and the page loop.
// The platform opens the job (page setup, the printer's device) and ends it.
#pragma once
#include <cstdint>

#include "platform/print_job_port.h"
#include "view/article_view.h"

// Margins in thousandths of an inch, measured from the edges of the printable area.
struct PrintMargins {
    int32_t Left, Top, Right, Bottom;
};

constexpr int32_t kThousandthsPerInch = 1000;
// Device units between each band and the text area.
constexpr int32_t kBandGap = 5;
// The font of the footer, and the equal font of the header.
constexpr uint16_t kFooterFormatWord = kFormatPrintSmall;
constexpr uint16_t kHeaderFormatWord = kFormatPrintSmall | kFormatRightToLeft;

// The header: three Windows-1255 letters and a quotation mark, in display
// order. A Unicode display font (base 1488) has the letters 1264 higher.
constexpr int kHeaderLength = 4;
constexpr char16_t kHeaderUnits[kHeaderLength] = {227, 34, 241, 225};
constexpr char16_t kHeaderLettersFirst = 224;
constexpr char16_t kHeaderLettersLast = 250;
constexpr int32_t kHeaderUnicodeShift = 1264;

constexpr char16_t kFooterTitle[] = u" -- Orvendel";   // after the maker's web address
constexpr char kPageNumberFormat[] = " Page %d";
constexpr char16_t kPrintDocumentName[] = u"Orvendel";

// The messages of a job that could not be opened.
constexpr char16_t kPrintErrorCaption[] = u"Error Printing";
constexpr char16_t kUnknownPrintError[] = u"Unknown Error";
constexpr char16_t kPrinterFailedMessage[] = u"Printer Initialitazion failed!";
constexpr char16_t kPrinterFailedCaption[] = u"Error";

// How a job ends: EndDoc, or AbortDoc when it must leave no sheet behind.
constexpr int32_t kFinishJob = 0;
constexpr int32_t kAbortJob = 1;

// The four header units for a display font whose first letter is fontAsciiBase.
void HeaderText(int32_t fontAsciiBase, char16_t units[kHeaderLength]);
// " Page n" in UTF-16; returns its length. units holds at least 24 units.
int32_t PageNumberText(int32_t pageNumber, char16_t* units);

// The print view's rectangle: the printable area of its device less the margins.
void SetPrintRectangle(ArticleView* printView, const PrintMargins& margins);
// Makes room for the header and footer bands; their heights come back in
// *headerHeight and *footerHeight.
void PrepareBands(ArticleView* printView, int32_t* headerHeight, int32_t* footerHeight);
// The header and footer of page pageNumber.
void DrawBands(ArticleView* printView, int32_t headerHeight, int32_t footerHeight,
               int32_t pageNumber);

// Prints the whole article of screenView on printer, whose job is open with
// its first page started, page by page through job. The screen view is left
// exactly as it was; its Text is only borrowed. Returns the pages printed
// (0 when not one line could be printed). A page is started only when it will
// receive a line, so the job never ends on a begun, empty page after the first.
int32_t PrintArticlePages(ArticleView* screenView, TextDevice* printer,
                          const PrintMargins& margins, PrintJobPort* job);
// How to end a job that printed pagesPrinted pages: one without a single page
// is aborted, so its begun first page does not come out as an empty sheet.
int32_t PrintJobEnding(int32_t pagesPrinted);
