// An in-memory settings store: key path and value name to type and bytes.
// Key paths compare without regard to case, as registry paths do.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_store.h"

class MemorySettingsStore : public SettingsStore {
public:
    struct Value {
        uint32_t Type;
        std::vector<uint8_t> Data;
    };
    std::map<std::pair<std::u16string, std::u16string>, Value> Values;
    bool FailWrites = false;
    int Writes = 0;

    bool Read(const char16_t* keyPath, const char16_t* name, uint32_t* type,
              std::vector<uint8_t>* data) override;
    bool Write(const char16_t* keyPath, const char16_t* name, uint32_t type, const void* data,
               size_t size) override;

    // Conveniences for tests, on the program key unless told otherwise.
    void PutDword(const char16_t* name, uint32_t value, const char16_t* keyPath = kProgramKey);
    void PutString(const char16_t* name, const std::u16string& text, const char16_t* keyPath = kProgramKey);
    void PutBytes(const char16_t* name, const std::vector<uint8_t>& bytes, const char16_t* keyPath = kProgramKey);
    bool Has(const char16_t* name, const char16_t* keyPath = kProgramKey) const;
    uint32_t Dword(const char16_t* name, const char16_t* keyPath = kProgramKey) const;
    const Value* Find(const char16_t* name, const char16_t* keyPath = kProgramKey) const;
};
