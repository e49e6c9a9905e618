// The program's entry: the platform check, the gutter, one instance, the
// message loop.
#include <windows.h>

#include "app/screen_dpi.h"
#include "app/start_up.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "settings/settings_persistence.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    ClearAppSettings();
    AppSettings.Instance = instance;
    InstallPlatformPorts();
    InstallOutOfMemoryHandler();
    if (!IsSupportedPlatform()) {
        MessageBoxA(nullptr, kUnsupportedPlatformText, kMakerAddress, MB_ICONERROR);
        return -1;
    }
    AppSettings.SurroundingGutter = ReadSurroundingGutter();
    TakeScreenDpi(WindowDpi(nullptr));
    if (!StartInstance(showCommand)) return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    return RunMessageLoop(accelerators);
}
