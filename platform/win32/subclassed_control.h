// A control whose window procedure is replaced by the program's own, which
// hands on what it does not handle to the procedure it replaced.
#pragma once
#include <windows.h>

// Installs procedure on control and remembers the one it replaced in
// *previous. A control subclassed already (a second opening of its dialog
// finds the first one's procedure installed) leaves *previous as it was.
// False when the platform refuses.
bool SubclassControl(HWND control, WNDPROC procedure, WNDPROC* previous);
