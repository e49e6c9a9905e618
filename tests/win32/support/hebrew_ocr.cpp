#include "tests/win32/support/hebrew_ocr.h"

#include <windows.h>

#include <cstdlib>

#include "tests/win32/support/hebrew_text.h"

namespace {
constexpr DWORD kRecognitionTimeoutMs = 120000;
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
    const LinuxCommandResult run = RunLinuxCommand(command, kRecognitionTimeoutMs);
    if (!run.Succeeded()) {
        *failure = run.Failure;
        return {};
    }
    return FromUtf8(ReadWholeFile(WinePath(outBase + ".txt")));
}

std::u16string RecogniseHebrewLine(const Capture& capture, const std::string& name, int scale,
                                   std::string* failure) {
    const std::string dir = TestFilesDir("ocr");
    if (dir.empty()) {
        *failure = "ORVENDEL_BINARY_DIR names the build tree";
        return {};
    }
    if (GetFileAttributesW(L"Z:\\usr\\bin\\convert") == INVALID_FILE_ATTRIBUTES) {
        *failure = "ImageMagick is not installed (tools/setup.sh installs it)";
        return {};
    }
    const std::string image = dir + "/" + name + ".bmp";
    if (!SaveCaptureAsBmp(capture, WinePath(image))) {
        *failure = "the capture could not be saved";
        return {};
    }
    const std::string scaled = dir + "/" + name + ".png";
    const std::string command = "/usr/bin/convert " + ShellQuoted(image) + " -scale " +
                                std::to_string(scale * 100) + "% " + ShellQuoted(scaled);
    const LinuxCommandResult run = RunLinuxCommand(command, kRecognitionTimeoutMs);
    if (!run.Succeeded()) {
        *failure = run.Failure;
        return {};
    }
    return RecogniseHebrew(scaled, kOcrSingleLine, failure);
}
