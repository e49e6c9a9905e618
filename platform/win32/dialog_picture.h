// A dialog's picture (its one SS_BITMAP static) drawn at another size than the
// template's, for a screen of more dots per inch.
#pragma once
#include <windows.h>

// Puts bitmap, a resource of the program, into the dialog's picture control,
// which takes the bitmap's size at the same corner. The bitmap, which the
// dialog deletes in its OnDestroy (DeleteDialogObject), or null when nothing
// changed (bitmap is the template's own, cannot be loaded, or the dialog has no
// picture). The dialog grows where the picture would leave it.
HBITMAP ShowDialogPicture(HWND dialog, int templateBitmap, int bitmap);
