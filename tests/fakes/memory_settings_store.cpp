#include "tests/fakes/memory_settings_store.h"

#include <cstring>

namespace {
std::u16string Folded(const char16_t* text) {
    std::u16string folded;
    for (; *text; ++text) folded += (*text >= u'A' && *text <= u'Z') ? char16_t(*text + 32) : *text;
    return folded;
}
}  // namespace

bool MemorySettingsStore::Read(const char16_t* keyPath, const char16_t* name, uint32_t* type,
                               std::vector<uint8_t>* data) {
    const Value* value = Find(name, keyPath);
    if (!value) return false;
    if (type) *type = value->Type;
    if (data) *data = value->Data;
    return true;
}

bool MemorySettingsStore::Write(const char16_t* keyPath, const char16_t* name, uint32_t type,
                                const void* data, size_t size) {
    if (FailWrites) return false;
    ++Writes;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    Values[{Folded(keyPath), name}] = Value{type, std::vector<uint8_t>(bytes, bytes + size)};
    return true;
}

void MemorySettingsStore::PutDword(const char16_t* name, uint32_t value, const char16_t* keyPath) {
    std::vector<uint8_t> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    Values[{Folded(keyPath), name}] = Value{kValueDword, bytes};
}

void MemorySettingsStore::PutString(const char16_t* name, const std::u16string& text,
                                    const char16_t* keyPath) {
    std::vector<uint8_t> bytes((text.size() + 1) * 2, 0);
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = uint8_t(text[i] & 0xFF);
        bytes[2 * i + 1] = uint8_t(text[i] >> 8);
    }
    Values[{Folded(keyPath), name}] = Value{kValueString, bytes};
}

void MemorySettingsStore::PutBytes(const char16_t* name, const std::vector<uint8_t>& bytes,
                                   const char16_t* keyPath) {
    Values[{Folded(keyPath), name}] = Value{kValueBinary, bytes};
}

bool MemorySettingsStore::Has(const char16_t* name, const char16_t* keyPath) const {
    return Find(name, keyPath) != nullptr;
}

uint32_t MemorySettingsStore::Dword(const char16_t* name, const char16_t* keyPath) const {
    const Value* value = Find(name, keyPath);
    uint32_t number = 0;
    if (value && value->Data.size() >= 4) std::memcpy(&number, value->Data.data(), 4);
    return number;
}

const MemorySettingsStore::Value* MemorySettingsStore::Find(const char16_t* name,
                                                           const char16_t* keyPath) const {
    auto it = Values.find({Folded(keyPath), name});
    return it == Values.end() ? nullptr : &it->second;
}
