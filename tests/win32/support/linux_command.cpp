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

bool RunLinuxCommand(const std::string& command, const std::string& logPath, DWORD timeoutMs,
                     std::string* failure) {
    const std::string statusPath = logPath + ".status";
    DeleteFileW(WinePath(statusPath).c_str());
    // The script goes through a file, so that no quoting survives two
    // command lines.
    const std::string scriptPath = logPath + ".sh";
    const std::string script = "(" + command + ") >" + ShellQuoted(logPath) + " 2>&1\necho $? >" +
                               ShellQuoted(statusPath + ".part") + " && mv " +
                               ShellQuoted(statusPath + ".part") + " " + ShellQuoted(statusPath) + "\n";
    if (!WriteWholeFile(WinePath(scriptPath), script)) {
        *failure = "the script " + scriptPath + " could not be written";
        return false;
    }
    std::wstring line = L"sh " + std::wstring(scriptPath.begin(), scriptPath.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        *failure = "the shell could not be started, error " + std::to_string(GetLastError());
        return false;
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::string status;
    for (DWORD waited = 0; status.empty() && waited < timeoutMs; waited += 50) {
        Sleep(50);
        status = ReadWholeFile(WinePath(statusPath));
    }
    if (status.empty()) {
        *failure = "'" + command + "' did not finish within " + std::to_string(timeoutMs / 1000) + " s";
        return false;
    }
    if (status != "0\n") {
        std::string log = ReadWholeFile(WinePath(logPath));
        if (log.size() > 2000) log = "..." + log.substr(log.size() - 2000);
        *failure = "'" + command + "' ended with status " + status.substr(0, status.size() - 1) + ": " + log;
        return false;
    }
    return true;
}
