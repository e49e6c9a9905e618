// The Find All dialog (template 120): a pattern typed in the search field's
// way, searched through the whole book at every change, the count of hits
// and a list of every one of them; Enter goes to the selected hit as a
// search stopping there does.
#pragma once
#include <windows.h>

// Opens the dialog, modal, owned by owner; on Enter its pattern becomes the
// stored one and the selected hit is shown.
void ShowFindAllDialog(HWND owner);
