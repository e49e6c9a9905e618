#include "tests/win32/support/program_dialogs.h"

#include <cwchar>

namespace {

struct DialogSearch {
    DWORD ProcessId;
    DialogQuery Query;
    HWND Found;
    bool CountAll = false;   // go on past the first, counting
    int Count = 0;
};

bool Answers(HWND window, const DialogQuery& query) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (wcscmp(className, L"#32770") != 0) return false;
    if (query.Caption) {
        wchar_t caption[256] = {};
        GetWindowTextW(window, caption, 256);
        if (wcscmp(caption, query.Caption) != 0) return false;
    }
    if (query.ControlId && !GetDlgItem(window, query.ControlId)) return false;
    return !query.Owner || GetWindow(window, GW_OWNER) == query.Owner;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<DialogSearch*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->ProcessId || !IsWindowVisible(window) || !Answers(window, search->Query))
        return TRUE;
    search->Found = window;
    ++search->Count;
    return search->CountAll;
}

}  // namespace

HWND FindProgramDialog(DWORD processId, const DialogQuery& query) {
    DialogSearch search{processId, query, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

int CountProgramDialogs(DWORD processId, const DialogQuery& query) {
    DialogSearch search{processId, query, nullptr, true};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.Count;
}

HWND WaitForProgramDialog(DWORD processId, const DialogQuery& query, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (HWND dialog = FindProgramDialog(processId, query)) return dialog;
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

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
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
