#include "app/start_up.h"

bool IsSupportedPlatform() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);   // 148 bytes
    if (!GetVersionExA(&version)) return true;       // only the old line can be told apart
    return version.dwPlatformId >= VER_PLATFORM_WIN32_NT;
}
