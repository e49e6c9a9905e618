// The Choose Section dialog: the book's table of contents in a modal,
// resizable window over the main window, drawn straight onto its client area
// and scrolled by its own vertical scroll bar.
#pragma once
#include <windows.h>

#include <cstdint>

#include "view/article_view.h"

// Runs the dialog owned by owner with currentArticle revealed in the list and
// the titles in fontSpec's face and size. Returns the article chosen, the
// current one (Enter) or 0 (Escape, the close box).
uint16_t ChooseSection(HWND owner, uint16_t currentArticle, const FontSpec* fontSpec);
