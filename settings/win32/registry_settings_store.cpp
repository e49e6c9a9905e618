#include "settings/win32/registry_settings_store.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

bool RegistrySettingsStore::Read(const char16_t* keyPath, const char16_t* name, uint32_t* type,
                                 std::vector<uint8_t>* data) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, AsWide(keyPath), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD valueType = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, AsWide(name), nullptr, &valueType, nullptr, &size);
    std::vector<uint8_t> bytes;
    // The value may grow between the two queries; ask again with the new size.
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        bytes.resize(size);
        result = RegQueryValueExW(key, AsWide(name), nullptr, &valueType,
                                  bytes.empty() ? nullptr : bytes.data(), &size);
        if (result == ERROR_SUCCESS) {
            bytes.resize(size);
            break;
        }
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return false;
    if (type) *type = valueType;
    if (data) *data = std::move(bytes);
    return true;
}

bool RegistrySettingsStore::Write(const char16_t* keyPath, const char16_t* name, uint32_t type,
                                  const void* data, size_t size) {
    if (size > MAXDWORD) return false;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, AsWide(keyPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(key, AsWide(name), 0, type, static_cast<const BYTE*>(data), DWORD(size));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
