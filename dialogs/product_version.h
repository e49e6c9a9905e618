// The version of the program, as the About box shows it and the update check
// reports it.
#pragma once
#include "resources/product_identity.h"

constexpr char16_t kProductVersion[] = u"" PRODUCT_VERSION;

// The version resource's four numbers must say what the text says: major,
// minor, the letter's place in the alphabet, build 0.
constexpr bool VersionNumbersSayVersion(const char* text, const int (&numbers)[4]) {
    int parts[4] = {0, 0, 0, 0};
    int part = 0;
    for (; *text; ++text) {
        if (*text == '.' && part == 0) part = 1;
        else if (*text >= '0' && *text <= '9' && part < 2) parts[part] = parts[part] * 10 + (*text - '0');
        else if (*text >= 'a' && *text <= 'z' && part == 1) parts[part = 2] = *text - 'a' + 1;
        else return false;
    }
    for (int k = 0; k < 4; ++k)
        if (parts[k] != numbers[k]) return false;
    return true;
}
constexpr int kProductVersionNumbers[4] = {PRODUCT_VERSION_NUMBERS};
static_assert(VersionNumbersSayVersion(PRODUCT_VERSION, kProductVersionNumbers),
              "PRODUCT_VERSION_NUMBERS must spell PRODUCT_VERSION");
