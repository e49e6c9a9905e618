#include "app/painting.h"

#include "app/scrolling.h"
#include "app/toolbar.h"
#include "settings/app_settings.h"
#include "view/article_view.h"

void PaintMain(HDC dc, HWND window, uint32_t flags) {
    PAINTSTRUCT paint;
    const bool painting = dc == nullptr;
    if (painting) dc = BeginPaint(window, &paint);
    if (flags & kPaintClear) {
        RECT client;
        GetClientRect(window, &client);
        client.top += ToolbarOffset(AppSettings.Toolbar != nullptr, ToolbarHeight());
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    // The view draws on its own device context, kept for the window's life.
    if (flags & kPaintView)
        DrawArticleView(AppSettings.View, (flags & kPaintClear) ? kErase : kNoErase);
    if (painting) EndPaint(window, &paint);
}

void RepaintMain(HWND window, uint32_t flags) {
    if (!window) window = static_cast<HWND>(AppSettings.MainWindow);
    HDC dc = GetDC(window);
    PaintMain(dc, window, flags);
    ReleaseDC(window, dc);
    UpdateScrollBar(window);
}
