// The display font the user chooses in the Choose Font dialog, applied to the
// article: from the Font command, and on the very first run.
#pragma once
#include <windows.h>

#include "settings/font_spec.h"

// AppSettings' font as the screen view draws it: the fallback face while none
// is chosen (view/display_font.h).
FontSpec ShownArticleFont();
// The Font command (Ctrl+F, the menu, the toolbar): the dialog over window,
// and the choice applied to the article after OK only.
void ChooseArticleFont(HWND window);
// The font choice on the very first run (no face name stored): the dialog
// over the new main window, and the result applied whatever the answer.
// After Cancel the article stays in the fallback face (view/display_font.h)
// and nothing unchosen is stored.
void ChooseFirstRunFont(HWND window);
