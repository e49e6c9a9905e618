#include "app/article_font.h"

#include "app/scrolling.h"
#include "dialogs/win32/choose_font_dialog.h"
#include "settings/app_settings.h"
#include "view/article_view.h"
#include "view/display_font.h"

namespace {

// AppSettings' font on the view as it is drawn (the fallback face while none
// is chosen): the article laid out again and redrawn, the scroll bar with it.
void ApplyArticleFont(HWND window) {
    const FontSpec shown = ShownArticleFont();
    SetArticleFont(AppSettings.View, &shown);
    UpdateScrollBar(window);
}

}  // namespace

FontSpec ShownArticleFont() {
    if (!AppSettings.View || !AppSettings.View->Dc) return AppSettings.Font;
    return DisplayFontSpec(AppSettings.Font, *AppSettings.View->Dc);
}

void ChooseArticleFont(HWND window) {
    if (ChooseDisplayFont(window, &AppSettings.Font) == IDOK) ApplyArticleFont(window);
}

void ChooseFirstRunFont(HWND window) {
    ChooseDisplayFont(window, &AppSettings.Font);
    ApplyArticleFont(window);
}

