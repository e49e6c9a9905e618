// The keys the main window handles itself (the rest reach it as commands
// through the accelerators).
// Also the scroll bar and the wheel.
#include "app/scrolling.h"
#include "search/book_search.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "view/article_view.h"

namespace {

constexpr LRESULT kKeyHandled = 0;
constexpr LRESULT kKeySwallowed = 1;   // not handled, and not passed on either

}  // namespace

int32_t KeyScrollAmount(const ArticleView& view, WPARAM key, uint32_t flags) {
    uint32_t pageMode = (flags & kFlagsKeyPageModeMask) >> kFlagsKeyPageModeShift;
    switch (key) {
        case VK_PRIOR: return -PageStep(view.LinesDrawn, pageMode);
        case VK_NEXT:  return PageStep(view.LinesDrawn, pageMode);
        case VK_END:   return view.MaxTopLine;   // the view stops at its end
        case VK_HOME:  return -int32_t(view.TopLine);
        case VK_UP:    return -1;
        case VK_DOWN:  return +1;
    }
    return 0;
}

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

int32_t WheelAmount(int16_t delta) { return delta / -WHEEL_DELTA; }

LRESULT OnKeyDown(HWND window, WPARAM key) {
    if (key < VK_RETURN || key > VK_DOWN || (key > VK_RETURN && key < VK_PRIOR))
        return kKeySwallowed;
    if (key == VK_RETURN) {
        if (AppSettings.SearchString[0] != 0) SearchBook(window);
        return kKeyHandled;
    }
    ArticleView* view = AppSettings.View;
    if (!view) return kKeyHandled;   // without a view the keys do nothing
    switch (key) {
        case VK_LEFT:  StepArticle(window, -1); return kKeyHandled;
        case VK_RIGHT: StepArticle(window, +1); return kKeyHandled;
    }
    ScrollArticleView(view, KeyScrollAmount(*view, key, AppSettings.Flags), kRedraw, kClampAtEnd);
    UpdateScrollBar(window);
    return kKeyHandled;
}

LRESULT OnVScroll(HWND window, WPARAM wParam, LPARAM lParam) {
    ArticleView* view = AppSettings.View;
    int32_t amount = view ? ScrollBarAmount(*view, LOWORD(wParam), int16_t(HIWORD(wParam))) : 0;
    if (amount != 0) ScrollArticleView(view, amount, kRedraw, kClampAtEnd);
    DefWindowProcW(window, WM_VSCROLL, wParam, lParam);
    if (amount != 0) UpdateScrollBar(window);
    return 1;
}

LRESULT OnMouseWheel(HWND window, WPARAM wParam) {
    ArticleView* view = AppSettings.View;
    if (!view) return 0;
    ScrollArticleView(view, WheelAmount(int16_t(HIWORD(wParam))), kRedraw, kClampAtEnd);
    UpdateScrollBar(window);
    return 0;
}

void UpdateScrollBar(HWND window) {
    if (!HasScrollBar(AppSettings.Flags)) return;
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
