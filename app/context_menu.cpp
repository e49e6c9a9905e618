#include "app/context_menu.h"

#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "verses/verse_selection.h"
#include "view/article_view.h"

namespace {
constexpr LPARAM kFromKeyboard = -1;

struct MenuItem {
    UINT Command;
    const wchar_t* Text;
};
constexpr MenuItem kItems[] = {
    {IDM_COPY_VERSE, kCopyVerseItem},
    {IDM_COPY, kCopyItem},
    {IDM_APPEND_TO_CLIPBOARD, kAppendItem},
    {IDM_BOOKMARK, kBookmarkItem},
};

// Marks the verse under the click, or the top one; returns where the menu opens.
POINT MarkVerseFor(HWND window, LPARAM lParam) {
    POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
    ArticleView* view = AppSettings.View;
    const VerseIndex* index = view ? BookVerseIndex() : nullptr;
    if (lParam == kFromKeyboard) {
        if (index) MarkVerseAt(*index, view, kTopVerse);
        at = view ? POINT{view->Left, view->Top} : POINT{0, 0};
        ClientToScreen(window, &at);
        return at;
    }
    POINT client = at;
    ScreenToClient(window, &client);
    if (index && PointInView(view, client.x, client.y)) MarkVerseAt(*index, view, client.y);
    return at;
}
}  // namespace

LRESULT OnContextMenu(HWND window, LPARAM lParam) {
    const POINT at = MarkVerseFor(window, lParam);
    HMENU menu = CreatePopupMenu();
    if (!menu) return 0;
    for (const MenuItem& item : kItems) AppendMenuW(menu, MF_STRING, item.Command, item.Text);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
    DestroyMenu(menu);
    return 0;
}
