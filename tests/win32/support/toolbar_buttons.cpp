#include "tests/win32/support/toolbar_buttons.h"

#include <commctrl.h>

#include "resources/resource_ids.h"

HWND ProgramToolbar(HWND mainWindow) { return GetDlgItem(mainWindow, IDC_TOOLBAR); }

bool ToolbarButtonRect(HWND toolbar, int index, RECT* rect) {
    DWORD processId = 0;
    GetWindowThreadProcessId(toolbar, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                 processId);
    if (!process) return false;
    bool found = false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    if (remote) {
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote),
                                SMTO_BLOCK, 5000, &answer) &&
            answer) {
            found = ReadProcessMemory(process, remote, rect, sizeof *rect, nullptr) != FALSE;
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return found;
}

bool ClickToolbarButton(HWND toolbar, int index) {
    RECT rect;
    if (!ToolbarButtonRect(toolbar, index, &rect)) return false;
    const LPARAM middle = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageW(toolbar, WM_MOUSEMOVE, 0, middle);
    PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(toolbar, WM_LBUTTONUP, 0, middle);
    return true;
}
