// How many GDI objects (fonts, brushes, bitmaps, device contexts...) another
// process holds, to tell a leak. Windows answers GetGuiResources; Wine does
// not (it returns 0), so the count is then taken from the process's GDI handle
// table, which its environment block points to: the used entries that are no
// stock objects.
#pragma once
#include <windows.h>

enum class GdiObjects { All, Fonts, Bitmaps };

// The count, or -1 when it cannot be had; fonts and bitmaps are counted from
// the handle table.
int GdiObjectCount(HANDLE process, GdiObjects which = GdiObjects::All);
