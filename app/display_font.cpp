// The fallback display font and the first-run font choice.
#include "app/display_font.h"

FontSpec DisplayFontSpec(const FontSpec& fontSpec) {
    FontSpec shown = fontSpec;
    if (shown.FontName[0] == 0) {
        for (int i = 0; kFallbackFaceName[i] != 0; ++i) shown.FontName[i] = kFallbackFaceName[i];
        if (shown.FontSize == 0) shown.FontSize = kFallbackFontSize;
    }
    return shown;
}

void ChooseFirstRunFont(HWND) {}
