// A per-user store of named, typed values under key paths: the registry under
// HKEY_CURRENT_USER on Win32, an in-memory map in tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Value types, with their registry numbers.
constexpr uint32_t kValueString = 1;   // REG_SZ
constexpr uint32_t kValueBinary = 3;   // REG_BINARY
constexpr uint32_t kValueDword = 4;    // REG_DWORD

constexpr const char16_t kProgramKey[] = u"Software\\Kestrane\\Orvendel";
constexpr const char16_t kMakerKey[] = u"software\\Kestrane";

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Reads a value (opening the key for reading); false when the key or value
    // is missing or cannot be read.
    virtual bool Read(const char16_t* keyPath, const char16_t* name, uint32_t* type,
                      std::vector<uint8_t>* data) = 0;
    // Creates or opens the key and sets the value; false on failure.
    virtual bool Write(const char16_t* keyPath, const char16_t* name, uint32_t type,
                       const void* data, size_t size) = 0;
};
