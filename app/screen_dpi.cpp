#include "app/screen_dpi.h"

#include "app/painting.h"
#include "app/screen_view.h"
#include "app/toolbar.h"
#include "platform/ports.h"
#include "settings/app_settings.h"

namespace {

// Newer than Windows 7: reached by name only, so that the program still
// starts where they are missing.
using SetAwarenessContextCall = BOOL(WINAPI*)(HANDLE);
using SetAwareCall = BOOL(WINAPI*)();
using DpiForWindowCall = UINT(WINAPI*)(HWND);
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

FARPROC User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

int32_t SystemDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return kStandardDpi;
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kStandardDpi;
}

}  // namespace

void BecomeDpiAware() {
    // Either fails harmlessly when the application manifest chose already.
    auto perMonitor = reinterpret_cast<SetAwarenessContextCall>(
        User32Function("SetProcessDpiAwarenessContext"));
    if (perMonitor && perMonitor(kPerMonitorAwareV2)) return;
    if (auto system = reinterpret_cast<SetAwareCall>(User32Function("SetProcessDPIAware"))) system();
}

int32_t WindowDpi(HWND window) {
    auto forWindow = reinterpret_cast<DpiForWindowCall>(User32Function("GetDpiForWindow"));
    const int32_t dpi = forWindow && window ? int32_t(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

void TakeScreenDpi(int32_t dpi) {
    const int32_t multiple = ScreenPictureMultiple();
    AppSettings.ScreenDpi = dpi;
    const bool glyphsLoaded = AppSettings.GlyphBitmaps[0] || AppSettings.GlyphBitmaps[1] ||
                              AppSettings.GlyphBitmaps[2];
    if (glyphsLoaded && multiple != ScreenPictureMultiple() && Ports.Shell) {
        Ports.Shell->DeleteGlyphBitmaps();
        Ports.Shell->LoadGlyphBitmaps();
    }
}

LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    TakeScreenDpi(HIWORD(wParam));
    RemakeToolbar(window);
    FitScreenViewToDpi(window);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RepaintMain(window, kRepaintAll);
    return 0;
}
