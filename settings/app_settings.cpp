#include "settings/app_settings.h"

#include <cstring>

AppSettingsRecord AppSettings;

void ClearAppSettings() { std::memset(&AppSettings, 0, sizeof AppSettings); }
