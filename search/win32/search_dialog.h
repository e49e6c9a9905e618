// The Search dialog (template 115): the pattern typed on a mapped Latin
// keyboard or clicked on the keyboard picture, stored on OK and searched for.
#pragma once
#include <windows.h>

// Opens the dialog, modal, owned by owner.
void ShowSearchDialog(HWND owner);
