#include "app/screen_view.h"

#include <memory>

#include "app/sizing.h"
#include "app/toolbar.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "view/article_view.h"
#include "view/win32/gdi_text_device.h"

namespace {

struct ScreenDevice {
    HWND Window = nullptr;
    HDC Dc = nullptr;
    std::unique_ptr<GdiTextDevice> Device;
};
ScreenDevice screen;

Rect ScreenViewRectangle(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return ArticleViewRectangle(Rect{client.left, client.top, client.right, client.bottom},
                                AppSettings.Toolbar != nullptr, ToolbarHeight(), ScreenGutter());
}

}  // namespace

void LoadFirstArticle(HWND window) {
    // A window made again in the same process starts from a clean slate.
    if (AppSettings.View) {
        DestroyArticleView(AppSettings.View, kReleaseView);
        AppSettings.View = nullptr;
    }
    ReleaseViewDc(screen.Window);
    screen.Device.reset();

    HDC dc = GetDC(window);
    if (!dc) return;
    screen.Window = window;
    screen.Dc = dc;
    screen.Device = std::make_unique<GdiTextDevice>(dc);
    screen.Device->UseWindowDpi(ScreenDpi());
    ShowFirstArticle(window, screen.Device.get(), ScreenViewRectangle(window));
}

void FitScreenViewToDpi(HWND window) {
    ArticleView* view = AppSettings.View;
    if (!view || !screen.Device) return;
    screen.Device->UseWindowDpi(ScreenDpi());
    // The origin moves with the toolbar's height and the gutter; the size
    // follows with the window's WM_SIZE.
    const Rect viewRect = ScreenViewRectangle(window);
    view->Left = viewRect.Left;
    view->Top = viewRect.Top;
    const FontSpec font = view->Font;
    SetArticleFont(view, &font);
}

void ReleaseViewDc(HWND window) {
    if (!screen.Dc) return;
    ReleaseDC(screen.Window, screen.Dc);
    screen.Dc = nullptr;
}
