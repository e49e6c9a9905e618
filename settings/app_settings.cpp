#include "settings/app_settings.h"

#include <cstring>

AppSettingsRecord AppSettings;

void ClearAppSettings() { std::memset(&AppSettings, 0, sizeof AppSettings); }

int32_t ScreenDpi() { return AppSettings.ScreenDpi > 0 ? AppSettings.ScreenDpi : kStandardDpi; }

int32_t ScreenPixels(int32_t pixels) { return ScaleForDpi(pixels, ScreenDpi()); }

int32_t ScreenGutter() { return ScreenPixels(AppSettings.SurroundingGutter); }

int32_t ScreenPictureMultiple() { return PictureMultipleForDpi(ScreenDpi()); }

int32_t ScreenPicture(int32_t standard, int32_t twice) {
    return ScreenPictureMultiple() >= 2 ? twice : standard;
}

int32_t ScreenDialogPictureMultiple() { return DialogPictureMultipleForDpi(ScreenDpi()); }

int32_t ScreenDialogPicture(int32_t standard, int32_t twice) {
    return ScreenDialogPictureMultiple() >= 2 ? twice : standard;
}
