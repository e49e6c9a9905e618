// The settings store as the registry under HKEY_CURRENT_USER.
#pragma once
#include "settings/settings_store.h"

class RegistrySettingsStore : public SettingsStore {
public:
    // Opens the key with KEY_READ for each read and closes it again.
    bool Read(const char16_t* keyPath, const char16_t* name, uint32_t* type,
              std::vector<uint8_t>* data) override;
    // Creates or opens the key (non-volatile, KEY_ALL_ACCESS) for each write.
    bool Write(const char16_t* keyPath, const char16_t* name, uint32_t type, const void* data,
               size_t size) override;
};
