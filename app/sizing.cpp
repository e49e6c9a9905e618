// Keeping the view and the toolbar sized to the client area, a gutter in from
// every side.
#include "app/sizing.h"

#include "app/scrolling.h"
#include "app/toolbar.h"
#include "settings/app_settings.h"
#include "view/article_view.h"

Rect ArticleViewRectangle(Rect client, bool toolbarExists, int32_t toolbarHeight, int32_t gutter) {
    client.Top += ToolbarOffset(toolbarExists, toolbarHeight);
    if (client.Bottom - client.Top > 2 * gutter) {
        client.Top += gutter;
        client.Bottom -= 2 * gutter;
    }
    if (client.Right - client.Left > 2 * gutter) {
        client.Left += gutter;
        client.Right -= 2 * gutter;
    }
    return client;
}

void OnSize(HWND window, LPARAM lParam) {
    int32_t width = LOWORD(lParam);
    int32_t height = HIWORD(lParam);
    const int32_t gutter = ScreenGutter();
    if (width > 2 * gutter) width -= 2 * gutter;
    if (height > 2 * gutter) height -= 2 * gutter;

    // The Choose Section dialog places itself inside this frame: the outer
    // window rectangle with the gutters the view keeps from the client area.
    RECT outer;
    GetWindowRect(window, &outer);
    Rect frame = ArticleViewRectangle(Rect{outer.left, outer.top, outer.right, outer.bottom},
                                      false, 0, gutter);
    AppSettings.FrameHeight = frame.Bottom - frame.Top;
    AppSettings.FrameWidth = frame.Right - frame.Left;

    ArticleView* view = AppSettings.View;
    if (!view) return;
    if (HWND toolbar = static_cast<HWND>(AppSettings.Toolbar)) {
        int32_t toolbarHeight = ToolbarHeight();
        MoveWindow(toolbar, 0, 0, width, toolbarHeight, TRUE);
        height -= toolbarHeight;
    }
    // A minimized window reports 0 x 0: the view refuses it and keeps its layout.
    ResizeArticleView(view, width, height);
    UpdateScrollBar(window);
}
