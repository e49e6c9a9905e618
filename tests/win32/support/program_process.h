// One run of the real program: started as a user starts it, found by its main
// window, and ended through that window, with the process's exit code.
#pragma once
#include <windows.h>

#include <string>

// The program's path as Windows sees it, from ORVENDEL_EXE (a Unix path under
// Wine's Z: drive is turned into Z:\...).
std::wstring ProgramPath();

class ProgramProcess {
public:
    ProgramProcess() = default;
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    // Ends a run the test left running, so the next test starts alone.
    ~ProgramProcess();

    // CreateProcessW with the given show command; false when the process
    // could not be made.
    bool Start(int showCommand = SW_SHOWNORMAL);
    // Waits until the process's own main window is visible; false on timeout.
    bool WaitForMainWindow(DWORD timeoutMs = 15000);
    // Start, main window, and the state probe answering with nothing left to
    // paint: what a user sees as "the reader is up".
    bool Launch(int showCommand = SW_SHOWNORMAL);

    // Ends the run as a user does: WM_CLOSE (the close box) or the Exit command.
    void Close();
    void Exit();
    // Waits for the process to end; its exit code, or STILL_ACTIVE on timeout.
    DWORD WaitForExit(DWORD timeoutMs = 15000);
    // Close and wait; the exit code.
    DWORD CloseAndWait();
    bool HasEnded() const;
    // Ends the process without its shutdown (a test that failed half-way).
    void Kill();

    HWND MainWindow() const { return mainWindow_; }
    DWORD ProcessId() const { return processInfo_.dwProcessId; }
    DWORD ThreadId() const { return processInfo_.dwThreadId; }
    HANDLE Handle() const { return processInfo_.hProcess; }

private:
    void Release();

    PROCESS_INFORMATION processInfo_{};
    HWND mainWindow_ = nullptr;
};

// Every top-level window of the program's class ("Orvendel"), of any process.
int CountMainWindows();
