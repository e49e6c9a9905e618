// The display font the user chooses in the Choose Font dialog, applied to the
// article.
#pragma once
#include <windows.h>

// The Font command (Ctrl+F, the menu, the toolbar): the dialog over window,
// and the choice applied to the article after OK only.
void ChooseArticleFont(HWND window);
// AppSettings' font on the view as it is drawn (the fallback face while none
// is chosen): the article laid out again and redrawn, the scroll bar with it.
void ApplyArticleFont(HWND window);
