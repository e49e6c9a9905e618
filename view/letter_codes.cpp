#include "view/letter_codes.h"

#include "platform/allocation.h"
#include "settings/app_settings.h"

ConversionBuffer SharedConversion;

namespace {
char16_t MirroredBracket(char16_t unit) {
    switch (unit) {
        case u'(': return u')';
        case u')': return u'(';
        case u'[': return u']';
        case u']': return u'[';
        case u'{': return u'}';
        case u'}': return u'{';
        default: return unit;
    }
}

char16_t* ArrayFor(int32_t count, ConversionBuffer* buffer) {
    if (!buffer) return static_cast<char16_t*>(PlainAlloc((size_t(count) + 1) * sizeof(char16_t)));
    if (buffer->Units && buffer->Capacity >= count) return buffer->Units;
    char16_t* units = static_cast<char16_t*>(PlainAlloc((size_t(count) + 1) * sizeof(char16_t)));
    PlainFree(buffer->Units);
    // On failure the buffer holds no array but records the new capacity, so
    // the next conversion allocates again.
    buffer->Units = units;
    buffer->Capacity = count;
    return units;
}
}  // namespace

char16_t* LettersToDisplay(const uint8_t* bytes, int32_t count, ConversionBuffer* buffer) {
    if (count < 0) count = 0;
    char16_t* units = ArrayFor(count, buffer);
    if (!units) return nullptr;
    const int32_t base = AppSettings.Font.FontAsciiBase;
    int32_t i = 0;
    for (; i < count && bytes[i] != 0; ++i) {
        const uint8_t b = bytes[i];
        if (b >= kFirstLetterCode && b <= kLastLetterCode)
            units[i] = char16_t(base + (b - kFirstLetterCode));
        else if (b == 0x7E)
            units[i] = u'{';
        else
            units[i] = char16_t(b);
    }
    units[i] = 0;
    // The Reverse step covers count units; callers never pass a count that
    // runs past the string, so a short run is only reversed as far as it goes.
    if (count > 0 && base != kLatinBase && (AppSettings.Flags & kFlagsReverse)) MirrorReverse(units, i);
    return units;
}

std::u16string StoredOrderUnits(const uint8_t* bytes, int32_t count) {
    const uint32_t savedFlags = AppSettings.Flags;
    AppSettings.Flags &= ~kFlagsReverse;
    const char16_t* units = LettersToDisplay(bytes, count, &SharedConversion);
    AppSettings.Flags = savedFlags;
    return units ? std::u16string(units) : std::u16string();
}

int32_t MirrorReverse(char16_t* units, int32_t n) {
    if (n <= 0) return 0;
    char16_t* scratch = static_cast<char16_t*>(PlainAlloc(size_t(n) * sizeof(char16_t)));
    if (!scratch) return 1;
    for (int32_t i = 0; i < n; ++i) scratch[n - 1 - i] = MirroredBracket(units[i]);
    for (int32_t i = 0; i < n; ++i) units[i] = scratch[i];
    PlainFree(scratch);
    return 0;
}
