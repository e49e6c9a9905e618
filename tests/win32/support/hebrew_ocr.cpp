#include "tests/win32/support/hebrew_ocr.h"

#include <windows.h>

#include <cstdlib>

namespace {
constexpr DWORD kRecognitionTimeoutMs = 120000;

std::u16string FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return std::u16string(wide.begin(), wide.end());
}
}  // namespace

std::string BinaryDir() {
    const char* dir = std::getenv("ORVENDEL_BINARY_DIR");
    return dir ? dir : "";
}

std::u16string RecogniseHebrew(const std::string& imageUnixPath, int pageSegmentation,
                               std::string* failure) {
    if (GetFileAttributesW(L"Z:\\usr\\bin\\tesseract") == INVALID_FILE_ATTRIBUTES) {
        *failure = "tesseract is not installed (tools/setup.sh installs tesseract-ocr-heb)";
        return {};
    }
    const std::string outBase = imageUnixPath + ".ocr";
    DeleteFileW(WinePath(outBase + ".txt").c_str());
    const std::string command = "/usr/bin/tesseract " + ShellQuoted(imageUnixPath) + " " +
                                ShellQuoted(outBase) + " -l heb --psm " +
                                std::to_string(pageSegmentation);
    if (!RunLinuxCommand(command, outBase + ".log", kRecognitionTimeoutMs, failure)) return {};
    return FromUtf8(ReadWholeFile(WinePath(outBase + ".txt")));
}
