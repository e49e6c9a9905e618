#include "tests/win32/support/linux_command.h"

#include <cstdio>
#include <cstdlib>

std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
    return path;
}

std::string ReadWholeFile(const std::wstring& path) {
    std::string bytes;
    FILE* in = _wfopen(path.c_str(), L"rb");
    if (!in) return bytes;
    char chunk[8192];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, in)) > 0) bytes.append(chunk, n);
    fclose(in);
    return bytes;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    const bool written = fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return fclose(out) == 0 && written;
}

std::string TestFilesDir(const std::string& name) {
    const char* binary = std::getenv("ORVENDEL_BINARY_DIR");
    if (!binary || !*binary) return {};
    const std::string dir = std::string(binary) + "/" + name;
    CreateDirectoryW(WinePath(dir).c_str(), nullptr);
    return dir;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ScratchPath(const std::string& name) {
    const char* dir = std::getenv("ORVENDEL_BINARY_DIR");
    const std::string folder = std::string(dir && *dir ? dir : "/tmp") + "/linux-commands";
    CreateDirectoryW(WinePath(folder).c_str(), nullptr);
    return folder + "/" + name;
}

LinuxCommandResult RunLinuxCommand(const std::string& command, DWORD timeoutMs) {
    static unsigned counter = 0;
    LinuxCommandResult result;
    const std::string base = ScratchPath("run-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         std::to_string(++counter));
    const std::string status = base + ".status";
    DeleteFileW(WinePath(status).c_str());
    // The command goes through a file, so that no quoting survives two command
    // lines; the status file appears whole: written beside it, then renamed.
    const std::string script = "( " + command + "\n) >" + ShellQuoted(base + ".out") + " 2>" +
                               ShellQuoted(base + ".err") + "\necho $? >" + ShellQuoted(status + ".part") +
                               " && mv " + ShellQuoted(status + ".part") + " " + ShellQuoted(status) + "\n";
    if (!WriteWholeFile(WinePath(base + ".sh"), script)) {
        result.Failure = "the script " + base + ".sh could not be written";
        return result;
    }
    std::wstring line = L"sh " + std::wstring(base.begin(), base.end()) + L".sh";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
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
        result.Failure = "'" + command + "' did not finish within " + std::to_string(timeoutMs / 1000) + " s";
        return result;
    }
    result.Ran = true;
    result.Status = std::atoi(written.c_str());
    result.Output = ReadWholeFile(WinePath(base + ".out"));
    result.Errors = ReadWholeFile(WinePath(base + ".err"));
    for (const char* suffix : {".sh", ".out", ".err", ".status"})
        DeleteFileW(WinePath(base + suffix).c_str());
    if (result.Status != 0) {
        std::string said = result.Errors + result.Output;
        if (said.size() > 2000) said = "..." + said.substr(said.size() - 2000);
        result.Failure = "'" + command + "' ended with status " + std::to_string(result.Status) + ": " + said;
    }
    return result;
}
