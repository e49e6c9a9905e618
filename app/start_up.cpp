#include "app/start_up.h"

#include <commctrl.h>

#include "app/article_font.h"
#include "app/main_class.h"
#include "app/main_window.h"
#include "app/shell_port.h"
#include "output/win32/win32_clipboard_port.h"
#include "platform/allocation.h"
#include "platform/ports.h"
#include "platform/win32/message_box_port.h"
#include "platform/win32/resource_record_source.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "settings/settings_persistence.h"
#include "settings/win32/registry_settings_store.h"
#include "settings/win32/window_placement.h"
#include "store/navigation.h"
#include "store/shut_down.h"

namespace {

void AbortForLackOfMemory() {
    MessageBoxW(nullptr, kOutOfMemoryText, kOutOfMemoryCaption, MB_ICONERROR);
    SaveAndQuit();
    ExitProcess(0);
}

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

void InstallPlatformPorts() {
    static MessageBoxPort messages;
    static ResourceRecordSource records;
    static RegistrySettingsStore store;
    static Win32ShellPort shell;
    static Win32ClipboardPort clipboard;
    Ports.Messages = &messages;
    Ports.Records = &records;
    Ports.Store = &store;
    Ports.Shell = &shell;
    Ports.Clipboard = &clipboard;
}

void InstallOutOfMemoryHandler() { SetAbortHook(AbortForLackOfMemory); }

bool IsSupportedPlatform() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);   // 148 bytes
    if (!GetVersionExA(&version)) return true;       // only the old line can be told apart
    return version.dwPlatformId >= VER_PLATFORM_WIN32_NT;
}

HWND StartInstance(int showCommand) {
    if (HWND running = FindWindowW(kMainClassName, kMainCaption)) {
        HandOverTo(running);
        return nullptr;
    }
    InitCommonControls();
    LoadSettings();
    SetCurrentArticle(0);
    HWND window = OpenMainWindow(static_cast<HINSTANCE>(AppSettings.Instance), kMainClassName);
    if (!window) return nullptr;
    RestoreWindowPlacement(window, showCommand);
    UpdateWindow(window);
    if (AppSettings.Font.FontName[0] == 0) ChooseFirstRunFont(window);
    return window;
}

HWND OpenMainWindow(HINSTANCE instance, const wchar_t* className) {
    SetLastError(ERROR_SUCCESS);   // not every failure sets it
    const bool registered =
        RegisterMainClass(instance, className) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    HWND window = registered ? CreateMainWindow(instance, className) : nullptr;
    if (!window && Ports.Messages)
        Ports.Messages->ShowMessage(nullptr, kNoMainWindowText, kErrorCaption, kMbIconError);
    return window;
}

int RunMessageLoop(HACCEL accelerators) {
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!accelerators || !TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
