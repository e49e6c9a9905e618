#include "tests/win32/support/unix_command.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string ScratchFolder() {
    const char* dir = std::getenv("ORVENDEL_BINARY_DIR");
    std::string folder = std::string(dir ? dir : "/tmp") + "/unix-commands";
    CreateDirectoryW(WinePath(folder).c_str(), nullptr);
    return folder;
}

}  // namespace

std::string ScratchPath(const std::string& name) { return ScratchFolder() + "/" + name; }

UnixResult RunUnixScript(const std::string& script, DWORD timeoutMs) {
    static unsigned counter = 0;
    UnixResult result;
    const std::string base = ScratchPath("run-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         std::to_string(++counter));
    const std::string status = base + ".status";
    DeleteFileW(WinePath(status).c_str());
    // The status file appears whole: written beside it, then renamed.
    const std::string wrapper = "( " + script + "\n) >'" + base + ".out' 2>'" + base +
                                ".err'\necho $? >'" + status + ".part' && mv '" + status +
                                ".part' '" + status + "'\n";
    if (!WriteWholeFile(WinePath(base + ".sh"), wrapper)) {
        result.Failure = "the script could not be written to " + base + ".sh";
        return result;
    }
    std::wstring command = L"sh " + WinePath(base + ".sh").substr(2);
    for (wchar_t& c : command)
        if (c == L'\\') c = L'/';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        result.Failure = "the shell could not be started, error " + std::to_string(GetLastError());
        return result;
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::string written;
    for (DWORD waited = 0; written.empty() && waited < timeoutMs; waited += 50) {
        Sleep(50);
        written = ReadWholeFile(WinePath(status));
    }
    if (written.empty()) {
        result.Failure = "the script did not finish in time: " + script;
        return result;
    }
    result.Ran = true;
    result.Status = std::atoi(written.c_str());
    result.Output = ReadWholeFile(WinePath(base + ".out"));
    result.Failure = ReadWholeFile(WinePath(base + ".err"));
    for (const char* suffix : {".sh", ".out", ".err", ".status"})
        DeleteFileW(WinePath(base + suffix).c_str());
    return result;
}
