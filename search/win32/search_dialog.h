// The Search dialog (template 115): the pattern typed on a mapped Latin
// keyboard or clicked on the keyboard picture, stored on OK and searched for.
#pragma once
#include <windows.h>

// Opens the dialog, modal, owned by owner.
void ShowSearchDialog(HWND owner);

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A click at (x, y) of the dialog's client area: the picture key there, if
// any, inserts its letter. 0 when a key was hit, 1 otherwise.
int PictureKeyAt(HWND dialog, int x, int y);
// Inserts the letter of picture key k (0, the space bar, to 27) into the
// field, without moving the focus.
void InsertPictureLetter(HWND dialog, int k);
