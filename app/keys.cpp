// The keys the main window handles itself (the rest reach it as commands
// through the accelerators).
#include "app/main_window.h"
#include "app/scrolling.h"
#include "search/book_search.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "view/article_view.h"

namespace {

constexpr LRESULT kKeyHandled = 0;
constexpr LRESULT kKeySwallowed = 1;   // not handled, and not passed on either

}  // namespace

int32_t PageStep(int32_t linesDrawn, uint32_t pageMode) {
    return (pageMode == 2 || pageMode == 4) ? linesDrawn / 2 : linesDrawn - 1;
}

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
    ScrollArticleView(view, KeyScrollAmount(*view, key, AppSettings.Flags), 1, 1);
    UpdateScrollBar(window);
    return kKeyHandled;
}
