// The PDFs the test print queue writes (a cups-pdf printer, tools/cups-session.sh)
// and what poppler and the Hebrew recogniser read in them.
#pragma once
#include <windows.h>

#include <set>
#include <string>

// Where the queue writes its PDFs, as the session script recorded it under
// ORVENDEL_CUPS_STATE; empty when no print queue was set up for this run.
std::string PdfDirectory();
// The session's second PDF printer, whose name is longer than a device mode's
// name field holds; empty without a print queue.
std::string LongNamePrinter();
// The print queue whose finished job the PDF is, or empty when not known.
std::string QueueThatPrinted(const std::string& pdf);
// The names of the PDFs there now.
std::set<std::string> PdfFiles();
// Waits for a PDF that is not among before and that poppler can read whole;
// its Unix path, or empty on timeout.
std::string WaitForNewPdf(const std::set<std::string>& before, DWORD timeoutMs);

struct PdfInfo {
    int Pages = 0;
    std::string Title;
    double PageWidth = 0, PageHeight = 0;   // points, of the first page
    std::string Failure;   // set when pdfinfo could not read the file
};
PdfInfo ReadPdfInfo(const std::string& pdf);
// The text of one page (counting from 1), as pdftotext extracts it, in UTF-16.
std::u16string PdfPageText(const std::string& pdf, int page, std::string* failure);
// The same laid out as printed (pdftotext -layout): columns stay apart.
std::u16string PdfLayoutText(const std::string& pdf, int page, std::string* failure);
// The page rendered at 200 dots per inch and read by tesseract's Hebrew model.
std::u16string RecognisePdfPage(const std::string& pdf, int page, std::string* failure);
