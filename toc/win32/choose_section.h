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
uint16_t ChooseSection(HINSTANCE instance, HWND owner, uint16_t currentArticle,
                       const FontSpec* fontSpec);
INT_PTR CALLBACK ChooseSectionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Builds the list from a fresh copy of the contents record with the bookmarks
// group in front, reveals the current article and sets the scroll bar.
void OpenIndexContents();
void UpdateIndexScrollBar();
