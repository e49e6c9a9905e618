// The program's dialogs and message boxes as a user meets them: a window of
// class "#32770" of the program's process, known by its caption, answered by
// pressing one of its buttons.
#pragma once
#include <windows.h>

#include <string>

inline constexpr wchar_t kChooseFontCaption[] = L"Choose Font";
inline constexpr wchar_t kChooseSectionCaption[] = L"Choose Section";

// The visible dialog of the process with this caption (and, with
// withControl, a control of that id), or null.
HWND FindProgramDialog(DWORD processId, const wchar_t* caption, int withControl = 0);
// How many such dialogs are open.
int CountProgramDialogs(DWORD processId, const wchar_t* caption, int withControl = 0);
// Waits for such a dialog; null on timeout.
HWND WaitForProgramDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMs = 10000);
// Waits until the dialog window is gone; false on timeout.
bool WaitForDialogToClose(HWND dialog, DWORD timeoutMs = 10000);
// The text of the dialog's static control (a message box's question).
std::wstring DialogMessageText(HWND dialog);
// Presses the button with the control id (IDYES, IDNO, IDCANCEL, IDOK...)
// and waits until the dialog has closed. False when the dialog has no such
// button or stays open.
bool PressDialogButton(HWND dialog, int buttonId);
