// The font choice on the very first run (no face name stored).
#pragma once
#include <windows.h>

// Shows the Choose Font dialog over the new main window and hands the result
// to the view whatever the answer. The dialog comes with the font subsystem;
// until then the article opens in the fallback face (display_font.h) and
// nothing is asked.
void ChooseFirstRunFont(HWND window);
