// The program's dialogs and message boxes as a user meets them: a window of
// class "#32770" of the program's process, known by its caption, a control it
// has or the window that owns it, answered by pressing one of its buttons.
#pragma once
#include <windows.h>

#include <string>

inline constexpr wchar_t kChooseFontCaption[] = L"Choose Font";
inline constexpr wchar_t kChooseSectionCaption[] = L"Choose Section";

// What a dialog must be to be found; what is left empty is not asked.
struct DialogQuery {
    const wchar_t* Caption = nullptr;
    int ControlId = 0;       // a control the dialog has
    HWND Owner = nullptr;    // the window that owns it (a message box's dialog)
};

// The visible dialog of the process that answers the query, or null.
HWND FindProgramDialog(DWORD processId, const DialogQuery& query);
// How many such dialogs are open.
int CountProgramDialogs(DWORD processId, const DialogQuery& query);
// Waits for such a dialog (looking at least once); null on timeout.
HWND WaitForProgramDialog(DWORD processId, const DialogQuery& query, DWORD timeoutMs = 10000);
inline HWND FindProgramDialog(DWORD processId, const wchar_t* caption) {
    return FindProgramDialog(processId, DialogQuery{caption});
}
inline HWND WaitForProgramDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMs = 10000) {
    return WaitForProgramDialog(processId, DialogQuery{caption}, timeoutMs);
}
// Waits until the dialog window is gone; false on timeout.
bool WaitForDialogToClose(HWND dialog, DWORD timeoutMs = 10000);
// The text of a window or control of any process, as WM_GETTEXT gives it.
std::wstring WindowText(HWND window);
// The text of the dialog's static control (a message box's question).
std::wstring DialogMessageText(HWND dialog);
// Presses the button with the control id (IDYES, IDNO, IDCANCEL, IDOK...)
// and waits until the dialog has closed. False when the dialog has no such
// button or stays open.
bool PressDialogButton(HWND dialog, int buttonId);
