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

std::u16string RecogniseHebrewLine(const Capture& capture, const RECT& area,
                                   const std::string& name, std::string* failure) {
    if (BinaryDir().empty()) {
        *failure = "ORVENDEL_BINARY_DIR names no build tree";
        return {};
    }
    if (area.left < 0 || area.top < 0 || area.right > capture.Width ||
        area.bottom > capture.Height || area.left >= area.right || area.top >= area.bottom) {
        *failure = "the area lies outside the capture";
        return {};
    }
    Capture part;
    part.Width = area.right - area.left;
    part.Height = area.bottom - area.top;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) part.Pixels.push_back(capture.At(x, y));
    CreateDirectoryW(WinePath(BinaryDir() + "/ocr").c_str(), nullptr);
    const std::string image = BinaryDir() + "/ocr/" + name + ".bmp";
    if (!SaveCaptureAsBmp(part, WinePath(image))) {
        *failure = "the picture could not be written to " + image;
        return {};
    }
    return RecogniseHebrew(image, kOcrSingleLine, failure);
}
