#include "settings/settings_persistence.h"

#include "platform/allocation.h"
#include "platform/ports.h"
#include "platform/record_source.h"
#include "settings/app_settings.h"
#include "settings/bookmarks.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"

namespace {

constexpr int kFontNameLength = sizeof AppSettings.Font.FontName / sizeof(char16_t) - 1;

void LoadFontName() {
    char16_t* stored = ReadString(kValueFontName);
    if (!stored) return;
    if (stored[0]) {
        int length = 0;
        while (length < kFontNameLength && stored[length]) {
            AppSettings.Font.FontName[length] = stored[length];
            ++length;
        }
        AppSettings.Font.FontName[length] = 0;
    }
    PlainFree(stored);
}

}  // namespace

void LoadSettings() {
    LoadFontName();
    ReadByteString(kValueSearchString, AppSettings.SearchString, kSearchStringSize);

    int32_t fontSize = int32_t(ReadDword(kValueFontSize, 0));
    AppSettings.Font.FontSize = (fontSize >= 0 && fontSize <= kMaxFontSize) ? fontSize : 0;
    AppSettings.Font.FontAsciiBase = int32_t(ReadDword(kValueFontAsciiBase, uint32_t(kDefaultFontAsciiBase)));
    // Only the low 16 bits of the two positions are meaningful.
    AppSettings.LastPosition = uint16_t(ReadDword(kValueLastPosition, 0));
    AppSettings.Flags = ReadDword(kValueFlags, kDefaultFlags);
    AppSettings.Lesson = uint16_t(ReadDword(kValueLesson, 0));
    // A number that names no article is taken as none stored, so start-up
    // shows the first article instead of failing at every start.
    if (AppSettings.Lesson > kArticleCount) {
        AppSettings.Lesson = 0;
        AppSettings.LastPosition = 0;
    }

    if (Ports.Shell) Ports.Shell->LoadGlyphBitmaps();
    LoadBookmarks();
    AppSettings.SettingsLoaded = true;
}

int32_t ReadSurroundingGutter() {
    return int32_t(ReadDwordFrom(kMakerKey, kValueSurroundingGutter, uint32_t(kDefaultSurroundingGutter)));
}

void WriteSettings(const uint32_t* lastPosition) {
    // The fields are filled by dialogs; make sure each ends inside its field.
    AppSettings.SearchString[kSearchStringSize - 1] = 0;
    AppSettings.Font.FontName[kFontNameLength] = 0;

    if (AppSettings.SearchString[0]) WriteByteString(kValueSearchString, AppSettings.SearchString);
    if (AppSettings.Font.FontName[0]) WriteString(kValueFontName, AppSettings.Font.FontName);
    if (AppSettings.Font.FontSize) WriteDword(kValueFontSize, uint32_t(AppSettings.Font.FontSize));
    if (AppSettings.Font.FontAsciiBase)
        WriteDword(kValueFontAsciiBase, uint32_t(AppSettings.Font.FontAsciiBase));
    if (lastPosition) WriteDword(kValueLastPosition, *lastPosition);
    WriteDword(kValueFlags, AppSettings.Flags);
    if (AppSettings.Lesson) WriteDword(kValueLesson, AppSettings.Lesson);
}
