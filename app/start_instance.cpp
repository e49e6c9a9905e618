#include <windows.h>

#include <commctrl.h>

#include "app/first_run_font.h"
#include "app/main_window.h"
#include "app/start_up.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "settings/settings_persistence.h"
#include "settings/win32/window_placement.h"
#include "store/navigation.h"

namespace {

// A second start hands over to the running instance: when that instance is in
// front, it opens its Choose Section dialog (and this start waits for it);
// when something else is in front, the instance is brought forward. When one
// of the instance's own dialogs is in front, nothing is done.
void HandOverTo(HWND running) {
    HWND foreground = GetForegroundWindow();
    HWND topLevel = foreground;
    while (HWND parent = GetParent(topLevel)) topLevel = parent;
    if (running == foreground) SendMessageW(running, WM_COMMAND, IDM_CHOOSE_ARTICLE, 0);
    if (running != topLevel) SetForegroundWindow(running);
}

}  // namespace

HWND StartInstance(int showCommand) {
    if (HWND running = FindWindowW(kMainClassName, kMainCaption)) {
        HandOverTo(running);
        return nullptr;
    }
    InitCommonControls();
    LoadSettings();
    SetCurrentArticle(0);
    HINSTANCE instance = static_cast<HINSTANCE>(AppSettings.Instance);
    RegisterMainClass(instance, kMainClassName);
    HWND window = CreateMainWindow(instance);
    if (!window) return nullptr;
    RestoreWindowPlacement(window, showCommand);
    UpdateWindow(window);
    if (AppSettings.Font.FontName[0] == 0) ChooseFirstRunFont(window);
    return window;
}
