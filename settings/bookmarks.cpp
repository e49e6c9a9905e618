#include "settings/bookmarks.h"

#include <cstddef>
#include <vector>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "platform/ports.h"
#include "settings/settings_values.h"

namespace {

bool ListHolds(uint16_t number) {
    const uint16_t* list = AppSettings.Bookmarks;
    if (!list) return false;
    for (const uint16_t* entry = list; *entry; ++entry)
        if (*entry == number) return true;
    return false;
}

}  // namespace

// The stored value is outside input: it may have an odd size, lack its 0
// entry, hold zeros in the middle or be huge. The list in memory is always
// well formed: the non-zero stored entries in their order (duplicates kept),
// at most kMaxBookmarks of them, then one 0 entry.
void LoadBookmarks() {
    size_t size = 0;
    uint8_t* data = ReadBytesOr(kValueBookmarks, nullptr, &size);
    FreeBookmarks();
    if (!data) return;

    size_t stored = size / 2;
    size_t kept = 0;
    for (size_t i = 0; i < stored && kept < kMaxBookmarks; ++i)
        if (data[2 * i] | data[2 * i + 1]) ++kept;

    uint16_t* list = static_cast<uint16_t*>(AllocOrAbort((kept + 1) * sizeof(uint16_t)));
    size_t count = 0;
    for (size_t i = 0; i < stored && count < kept; ++i) {
        uint16_t number = uint16_t(data[2 * i] | (data[2 * i + 1] << 8));
        if (number) list[count++] = number;
    }
    list[count] = 0;
    PlainFree(data);

    AppSettings.Bookmarks = list;
    AppSettings.BookmarkCount = uint16_t(count);
}

void SaveBookmarks() {
    // Stored little-endian whatever the machine, with the 0 entry; an empty or
    // absent list is two zero bytes.
    std::vector<uint8_t> bytes;
    bytes.reserve((AppSettings.BookmarkCount + 1) * 2);
    if (AppSettings.Bookmarks) {
        for (size_t i = 0; i < AppSettings.BookmarkCount; ++i) {
            bytes.push_back(uint8_t(AppSettings.Bookmarks[i]));
            bytes.push_back(uint8_t(AppSettings.Bookmarks[i] >> 8));
        }
    }
    bytes.push_back(0);
    bytes.push_back(0);
    WriteBytes(kValueBookmarks, bytes.data(), bytes.size());
}

void FreeBookmarks() {
    PlainFree(AppSettings.Bookmarks);
    AppSettings.Bookmarks = nullptr;
    AppSettings.BookmarkCount = 0;
}

bool IsBookmarked() { return ListHolds(AppSettings.Lesson); }

void AddBookmark() {
    // A 0 entry would end the list early.
    if (AppSettings.Lesson == 0 || ListHolds(AppSettings.Lesson)) return;
    size_t count = AppSettings.Bookmarks ? AppSettings.BookmarkCount : 0;
    if (count >= 0xFFFE) return;   // the count is 16-bit
    uint16_t* list = static_cast<uint16_t*>(PlainAlloc((count + 2) * sizeof(uint16_t)));
    if (!list) return;
    for (size_t i = 0; i < count; ++i) list[i] = AppSettings.Bookmarks[i];
    PlainFree(AppSettings.Bookmarks);
    list[count] = AppSettings.Lesson;
    list[count + 1] = 0;
    AppSettings.Bookmarks = list;
    AppSettings.BookmarkCount = uint16_t(count + 1);
}

void RemoveBookmark() {
    uint16_t* list = AppSettings.Bookmarks;
    if (!list) return;
    uint16_t* write = list;
    for (const uint16_t* read = list; *read; ++read) {
        if (*read == AppSettings.Lesson)
            --AppSettings.BookmarkCount;
        else
            *write++ = *read;
    }
    *write = 0;
}

void ToggleBookmark(int32_t bookmarked) {
    if (!bookmarked) {
        AddBookmark();
        return;
    }
    if (!(AppSettings.BookmarkPromptFlags & kBookmarkDontAsk)) {
        int32_t answer = Ports.Messages->ShowMessage(AppSettings.MainWindow, kRemoveBookmarkQuestion,
                                                     kBookmarkCaption, kMbYesNoCancel);
        if (answer == kIdCancel) AppSettings.BookmarkPromptFlags |= kBookmarkDontAsk;
        if (answer == kIdNo) return;
    }
    RemoveBookmark();
}
