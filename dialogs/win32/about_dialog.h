// The About box (template 103): title, picture, version, notice, and the
// maker's site as a link that opens it and leaves the box open.
#pragma once
#include <windows.h>

// Runs the box modally over owner until Escape, Enter or the close box; does
// nothing while the box is open already.
void ShowAboutBox(HWND owner);
