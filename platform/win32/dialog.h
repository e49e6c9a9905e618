// The one shape of the program's modal dialogs. A dialog unit keeps one state
// record (only one instance is open at a time), shows the dialog with
// RunDialog, resets the record in its OnInitDialog from what RunDialog was
// handed and releases what the record holds only in its OnDestroy. Its
// procedure is a switch of one-line cases, each calling an On... handler.
#pragma once
#include <windows.h>

// Runs template templateId of the program's own resources modally over owner;
// procedure receives request as WM_INITDIALOG's lParam. What EndDialog was
// given, or -1 when the dialog could not be made.
INT_PTR RunDialog(int templateId, HWND owner, DLGPROC procedure, void* request);

// The request handed to RunDialog, read back from WM_INITDIALOG's lParam.
template <typename Request>
Request* DialogRequest(LPARAM lParam) {
    return reinterpret_cast<Request*>(lParam);
}

// Deletes a font (or other GDI object) the dialog made for itself, and
// forgets it: OnDestroy's work.
template <typename Object>
void DeleteDialogObject(Object* object) {
    if (*object) DeleteObject(*object);
    *object = nullptr;
}

// A dialog procedure's answer to a message it handled that needs a result of
// its own (WM_ERASEBKGND, WM_GETDLGCODE): the result goes in DWLP_MSGRESULT.
INT_PTR SetDialogResult(HWND dialog, LONG_PTR result);
