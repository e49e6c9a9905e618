#include "app/toolbar.h"

#include <windows.h>

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "settings/app_settings.h"

namespace {

TBBUTTON Button(int image, int command) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

}  // namespace

void CreateToolbar(HWND window) {
    // Left to right, each with the picture of the same place in bitmap 114.
    TBBUTTON buttons[TOOLBAR_IMAGE_COUNT] = {
        Button(0, IDM_PREVIOUS_ARTICLE), Button(1, IDM_CHOOSE_ARTICLE),
        Button(2, IDM_NEXT_ARTICLE),     Button(3, IDM_FONT),
        Button(4, IDM_SEARCH),           Button(5, IDM_SEARCH_AGAIN),
    };
    // When the toolbar cannot be made it stays null: the menu still carries
    // every command, and the view and the painting take the whole client area.
    AppSettings.Toolbar = CreateToolbarEx(
        window, WS_CHILD | WS_VISIBLE, IDC_TOOLBAR, TOOLBAR_IMAGE_COUNT,
        static_cast<HINSTANCE>(AppSettings.Instance), IDB_TOOLBAR, buttons, TOOLBAR_IMAGE_COUNT,
        TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE,
        sizeof(TBBUTTON));
}

int ToolbarHeight() {
    HWND toolbar = static_cast<HWND>(AppSettings.Toolbar);
    if (!toolbar) return 0;
    RECT bounds;
    GetWindowRect(toolbar, &bounds);
    return bounds.bottom - bounds.top;
}
