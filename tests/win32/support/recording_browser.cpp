#include "tests/win32/support/recording_browser.h"

#include <cstdio>
#include <cstdlib>

#include "tests/win32/support/linux_command.h"

namespace {

constexpr wchar_t kHookKey[] = L"Software\\Wine\\WineBrowser";
constexpr wchar_t kHookValue[] = L"Browsers";

std::optional<std::wstring> ReadHook() {
    wchar_t value[1024] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kHookKey, kHookValue, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

bool WriteHook(const std::wstring& browsers) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, kHookKey, kHookValue, REG_SZ, browsers.c_str(),
                           DWORD((browsers.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

RecordingBrowser::RecordingBrowser() {
    const char* source = std::getenv("ORVENDEL_SOURCE_DIR");
    const char* binary = std::getenv("ORVENDEL_BINARY_DIR");
    if (!source || !binary) {
        failure_ = "ORVENDEL_SOURCE_DIR and ORVENDEL_BINARY_DIR must name the trees";
        return;
    }
    const std::string script = std::string(source) + "/tests/win32/support/recording_browser.sh";
    if (GetFileAttributesW(WinePath(script).c_str()) == INVALID_FILE_ATTRIBUTES) {
        failure_ = "the recording browser " + script + " is missing";
        return;
    }
    recordPath_ = WinePath(std::string(binary) + "/browser-addresses.txt");
    DeleteFileW(recordPath_.c_str());
    previousBrowsers_ = ReadHook();
    if (!WriteHook(std::wstring(script.begin(), script.end())))
        failure_ = "Wine's browser hook could not be set";
}

RecordingBrowser::~RecordingBrowser() {
    if (previousBrowsers_)
        WriteHook(*previousBrowsers_);
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kHookKey, kHookValue);
}

std::vector<std::string> RecordingBrowser::Addresses() const {
    std::vector<std::string> addresses;
    FILE* in = _wfopen(recordPath_.c_str(), L"rb");
    if (!in) return addresses;
    std::string line;
    for (int c; (c = fgetc(in)) != EOF;) {
        if (c == '\n') {
            addresses.push_back(line);
            line.clear();
        } else {
            line += char(c);
        }
    }
    fclose(in);
    return addresses;
}

std::vector<std::string> RecordingBrowser::WaitForAddresses(size_t count, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    std::vector<std::string> addresses = Addresses();
    while (addresses.size() < count && GetTickCount() - start < timeoutMs) {
        Sleep(50);
        addresses = Addresses();
    }
    return addresses;
}
