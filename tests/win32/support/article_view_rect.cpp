#include "tests/win32/support/article_view_rect.h"

#include "tests/win32/support/toolbar_buttons.h"

RECT ArticleViewRect(HWND mainWindow, int gutter) {
    RECT client{};
    GetClientRect(mainWindow, &client);
    RECT toolbar{};
    GetWindowRect(ProgramToolbar(mainWindow), &toolbar);
    // The toolbar's last pixel row is shared with the view's area.
    const int top = toolbar.bottom - toolbar.top - 1;
    return RECT{gutter, top + gutter, client.right - gutter, client.bottom - gutter};
}
