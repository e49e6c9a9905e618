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
    // The pictures drawn nearest the screen's dots per inch (16, 24 or 32
    // pixels); the buttons grow with the dots per inch.
    const int halves = ToolbarPictureHalvesForDpi(ScreenDpi());
    const int pictureSize = TOOLBAR_IMAGE_SIZE * halves / 2;
    const int bitmap = halves == 3 ? IDB_TOOLBAR_ONE_AND_HALF : halves == 4 ? IDB_TOOLBAR_TWICE : IDB_TOOLBAR;
    // When the toolbar cannot be made it stays null: the menu still carries
    // every command, and the view and the painting take the whole client area.
    HWND toolbar = CreateToolbarEx(
        window, WS_CHILD | WS_VISIBLE, IDC_TOOLBAR, TOOLBAR_IMAGE_COUNT,
        static_cast<HINSTANCE>(AppSettings.Instance), bitmap,
        buttons, TOOLBAR_IMAGE_COUNT, pictureSize, pictureSize, pictureSize, pictureSize,
        sizeof(TBBUTTON));
    AppSettings.Toolbar = toolbar;
    if (toolbar && ScreenDpi() != kStandardDpi) {
        SendMessageW(toolbar, TB_SETBUTTONSIZE, 0,
                     MAKELPARAM(ScreenPixels(kToolbarButtonWidth), ScreenPixels(kToolbarButtonHeight)));
        SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    }
}

void RemakeToolbar(HWND window) {
    if (AppSettings.Toolbar) DestroyWindow(static_cast<HWND>(AppSettings.Toolbar));
    AppSettings.Toolbar = nullptr;
    CreateToolbar(window);
}

int ToolbarHeight() {
    HWND toolbar = static_cast<HWND>(AppSettings.Toolbar);
    if (!toolbar) return 0;
    RECT bounds;
    GetWindowRect(toolbar, &bounds);
    return bounds.bottom - bounds.top;
}
