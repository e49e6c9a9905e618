// The mouse wheel scrolls the view by whole notches.
#include "app/main_window.h"
#include "app/scrolling.h"
#include "settings/app_settings.h"
#include "view/article_view.h"

int32_t WheelAmount(int16_t delta) { return delta / -WHEEL_DELTA; }

LRESULT OnMouseWheel(HWND window, WPARAM wParam) {
    ArticleView* view = AppSettings.View;
    if (!view) return 0;
    ScrollArticleView(view, WheelAmount(int16_t(HIWORD(wParam))), 1, 1);
    UpdateScrollBar(window);
    return 0;
}
