#include "settings/settings_values.h"

#include <cstring>
#include <vector>

#include "platform/allocation.h"
#include "platform/ports.h"
#include "settings/settings_store.h"

namespace {

bool ReadValue(const char16_t* keyPath, const char16_t* name, uint32_t* type,
               std::vector<uint8_t>* data) {
    if (!Ports.Store) return false;
    return Ports.Store->Read(keyPath, name, type, data);
}

int32_t WriteValue(const char16_t* name, uint32_t type, const void* data, size_t size) {
    if (!Ports.Store) return 0;
    return Ports.Store->Write(kProgramKey, name, type, data, size) ? 1 : 0;
}

// Only whole UTF-16 units are read: an odd last byte carries no character.
uint32_t DecimalFromCharacters(const std::vector<uint8_t>& data) {
    uint32_t number = 0;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        uint32_t code = uint32_t(data[i]) | (uint32_t(data[i + 1]) << 8);
        if (code == 0) break;
        // Unsigned arithmetic: codes below '0' and long strings wrap, as the
        // stored rule has always read them, and never overflow a signed type.
        number = number * 10 + (code - u'0');
    }
    return number;
}

uint8_t* CopyToNewBuffer(const std::vector<uint8_t>& data) {
    uint8_t* buffer = static_cast<uint8_t*>(AllocOrAbort(data.size()));
    if (!data.empty()) std::memcpy(buffer, data.data(), data.size());
    return buffer;
}

}  // namespace

uint32_t ReadDwordFrom(const char16_t* keyPath, const char16_t* name, uint32_t defaultValue) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (!ReadValue(keyPath, name, &type, &data)) return defaultValue;
    if (type == kValueDword) {
        if (data.size() < 4) return defaultValue;
        return uint32_t(data[0]) | (uint32_t(data[1]) << 8) | (uint32_t(data[2]) << 16) |
               (uint32_t(data[3]) << 24);
    }
    // Less than one whole character cannot be read as a number at all.
    if (data.size() < 2) return defaultValue;
    return DecimalFromCharacters(data);
}

uint32_t ReadDword(const char16_t* name, uint32_t defaultValue) {
    return ReadDwordFrom(kProgramKey, name, defaultValue);
}

char16_t* ReadString(const char16_t* name) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (!ReadValue(kProgramKey, name, &type, &data)) return nullptr;
    // Stored strings need not end in a NUL (nor have an even size): the zeroed
    // room after the data always ends them.
    size_t size = data.size() * 2 + sizeof(char16_t);
    char16_t* text = static_cast<char16_t*>(AllocOrAbort(size));
    std::memset(text, 0, size);
    if (!data.empty()) std::memcpy(text, data.data(), data.size());
    return text;
}

uint8_t* ReadBytes(const char16_t* name, size_t* size) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (!ReadValue(kProgramKey, name, &type, &data)) return nullptr;
    if (size) *size = data.size();
    return CopyToNewBuffer(data);
}

uint8_t* ReadBytesOr(const char16_t* name, uint8_t* defaultValue, size_t* size) {
    size_t readSize = 0;
    uint8_t* data = ReadBytes(name, &readSize);
    if (!data) return defaultValue;
    if (size) *size = readSize;
    return data;
}

void ReadByteString(const char16_t* name, uint8_t* buffer, size_t capacity) {
    if (capacity == 0) return;
    size_t size = 0;
    uint8_t* data = ReadBytes(name, &size);
    if (!data) return;
    if (size > 0 && data[0] != 0) {
        size_t length = 0;
        while (length < size && length + 1 < capacity && data[length] != 0) ++length;
        std::memcpy(buffer, data, length);
        buffer[length] = 0;
    }
    PlainFree(data);
}

int32_t WriteDword(const char16_t* name, uint32_t number) {
    uint8_t bytes[4] = {uint8_t(number), uint8_t(number >> 8), uint8_t(number >> 16),
                        uint8_t(number >> 24)};
    return WriteValue(name, kValueDword, bytes, sizeof bytes);
}

int32_t WriteString(const char16_t* name, const char16_t* text) {
    size_t length = 0;
    while (text[length]) ++length;
    std::vector<uint8_t> bytes((length + 1) * 2, 0);
    for (size_t i = 0; i < length; ++i) {
        bytes[2 * i] = uint8_t(text[i]);
        bytes[2 * i + 1] = uint8_t(text[i] >> 8);
    }
    return WriteValue(name, kValueString, bytes.data(), bytes.size());
}

int32_t WriteByteString(const char16_t* name, const uint8_t* text) {
    size_t length = std::strlen(reinterpret_cast<const char*>(text));
    return WriteValue(name, kValueBinary, text, length + 1);
}

int32_t WriteBytes(const char16_t* name, const void* data, size_t size) {
    return WriteValue(name, kValueBinary, data, size);
}
