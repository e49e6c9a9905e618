// The program's settings (value names from settings/settings_values.h) as they stand in the registry (HKEY_CURRENT_USER),
// set up before a run and read back after it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_values.h"

// Removes the program key and the maker-level key with everything in them:
// the state of a machine the program never ran on.
void ClearSettings();

bool WriteSettingDword(const char16_t* name, DWORD value);
bool WriteSettingString(const char16_t* name, const std::wstring& value);
bool WriteSettingBinary(const char16_t* name, const std::vector<uint8_t>& value);
bool WriteGutter(DWORD pixels);

std::optional<DWORD> ReadSettingDword(const char16_t* name);
std::optional<std::wstring> ReadSettingString(const char16_t* name);
std::optional<std::vector<uint8_t>> ReadSettingBinary(const char16_t* name);
bool SettingExists(const char16_t* name);

// The stored bookmark list as article numbers, the 0 entry left off; nullopt
// when the value is missing.
std::optional<std::vector<uint16_t>> ReadBookmarks();
void WriteBookmarks(const std::vector<uint16_t>& articles);
