// The main window's procedure: a table of messages, each handed to a handler.
#include "app/main_window.h"

#include "app/article_font.h"
#include "app/commands.h"
#include "app/context_menu.h"
#include "app/menu_marks.h"
#include "app/painting.h"
#include "app/screen_view.h"
#include "app/scrolling.h"
#include "app/sizing.h"
#include "app/toolbar.h"
#include "dialogs/win32/about_dialog.h"
#include "settings/app_settings.h"
#include "settings/win32/window_placement.h"
#include "store/shut_down.h"
#include "view/article_view.h"

namespace {

// Until the user picks a font the view draws in a face known to have Hebrew
// letters; the empty face name stays in AppSettings (see display_font.h).
void UseFallbackFaceWhileNoneIsChosen() {
    if (!AppSettings.View || AppSettings.Font.FontName[0] != 0) return;
    FontSpec shown = ShownArticleFont();
    SetArticleFont(AppSettings.View, &shown);
}

// The toolbar first: the view goes below it.
LRESULT OnCreate(HWND window) {
    AppSettings.MainWindow = window;
    CreateToolbar(window);
    LoadFirstArticle(window);
    UseFallbackFaceWhileNoneIsChosen();
    UpdateReverseMark(window, MarkMode::Set);
    UpdateBookmarkMark(window, MarkMode::Set);
    return 0;
}

// The shutdown: the view's device context, the toolbar, the placement, then
// the settings, the view and the bookmarks, and the quit message.
LRESULT OnDestroy(HWND window) {
    ReleaseViewDc(window);
    if (AppSettings.Toolbar) {
        DestroyWindow(static_cast<HWND>(AppSettings.Toolbar));
        AppSettings.Toolbar = nullptr;
    }
    SaveWindowPlacement(window);
    SaveAndQuit();
    return 0;
}

LRESULT OnPaint(HWND window, WPARAM wParam) {
    PaintMain(reinterpret_cast<HDC>(wParam), window, kPaintAllParts);
    return 0;
}

// F1: the About box.
LRESULT OnHelp(HWND window) {
    ShowAboutBox(window);
    return TRUE;
}

LRESULT OnLButtonDown(HWND window, LPARAM lParam) {
    if (ArticleView* view = AppSettings.View)
        ClickScroll(window, view, LOWORD(lParam), HIWORD(lParam), kRedraw);
    return 0;
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:      return OnCreate(window);
        case WM_DESTROY:     return OnDestroy(window);
        case WM_SIZE:        OnSize(window, lParam); return 0;
        case WM_PAINT:       return OnPaint(window, wParam);
        case WM_HELP:        return OnHelp(window);
        case WM_KEYDOWN:     return OnKeyDown(window, wParam);
        case WM_COMMAND:
            if (OnCommand(window, LOWORD(wParam)) == 0) return 0;
            break;
        case WM_VSCROLL:     return OnVScroll(window, wParam, lParam);
        case WM_LBUTTONDOWN: return OnLButtonDown(window, lParam);
        case WM_MOUSEWHEEL:  return OnMouseWheel(window, wParam);
        case WM_CONTEXTMENU: return OnContextMenu(window, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
