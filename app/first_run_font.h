// The font choice on the very first run (no face name stored).
#pragma once
#include <windows.h>

// Shows the Choose Font dialog over the new main window and hands the result
// to the view whatever the answer: after Cancel the article stays in the
// fallback face (view/display_font.h) and nothing unchosen is stored.
void ChooseFirstRunFont(HWND window);
