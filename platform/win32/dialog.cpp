#include "platform/win32/dialog.h"

INT_PTR RunDialog(int templateId, HWND owner, DLGPROC procedure, void* request) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, procedure,
                           reinterpret_cast<LPARAM>(request));
}

INT_PTR SetDialogResult(HWND dialog, LONG_PTR result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}
