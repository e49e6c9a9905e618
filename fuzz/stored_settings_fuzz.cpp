// Any bytes as the stored settings: whatever the store holds, reading it must
// stay inside the stored data, leave every string field terminated and the
// bookmark list well formed, and a full run of the bookmark operations and the
// shutdown must write back values that read the same again.
//
// The input is a sequence of values: one byte choosing the value name, one
// byte choosing the type, one length byte, then that many data bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/bookmarks.h"
#include "platform/ports.h"
#include "settings/settings_persistence.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "store/shut_down.h"

namespace {

class MapStore : public SettingsStore {
public:
    std::map<std::u16string, std::pair<uint32_t, std::vector<uint8_t>>> Values;
    bool Read(const char16_t*, const char16_t* name, uint32_t* type,
              std::vector<uint8_t>* data) override {
        auto it = Values.find(name);
        if (it == Values.end()) return false;
        *type = it->second.first;
        *data = it->second.second;
        return true;
    }
    bool Write(const char16_t*, const char16_t* name, uint32_t type, const void* data,
               size_t size) override {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        Values[name] = {type, std::vector<uint8_t>(bytes, bytes + size)};
        return true;
    }
};

class AnswerYes : public MessagePort {
public:
    int32_t ShowMessage(void*, const char16_t*, const char16_t*, uint32_t) override { return kIdYes; }
};

const char16_t* const kNames[] = {kValueFontName, kValueSearchString, kValueFontSize,
                                  kValueFontAsciiBase, kValueLastPosition, kValueFlags,
                                  kValueLesson, kValueBookmarks, kValueSurroundingGutter};
const uint32_t kTypes[] = {kValueString, kValueBinary, kValueDword, 0, 7};

void CheckWellFormed() {
    if (!std::memchr(AppSettings.SearchString, 0, kSearchStringSize)) std::abort();
    bool terminated = false;
    for (char16_t unit : AppSettings.Font.FontName) terminated = terminated || unit == 0;
    if (!terminated) std::abort();
    if (AppSettings.Bookmarks) {
        for (int i = 0; i < AppSettings.BookmarkCount; ++i)
            if (AppSettings.Bookmarks[i] == 0) std::abort();
        if (AppSettings.Bookmarks[AppSettings.BookmarkCount] != 0) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MapStore store;
    AnswerYes messages;
    PlatformPorts saved = Ports;
    Ports.Store = &store;
    Ports.Messages = &messages;
    Ports.Shell = nullptr;

    size_t at = 0;
    while (at + 3 <= size) {
        const char16_t* name = kNames[data[at] % (sizeof kNames / sizeof *kNames)];
        uint32_t type = kTypes[data[at + 1] % (sizeof kTypes / sizeof *kTypes)];
        size_t length = data[at + 2];
        at += 3;
        if (length > size - at) length = size - at;
        store.Values[name] = {type, std::vector<uint8_t>(data + at, data + at + length)};
        at += length;
    }

    ClearAppSettings();
    LoadSettings();
    CheckWellFormed();
    uint16_t lesson = AppSettings.Lesson;
    if (lesson > 1705) std::abort();
    AppSettings.Lesson = lesson ? lesson : 1;
    ToggleBookmark(IsBookmarked());
    ToggleBookmark(IsBookmarked());
    CheckWellFormed();
    uint16_t count = AppSettings.BookmarkCount;
    std::vector<uint16_t> list(AppSettings.Bookmarks, AppSettings.Bookmarks + count);
    SaveAndQuit();

    ClearAppSettings();
    LoadSettings();
    CheckWellFormed();
    if (AppSettings.BookmarkCount != count ||
        !std::equal(list.begin(), list.end(), AppSettings.Bookmarks))
        std::abort();
    FreeBookmarks();
    ClearAppSettings();
    Ports = saved;
    return 0;
}
