// A font description as the settings keep it and the views draw with.
#pragma once
#include <cstdint>

struct FontSpec {
    char16_t FontName[32];   // NUL-terminated, at most 31 characters
    int32_t FontSize;        // points; 0 = none chosen
    int32_t FontAsciiBase;   // display character of letter code 0x61
};
