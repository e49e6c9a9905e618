// The vertical scroll bar: requests from it, and keeping it in step with the
// view.
#include "app/main_window.h"
#include "app/scrolling.h"
#include "settings/app_settings.h"
#include "view/article_view.h"

int32_t ScrollBarAmount(const ArticleView& view, int request, int16_t thumbPosition) {
    switch (request) {
        case SB_LINEUP:        return -1;
        case SB_LINEDOWN:      return +1;
        case SB_PAGEUP:        return 1 - view.LinesDrawn;
        case SB_PAGEDOWN:      return view.LinesDrawn - 1;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:    return thumbPosition - int32_t(view.TopLine);
        case SB_TOP:           return -int32_t(view.TopLine);
        case SB_BOTTOM:        return +1;   // one line, not to the end
    }
    return 0;
}

LRESULT OnVScroll(HWND window, WPARAM wParam, LPARAM lParam) {
    ArticleView* view = AppSettings.View;
    int32_t amount = view ? ScrollBarAmount(*view, LOWORD(wParam), int16_t(HIWORD(wParam))) : 0;
    if (amount != 0) ScrollArticleView(view, amount, 1, 1);
    DefWindowProcW(window, WM_VSCROLL, wParam, lParam);
    if (amount != 0) UpdateScrollBar(window);
    return 1;
}

void UpdateScrollBar(HWND window) {
    if ((AppSettings.Flags & 0xFF) < kFlagsScrollBarRight) return;   // no scroll bar
    ArticleView* view = AppSettings.View;
    if (!view) return;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = view->MaxTopLine;
    info.nPos = view->TopLine;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}
