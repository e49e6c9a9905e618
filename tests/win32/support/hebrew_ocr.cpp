#include "tests/win32/support/hebrew_ocr.h"

#include <windows.h>

#include "tests/win32/support/linux_command.h"

namespace {

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
    const std::string dir = TestFilesDir("ocr");
    if (dir.empty()) {
        *failure = "ORVENDEL_BINARY_DIR names the build tree";
        return {};
    }
    if (GetFileAttributesW(L"Z:\\usr\\bin\\tesseract") == INVALID_FILE_ATTRIBUTES ||
        GetFileAttributesW(L"Z:\\usr\\bin\\convert") == INVALID_FILE_ATTRIBUTES) {
        *failure = "tesseract or ImageMagick is not installed (tools/setup.sh installs both)";
        return {};
    }
    const std::string image = dir + "/" + name + ".bmp";
    if (!SaveCaptureAsBmp(capture, WinePath(image))) {
        *failure = "the capture could not be saved";
        return {};
    }
    const std::string scaled = dir + "/" + name + ".png";
    const std::string outBase = dir + "/" + name + ".ocr";
    DeleteFileW(WinePath(outBase + ".txt").c_str());
    // Page segmentation 7: the picture holds one line of text.
    const std::string command = "/usr/bin/convert " + ShellQuoted(image) + " -scale " +
                                std::to_string(scale * 100) + "% " + ShellQuoted(scaled) +
                                " && /usr/bin/tesseract " + ShellQuoted(scaled) + " " +
                                ShellQuoted(outBase) + " -l heb --psm 7";
    if (!RunLinuxCommand(command, outBase + ".log", 120000, failure)) return {};
    return FromUtf8(ReadWholeFile(WinePath(outBase + ".txt")));
}
