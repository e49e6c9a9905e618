// The Print command: the shown article, page by page, on the printer page setup chose.
#include <windows.h>

#include "output/article_printing.h"
#include "output/win32/printing.h"
#include "platform/print_job_port.h"
#include "view/win32/gdi_text_device.h"

namespace {

constexpr int32_t kAskForPageSetup = 1;

class GdiPrintJob : public PrintJobPort {
public:
    explicit GdiPrintJob(HDC dc) : dc_(dc) {}
    bool StartPage() override { return ::StartPage(dc_) > 0; }
    bool EndPage() override { return ::EndPage(dc_) > 0; }

private:
    HDC dc_;
};

// Ends the job with AbortDoc (abort non-zero) or EndDoc, and deletes dc.
void EndPrintJob(HDC dc, int32_t abort) {
    if (!dc) return;
    if (abort)
        AbortDoc(dc);
    else
        EndDoc(dc);
    DeleteDC(dc);
}

}  // namespace

void PrintArticle(ArticleView* view) {
    if (!view) return;
    PrintMargins margins{};
    HDC dc = OpenPrintJob(kAskForPageSetup, kPrintDocumentName, &margins);
    if (!dc) return;
    HCURSOR previousCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    GdiTextDevice printer(dc);
    GdiPrintJob job(dc);
    const int32_t pages = PrintArticlePages(view, &printer, margins, &job);
    EndPrintJob(dc, PrintJobEnding(pages));
    SetCursor(previousCursor);
}
