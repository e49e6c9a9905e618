#include "tests/win32/support/hebrew_ocr.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string ReadFile(const std::wstring& path) {
    std::string bytes;
    FILE* in = _wfopen(path.c_str(), L"rb");
    if (!in) return bytes;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, in)) > 0) bytes.append(chunk, n);
    fclose(in);
    return bytes;
}

std::u16string FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return std::u16string(wide.begin(), wide.end());
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

// Wine starts a Linux program without a process handle to wait on, so a shell
// runs the recogniser and then writes its exit status into a file of its own,
// which is polled for.
std::u16string RecogniseHebrew(const std::string& imageUnixPath, int pageSegmentation,
                               std::string* failure) {
    const std::string outBase = imageUnixPath + ".ocr";
    const std::string statusFile = outBase + ".status";
    if (GetFileAttributesW(L"Z:\\usr\\bin\\tesseract") == INVALID_FILE_ATTRIBUTES) {
        *failure = "tesseract is not installed (tools/setup.sh installs tesseract-ocr-heb)";
        return {};
    }
    DeleteFileW(WinePath(outBase + ".txt").c_str());
    DeleteFileW(WinePath(statusFile).c_str());
    const std::string script = "/usr/bin/tesseract '" + imageUnixPath + "' '" + outBase +
                               "' -l heb --psm " + std::to_string(pageSegmentation) + " >'" +
                               outBase + ".log' 2>&1; echo $? >'" +
                               statusFile + ".part' && mv '" + statusFile + ".part' '" +
                               statusFile + "'";
    std::wstring command = L"sh -c \"" + Widen(script) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        *failure = "the shell could not be started, error " + std::to_string(GetLastError());
        return {};
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::string status;
    for (int waited = 0; status.empty() && waited < 120000; waited += 100) {
        Sleep(100);
        status = ReadFile(WinePath(statusFile));
    }
    if (status.empty()) {
        *failure = "tesseract did not finish within two minutes";
        return {};
    }
    if (status != "0\n") {
        *failure = "tesseract failed: " + ReadFile(WinePath(outBase + ".log"));
        return {};
    }
    return FromUtf8(ReadFile(WinePath(outBase + ".txt")));
}

std::string BinaryDir() {
    const char* dir = std::getenv("ORVENDEL_BINARY_DIR");
    return dir ? dir : "";
}

std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
    return path;
}
