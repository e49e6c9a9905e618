#include "tests/win32/support/settings_registry.h"

#include <cstring>

#include "platform/win32/wide_text.h"
#include "settings/settings_store.h"

namespace {

bool WriteValue(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data,
                DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool written = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data),
                                        size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

bool ReadValue(const char16_t* name, DWORD* type, std::vector<uint8_t>* data) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, AsWide(kProgramKey), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, AsWide(name), nullptr, type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        data->assign(size, 0);
        status = RegQueryValueExW(key, AsWide(name), nullptr, type, data->data(), &size);
        data->resize(size);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

void ClearSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, AsWide(kProgramKey));
    RegDeleteTreeW(HKEY_CURRENT_USER, AsWide(kMakerKey));
}

bool WriteSettingDword(const char16_t* name, DWORD value) {
    return WriteValue(AsWide(kProgramKey), AsWide(name), REG_DWORD, &value, sizeof value);
}

bool WriteSettingString(const char16_t* name, const std::wstring& value) {
    return WriteValue(AsWide(kProgramKey), AsWide(name), REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool WriteSettingBinary(const char16_t* name, const std::vector<uint8_t>& value) {
    return WriteValue(AsWide(kProgramKey), AsWide(name), REG_BINARY, value.data(),
                      static_cast<DWORD>(value.size()));
}

bool WriteGutter(DWORD pixels) {
    return WriteValue(AsWide(kMakerKey), AsWide(kValueSurroundingGutter), REG_DWORD, &pixels, sizeof pixels);
}

std::optional<DWORD> ReadSettingDword(const char16_t* name) {
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (!ReadValue(name, &type, &data) || type != REG_DWORD || data.size() != sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD value;
    memcpy(&value, data.data(), sizeof value);
    return value;
}

std::optional<std::wstring> ReadSettingString(const char16_t* name) {
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (!ReadValue(name, &type, &data) || type != REG_SZ) return std::nullopt;
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::optional<std::vector<uint8_t>> ReadSettingBinary(const char16_t* name) {
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (!ReadValue(name, &type, &data) || type != REG_BINARY) return std::nullopt;
    return data;
}

bool SettingExists(const char16_t* name) {
    DWORD type = 0;
    std::vector<uint8_t> data;
    return ReadValue(name, &type, &data);
}

std::optional<std::vector<uint16_t>> ReadBookmarks() {
    std::optional<std::vector<uint8_t>> data = ReadSettingBinary(kValueBookmarks);
    if (!data) return std::nullopt;
    std::vector<uint16_t> articles;
    for (size_t i = 0; i + 1 < data->size(); i += 2) {
        const uint16_t article = static_cast<uint16_t>((*data)[i] | ((*data)[i + 1] << 8));
        if (article == 0) break;
        articles.push_back(article);
    }
    return articles;
}

void WriteBookmarks(const std::vector<uint16_t>& articles) {
    std::vector<uint8_t> data;
    for (uint16_t article : articles) {
        data.push_back(static_cast<uint8_t>(article & 0xFF));
        data.push_back(static_cast<uint8_t>(article >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    WriteSettingBinary(kValueBookmarks, data);
}
