#include "tests/win32/support/clipboard_contents.h"

#include <cstdlib>
#include <cstring>

#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/linux_command.h"

namespace {
// Another program may hold the clipboard for a moment.
bool OpenTheClipboard() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

std::optional<std::string> ClipboardBytes(UINT format) {
    if (!OpenTheClipboard()) return std::nullopt;
    std::optional<std::string> bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const char* at = static_cast<const char*>(GlobalLock(data))) {
            bytes = std::string(at, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

std::string SessionDisplay() {
    const char* binary = std::getenv("ORVENDEL_BINARY_DIR");
    if (!binary) return {};
    std::string display = ReadWholeFile(WinePath(std::string(binary) + "/wine-session/display"));
    while (!display.empty() && (display.back() == '\n' || display.back() == '\r')) display.pop_back();
    return display;
}

// xclip is there and the session's display known.
bool X11ClipboardReady(std::string* display, std::string* failure) {
    if (GetFileAttributesW(L"Z:\\usr\\bin\\xclip") == INVALID_FILE_ATTRIBUTES) {
        *failure = "xclip is not installed (tools/setup.sh installs it)";
        return false;
    }
    *display = SessionDisplay();
    if (display->empty()) {
        *failure = "the Wine session's display is not known (ORVENDEL_BINARY_DIR/wine-session/display)";
        return false;
    }
    return true;
}

// The document at inputUnixPath converted by the word processor (--convert-to
// convertTo, read with inputFilter when not empty) into the file of the same
// name with the extension given; its bytes in *output.
bool WordProcessorConvert(const std::string& inputUnixPath, const std::string& inputFilter,
                          const std::string& convertTo, const std::string& extension,
                          std::string* output, std::string* failure) {
    if (GetFileAttributesW(L"Z:\\usr\\bin\\soffice") == INVALID_FILE_ATTRIBUTES) {
        *failure = "the word processor (soffice) is not installed "
                   "(tools/setup.sh installs libreoffice-writer-nogui)";
        return false;
    }
    const size_t slash = inputUnixPath.rfind('/');
    const std::string dir = inputUnixPath.substr(0, slash);
    std::string base = inputUnixPath.substr(slash + 1);
    base = base.substr(0, base.rfind('.'));
    const std::string converted = dir + "/" + base + "." + extension;
    DeleteFileW(WinePath(converted).c_str());
    // A profile of its own, so that no user's settings or running instance
    // take part.
    const std::string command =
        "HOME=" + ShellQuoted(dir) + " /usr/bin/soffice --headless --norestore "
        "-env:UserInstallation=file://" + dir + "/word-processor-profile " +
        (inputFilter.empty() ? std::string() : "--infilter=" + ShellQuoted(inputFilter) + " ") +
        "--convert-to " + ShellQuoted(convertTo) + " --outdir " + ShellQuoted(dir) + " " +
        ShellQuoted(inputUnixPath);
    const LinuxCommandResult run = RunLinuxCommand(command, 120000);
    if (!run.Succeeded()) {
        *failure = "the word processor could not convert the document: " + run.Failure;
        return false;
    }
    *output = ReadWholeFile(WinePath(converted));
    if (output->empty()) {
        *failure = "the word processor wrote nothing for " + inputUnixPath + ": " + run.Errors + run.Output;
        return false;
    }
    return true;
}
}  // namespace

std::vector<UINT> PlacedClipboardFormats() {
    std::vector<UINT> formats;
    if (!OpenTheClipboard()) return formats;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        if (format == CF_TEXT || format == CF_OEMTEXT || format == CF_LOCALE) continue;
        formats.push_back(format);
    }
    CloseClipboard();
    return formats;
}

UINT RichTextFormat() { return RegisterClipboardFormatW(L"Rich Text Format"); }

std::optional<std::u16string> ClipboardUnicodeText() {
    std::optional<std::string> bytes = ClipboardBytes(CF_UNICODETEXT);
    if (!bytes) return std::nullopt;
    std::u16string text(bytes->size() / 2, u'\0');
    std::memcpy(text.data(), bytes->data(), text.size() * 2);
    return text.substr(0, text.find(u'\0'));
}

std::optional<std::string> ClipboardRichText() {
    std::optional<std::string> bytes = ClipboardBytes(RichTextFormat());
    if (!bytes) return std::nullopt;
    return bytes->substr(0, bytes->find('\0'));
}

bool PutClipboardUnicodeText(const std::u16string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * 2);
    if (!block) return false;
    std::memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * 2);
    GlobalUnlock(block);
    if (!OpenTheClipboard()) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

bool EmptyTheClipboard() {
    if (!OpenTheClipboard()) return false;
    const bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return emptied;
}

bool PutX11Clipboard(const std::string& target, const std::string& inputUnixPath, std::string* failure) {
    std::string display;
    if (!X11ClipboardReady(&display, failure)) return false;
    // xclip stays in the background and serves the selection until another
    // program takes it.
    const std::string command = "DISPLAY=" + display + " /usr/bin/xclip -selection clipboard -t " +
                                target + " -i " + ShellQuoted(inputUnixPath);
    const LinuxCommandResult run = RunLinuxCommand(command, 30000);
    if (!run.Succeeded()) *failure = run.Failure;
    return run.Succeeded();
}

bool ReadX11Clipboard(const std::string& target, const std::string& outputUnixPath,
                      std::string* bytes, std::string* failure) {
    std::string display;
    if (!X11ClipboardReady(&display, failure)) return false;
    DeleteFileW(WinePath(outputUnixPath).c_str());
    const std::string command = "DISPLAY=" + display + " /usr/bin/xclip -selection clipboard -t " +
                                target + " -o >" + ShellQuoted(outputUnixPath);
    const LinuxCommandResult run = RunLinuxCommand(command, 30000);
    if (!run.Succeeded()) {
        *failure = run.Failure;
        return false;
    }
    *bytes = ReadWholeFile(WinePath(outputUnixPath));
    return true;
}

bool WordProcessorText(const std::string& rtfUnixPath, std::string* text, std::string* failure) {
    if (!WordProcessorConvert(rtfUnixPath, "", "txt:Text (encoded):UTF8", "txt", text, failure))
        return false;
    if (text->compare(0, 3, "\xEF\xBB\xBF") == 0) text->erase(0, 3);
    return true;
}

bool WordProcessorRichText(const std::string& textUnixPath, std::string* rtf, std::string* failure) {
    return WordProcessorConvert(textUnixPath, "Text (encoded):UTF8", "rtf", "rtf", rtf, failure);
}
