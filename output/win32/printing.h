// Printing on Win32: page setup, the printer's device context and its job,
// and the Print command that prints the shown article through them.
#pragma once
#include <windows.h>

#include <cstdint>

#include "output/article_printing.h"
#include "view/article_view.h"

// Prints the article of the screen view (command 40008); failures are shown here.
void PrintArticle(ArticleView* view);

// Runs page setup (always when ask is non-zero) and opens the job: the
// printer's device context with the document started and its first page
// begun, in device units, and the chosen margins in *margins; null when the
// user cancelled, page setup failed or the printer could not be opened (the
// last two are shown to the user).
HDC OpenPrintJob(int32_t ask, const char16_t* documentName, PrintMargins* margins);
