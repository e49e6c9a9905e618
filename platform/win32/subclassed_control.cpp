#include "platform/win32/subclassed_control.h"

bool SubclassControl(HWND control, WNDPROC procedure, WNDPROC* previous) {
    const auto replaced = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    if (!replaced) return false;
    if (replaced != procedure) *previous = replaced;
    return true;
}
