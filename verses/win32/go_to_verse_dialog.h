// The Go to Verse dialog (template 121): a reference typed in the search
// field's way, the line below it saying what it is understood as, and Enter
// going there when it names verses of the book.
#pragma once
#include <windows.h>

// Opens the dialog, modal, owned by owner, and goes to the verses on Enter.
void ShowGoToVerseDialog(HWND owner);
