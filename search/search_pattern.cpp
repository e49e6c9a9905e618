#include "search/search_pattern.h"

#include "settings/app_settings.h"
#include "view/letter_codes.h"

namespace {

constexpr int32_t kLetterCount = kLastLetterCode - kFirstLetterCode + 1;

uint8_t PatternByte(char16_t unit, int32_t base) {
    const int32_t c = unit;
    if (c >= base && c < base + kLetterCount) return uint8_t(c - base + kFirstLetterCode);
    return uint8_t(c & 0xFF);
}

}  // namespace

void ConvertPattern(const char16_t* text) { ConvertPatternInto(text, AppSettings.SearchString); }

void ConvertPatternInto(const char16_t* text, uint8_t* pattern) {
    const int32_t base = AppSettings.Font.FontAsciiBase;
    int32_t length = 0;
    for (int32_t i = 0; text && text[i] != 0 && i < kPatternMaxLength; ++i) {
        const uint8_t byte = PatternByte(text[i], base);
        if (byte == 0) continue;
        const bool nextIsSpace = i + 1 < kPatternMaxLength && text[i + 1] != 0 &&
                                 PatternByte(text[i + 1], base) == kPatternSpace;
        if (byte == kPatternSpace && nextIsSpace) continue;
        pattern[length++] = byte;
    }
    pattern[length] = 0;
}
