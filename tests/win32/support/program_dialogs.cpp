#include "tests/win32/support/program_dialogs.h"

#include <cwchar>

namespace {

struct DialogSearch {
    DWORD ProcessId;
    const wchar_t* Caption;
    HWND Found;
    bool CountAll = false;   // go on past the first, counting
    int WithControl = 0;     // a control the dialog must have (0: any dialog)
    int Count = 0;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<DialogSearch*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->ProcessId || !IsWindowVisible(window)) return TRUE;
    wchar_t className[64];
    wchar_t caption[256];
    GetClassNameW(window, className, 64);
    GetWindowTextW(window, caption, 256);
    if (wcscmp(className, L"#32770") == 0 && wcscmp(caption, search->Caption) == 0 &&
        (search->WithControl == 0 || GetDlgItem(window, search->WithControl))) {
        search->Found = window;
        ++search->Count;
        return search->CountAll;
    }
    return TRUE;
}

}  // namespace

HWND FindProgramDialog(DWORD processId, const wchar_t* caption, int withControl) {
    DialogSearch search{processId, caption, nullptr, false, withControl};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

int CountProgramDialogs(DWORD processId, const wchar_t* caption, int withControl) {
    DialogSearch search{processId, caption, nullptr, true, withControl};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.Count;
}

HWND WaitForProgramDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (HWND dialog = FindProgramDialog(processId, caption)) return dialog;
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitForDialogToClose(HWND dialog, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

std::wstring DialogMessageText(HWND dialog) {
    // A message box shows its text in the static control 0xFFFF.
    HWND text = GetDlgItem(dialog, 0xFFFF);
    if (!text) return {};
    wchar_t buffer[512] = {};
    GetWindowTextW(text, buffer, 512);
    return buffer;
}

bool PressDialogButton(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (!button) return false;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return WaitForDialogToClose(dialog);
}
