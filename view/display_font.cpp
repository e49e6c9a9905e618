#include "view/display_font.h"

#include <iterator>

#include "settings/app_settings.h"
#include "view/letter_codes.h"
#include "view/text_device.h"

const char16_t* ChooseFallbackFace(TextDevice& device, int32_t letterBase) {
    for (const char16_t* face : kFallbackFaces)
        if (device.DrawsLetters(face, letterBase)) return face;
    return kNoFallbackFace;
}

const char16_t* FallbackFace(TextDevice& device, int32_t letterBase) {
    if (letterBase == 0) letterBase = kUnicodeBase;
    if (!AppSettings.FallbackFace || AppSettings.FallbackFaceBase != letterBase) {
        AppSettings.FallbackFace = ChooseFallbackFace(device, letterBase);
        AppSettings.FallbackFaceBase = letterBase;
    }
    return AppSettings.FallbackFace;
}

FontSpec DisplayFontSpec(const FontSpec& fontSpec, TextDevice& device) {
    FontSpec shown = fontSpec;
    if (shown.FontName[0] == 0) {
        const char16_t* face = FallbackFace(device, shown.FontAsciiBase);
        const int capacity = int(std::size(shown.FontName)) - 1;
        for (int i = 0; face[i] != 0 && i < capacity; ++i) shown.FontName[i] = face[i];
        if (shown.FontSize == 0) shown.FontSize = kFallbackFontSize;
    }
    return shown;
}
