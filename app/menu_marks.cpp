#include "app/menu_marks.h"

#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "settings/bookmarks.h"

int SetMenuCheck(HMENU menu, MarkMode mode, UINT command, int state) {
    bool checked = mode == MarkMode::Set
                       ? state != 0
                       : (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) == 0;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE;
    item.fState = checked ? MFS_CHECKED : 0;
    SetMenuItemInfoW(menu, command, FALSE, &item);
    return checked ? 1 : 0;
}

void UpdateReverseMark(HWND window, MarkMode mode) {
    if (SetMenuCheck(GetMenu(window), mode, IDM_REVERSE, AppSettings.Flags & kFlagsReverse))
        AppSettings.Flags |= kFlagsReverse;
    else
        AppSettings.Flags &= ~kFlagsReverse;
}

void UpdateBookmarkMark(HWND window, MarkMode mode) {
    SetMenuCheck(GetMenu(window), mode, IDM_BOOKMARK, IsBookmarked());
}
