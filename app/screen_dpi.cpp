#include "app/screen_dpi.h"

#include "app/painting.h"
#include "app/screen_view.h"
#include "app/toolbar.h"
#include "platform/ports.h"
#include "platform/win32/system_function.h"
#include "settings/app_settings.h"

namespace {

// Newer than Windows 7: reached by name only.
using DpiForWindowCall = UINT(WINAPI*)(HWND);

int32_t SystemDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return kStandardDpi;
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kStandardDpi;
}

}  // namespace

int32_t WindowDpi(HWND window) {
    auto forWindow = SystemFunction<DpiForWindowCall>(L"user32.dll", "GetDpiForWindow");
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
