// The Choose Font dialog (template 105) on Win32: the platform's faces, the
// two lists and the sample box around the choices of dialogs/font_choice.h.
#pragma once
#include <windows.h>

#include "view/article_view.h"

// Runs the dialog modally over owner on spec (AppSettings' font, edited in
// place at OK). IDOK (1) or IDCANCEL (2).
INT_PTR ChooseDisplayFont(HWND owner, FontSpec* spec);
