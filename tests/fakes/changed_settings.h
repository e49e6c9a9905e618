// Settings values other than the defaults, for the round trips through a
// settings store (in memory natively, the registry under Wine): a test puts
// them in AppSettings, shuts down, starts again and expects them back.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>

#include "settings/app_settings.h"

struct ChangedSettings {
    std::u16string FontName;    // at most 31 characters
    int32_t FontSize;
    int32_t FontAsciiBase;
    uint32_t Flags;
    uint16_t Lesson;
    std::string SearchString;   // at most 33 bytes
};

// Writes each value into AppSettings, the face name and the search pattern
// NUL-terminated.
inline void ApplyChangedSettings(const ChangedSettings& changed) {
    FontSpec& font = AppSettings.Font;
    std::fill(std::begin(font.FontName), std::end(font.FontName), u'\0');
    changed.FontName.copy(font.FontName, std::size(font.FontName) - 1);
    font.FontSize = changed.FontSize;
    font.FontAsciiBase = changed.FontAsciiBase;
    AppSettings.Flags = changed.Flags;
    AppSettings.Lesson = changed.Lesson;
    std::fill(std::begin(AppSettings.SearchString), std::end(AppSettings.SearchString), 0);
    std::copy_n(changed.SearchString.begin(),
                std::min(changed.SearchString.size(), std::size(AppSettings.SearchString) - 1),
                AppSettings.SearchString);
}
