// The Go to Verse dialog (template 121): a reference typed in the search
// field's way, the line below it saying what it is understood as, and Enter
// going there when it names verses of the book.
#pragma once
#include <windows.h>

// Opens the dialog, modal, owned by owner, and goes to the verses on Enter.
void ShowGoToVerseDialog(HWND owner);

INT_PTR CALLBACK GoToVerseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A number typed among the Hebrew keeps its separators in its own
// left-to-right order: after a digit, the separator keys are inserted as
// themselves with the caret after them, as digits are. Every other message
// goes on to the search field's procedure.
LRESULT CALLBACK VerseFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);
