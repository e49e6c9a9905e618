#include "tests/win32/support/program_process.h"

#include <cstdlib>
#include <vector>

#include "app/main_window.h"
#include "resources/resource_ids.h"
#include "tests/win32/support/window_state_probe.h"

std::wstring ProgramPath() {
    const wchar_t* path = _wgetenv(L"ORVENDEL_EXE");
    if (!path || !*path) return L"orvendel.exe";
    std::wstring windowsPath = path;
    if (windowsPath[0] == L'/') windowsPath = L"Z:" + windowsPath;
    for (wchar_t& c : windowsPath) {
        if (c == L'/') c = L'\\';
    }
    return windowsPath;
}

ProgramProcess::~ProgramProcess() {
    if (processInfo_.hProcess && !HasEnded()) {
        Close();
        if (WaitForExit(5000) == STILL_ACTIVE) Kill();
    }
    Release();
}

bool ProgramProcess::Start(int showCommand) {
    Release();
    std::wstring path = ProgramPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(0);
    return CreateProcessW(path.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &processInfo_) != FALSE;
}

bool ProgramProcess::WaitForMainWindow(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        HWND found = nullptr;
        while ((found = FindWindowExW(nullptr, found, kMainClassName, kMainCaption)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == processInfo_.dwProcessId && IsWindowVisible(found)) {
                mainWindow_ = found;
                return true;
            }
        }
        if (HasEnded()) return false;
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

bool ProgramProcess::Launch(int showCommand) {
    if (!Start(showCommand) || !WaitForMainWindow()) return false;
    const DWORD start = GetTickCount();
    do {
        WindowState state;
        if (!ProbeWindowState(mainWindow_, 0, &state)) return false;
        if (!state.NeedsPaint) return true;
        Sleep(10);
    } while (GetTickCount() - start < 10000);
    return false;
}

void ProgramProcess::Close() {
    if (mainWindow_) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
}

void ProgramProcess::Exit() {
    if (mainWindow_) PostMessageW(mainWindow_, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
}

DWORD ProgramProcess::WaitForExit(DWORD timeoutMs) {
    if (!processInfo_.hProcess) return STILL_ACTIVE;
    if (WaitForSingleObject(processInfo_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(processInfo_.hProcess, &code);
    return code;
}

DWORD ProgramProcess::CloseAndWait() {
    Close();
    return WaitForExit();
}

bool ProgramProcess::HasEnded() const {
    return !processInfo_.hProcess || WaitForSingleObject(processInfo_.hProcess, 0) == WAIT_OBJECT_0;
}

void ProgramProcess::Kill() {
    if (processInfo_.hProcess) {
        TerminateProcess(processInfo_.hProcess, 255);
        WaitForSingleObject(processInfo_.hProcess, 5000);
    }
}

void ProgramProcess::Release() {
    if (processInfo_.hProcess) CloseHandle(processInfo_.hProcess);
    if (processInfo_.hThread) CloseHandle(processInfo_.hThread);
    processInfo_ = PROCESS_INFORMATION{};
    mainWindow_ = nullptr;
}

int CountMainWindows() {
    int count = 0;
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, kMainClassName, kMainCaption)) != nullptr) ++count;
    return count;
}
