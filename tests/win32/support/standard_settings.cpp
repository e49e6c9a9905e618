#include "tests/win32/support/standard_settings.h"

#include "tests/win32/support/settings_registry.h"

void StoreStandardSettings() {
    ClearSettings();
    WriteSettingString(kValueFontName, kStandardFontName);
    WriteSettingDword(kValueFontSize, kStandardFontSize);
    WriteSettingDword(kValueLeft, kStandardWindowRect.left);
    WriteSettingDword(kValueTop, kStandardWindowRect.top);
    WriteSettingDword(kValueWidth, kStandardWindowRect.right - kStandardWindowRect.left);
    WriteSettingDword(kValueHeight, kStandardWindowRect.bottom - kStandardWindowRect.top);
    WriteSettingDword(kValueShowCmd, SW_SHOWNORMAL);
}
