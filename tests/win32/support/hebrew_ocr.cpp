#include "tests/win32/support/hebrew_ocr.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::string BinaryDir() {
    const char* dir = std::getenv("ORVENDEL_BINARY_DIR");
    return dir ? dir : "";
}

std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
    return path;
}

std::string ReadWholeFile(const std::wstring& path) {
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
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return std::u16string(wide.begin(), wide.end());
}

}  // namespace

std::u16string RecogniseHebrewLine(const Capture& capture, const std::string& name, int scale,
                                   std::string* failure) {
    const std::string dir = BinaryDir();
    if (dir.empty()) {
        *failure = "ORVENDEL_BINARY_DIR names the build tree";
        return {};
    }
    if (GetFileAttributesW(L"Z:\\usr\\bin\\tesseract") == INVALID_FILE_ATTRIBUTES ||
        GetFileAttributesW(L"Z:\\usr\\bin\\convert") == INVALID_FILE_ATTRIBUTES) {
        *failure = "tesseract or ImageMagick is not installed (tools/setup.sh installs both)";
        return {};
    }
    CreateDirectoryW(WinePath(dir + "/ocr").c_str(), nullptr);
    const std::string image = dir + "/ocr/" + name + ".bmp";
    if (!SaveCaptureAsBmp(capture, WinePath(image))) {
        *failure = "the capture could not be saved";
        return {};
    }
    const std::string scaled = dir + "/ocr/" + name + ".png";
    const std::string outBase = dir + "/ocr/" + name + ".ocr";
    const std::string statusFile = outBase + ".status";
    DeleteFileW(WinePath(outBase + ".txt").c_str());
    DeleteFileW(WinePath(statusFile).c_str());
    // Wine starts a Linux program without a process handle to wait on, so the
    // shell writes the exit status into a file, which is polled for. Page
    // segmentation 7: one line of text.
    const std::string script = "/usr/bin/convert '" + image + "' -scale " + std::to_string(scale * 100) +
                               "% '" + scaled + "' && /usr/bin/tesseract '" + scaled + "' '" + outBase +
                               "' -l heb --psm 7 >'" + outBase + ".log' 2>&1; echo $? >'" + statusFile +
                               ".part' && mv '" + statusFile + ".part' '" + statusFile + "'";
    std::wstring command = L"sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        *failure = "the shell could not be started, error " + std::to_string(GetLastError());
        return {};
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::string status;
    for (int waited = 0; status.empty() && waited < 120000; waited += 100) {
        Sleep(100);
        status = ReadWholeFile(WinePath(statusFile));
    }
    if (status.empty()) {
        *failure = "tesseract did not finish within two minutes";
        return {};
    }
    if (status != "0\n") {
        *failure = "tesseract failed: " + ReadWholeFile(WinePath(outBase + ".log"));
        return {};
    }
    return FromUtf8(ReadWholeFile(WinePath(outBase + ".txt")));
}
