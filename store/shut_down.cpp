#include "store/shut_down.h"

#include "platform/ports.h"
#include "settings/app_settings.h"
#include "settings/bookmarks.h"
#include "settings/settings_persistence.h"
#include "view/article_view.h"

void SaveAndQuit() {
    if (Ports.Shell) Ports.Shell->DeleteGlyphBitmaps();
    const bool loaded = AppSettings.SettingsLoaded;
    if (loaded) {
        const uint32_t topLine = AppSettings.View ? uint32_t(AppSettings.View->TopLine) : 0;
        WriteSettings(AppSettings.View ? &topLine : nullptr);
    }
    if (AppSettings.View) {
        DestroyArticleView(AppSettings.View, kReleaseView);
        AppSettings.View = nullptr;
    }
    if (loaded) SaveBookmarks();
    FreeBookmarks();
    AppSettings.SettingsLoaded = false;
    if (Ports.Shell) Ports.Shell->PostQuit(0);
}
