#include "app/first_run_font.h"

#include "app/article_font.h"
#include "dialogs/win32/choose_font_dialog.h"
#include "settings/app_settings.h"

void ChooseFirstRunFont(HWND window) {
    ChooseDisplayFont(window, &AppSettings.Font);
    ApplyArticleFont(window);
}
