#include "toc/bookmarks_group.h"

#include <cstring>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "toc/contents.h"

namespace {

constexpr uint32_t kHeadingLength = sizeof kBookmarksHeading - 1;
constexpr uint32_t kArticleSlots = uint32_t(kKeyNumberMask) + 1;

// The first article entry of contents for every article number, so that a
// long bookmark list costs one walk over the contents. Null on no memory.
const uint8_t** IndexArticleEntries(const uint8_t* contents) {
    auto** slots = static_cast<const uint8_t**>(PlainAlloc(kArticleSlots * sizeof(uint8_t*)));
    if (!slots) return nullptr;
    for (uint32_t i = 0; i < kArticleSlots; ++i) slots[i] = nullptr;
    if (!contents) return slots;
    for (const uint8_t* entry = contents; EntryFlags(entry) != 0; entry = NextEntry(entry)) {
        const uint16_t key = EntryKey(entry);
        if (!IsArticleKey(key)) continue;
        const uint8_t*& slot = slots[key & kKeyNumberMask];
        if (!slot) slot = entry;
    }
    return slots;
}

uint8_t* WriteEntry(uint8_t* at, uint16_t key, uint8_t flags, uint8_t level, const uint8_t* title,
                    uint32_t length) {
    *at++ = uint8_t(key & 0xFF);
    *at++ = uint8_t(key >> 8);
    *at++ = flags;
    *at++ = level;
    if (length) std::memcpy(at, title, length);
    at += length;
    *at++ = 0;
    return at;
}

// The bookmarks that get an entry, in list order: the entry found for each,
// or null for one that is left out.
struct GroupPlan {
    const uint8_t** Entries;   // one per bookmark
    uint32_t Size;             // bytes of the whole group with its end entry
};

GroupPlan PlanGroup(const uint8_t* contents, const uint8_t* const* slots) {
    const uint32_t count = AppSettings.Bookmarks ? AppSettings.BookmarkCount : 0;
    GroupPlan plan{nullptr, kEntryHeaderBytes + kHeadingLength + 1 + kEndEntryBytes};
    if (count == 0) return plan;
    plan.Entries = static_cast<const uint8_t**>(PlainAlloc(count * sizeof(uint8_t*)));
    if (!plan.Entries) return plan;
    // The joined buffer keeps every byte within what a row can address.
    const uint32_t budget = kContentsOffsetLimit - ContentsLength32(contents);
    for (uint32_t i = 0; i < count; ++i) {
        plan.Entries[i] = nullptr;
        const uint16_t number = AppSettings.Bookmarks[i];
        if (number == 0) break;
        const uint8_t* entry = number <= kKeyNumberMask ? slots[number] : nullptr;
        if (!entry) continue;
        const uint32_t size = EntryTitleLength(entry) + kEntryHeaderBytes + 1;
        if (plan.Size + size > budget) continue;
        plan.Size += size;
        plan.Entries[i] = entry;
    }
    return plan;
}

}  // namespace

uint8_t* BuildBookmarksGroup(const uint8_t* contents) {
    const uint8_t** slots = IndexArticleEntries(contents);
    if (!slots) return nullptr;
    GroupPlan plan = PlanGroup(contents, slots);
    PlainFree(slots);
    const uint32_t count = AppSettings.Bookmarks ? AppSettings.BookmarkCount : 0;
    if (count != 0 && !plan.Entries) return nullptr;

    auto* group = static_cast<uint8_t*>(PlainAlloc(plan.Size));
    if (group) {
        uint8_t* at = WriteEntry(group, kBookmarksGroupKey, kBookmarksHeaderFlags,
                                 kBookmarksHeaderLevel,
                                 reinterpret_cast<const uint8_t*>(kBookmarksHeading), kHeadingLength);
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* entry = plan.Entries[i];
            if (!entry) continue;
            at = WriteEntry(at, EntryKey(entry), kBookmarkEntryFlags, kBookmarkEntryLevel,
                            EntryTitle(entry), EntryTitleLength(entry));
        }
        std::memset(at, 0, kEndEntryBytes);
    }
    PlainFree(plan.Entries);
    return group;
}

uint8_t* PrependBookmarksGroup(uint8_t* contents) {
    if (!AppSettings.Bookmarks || AppSettings.BookmarkCount == 0) return contents;
    uint8_t* group = BuildBookmarksGroup(contents);
    if (!group) return contents;
    if (!contents) return group;

    const uint32_t groupLength = ContentsLength32(group);
    const uint32_t contentsLength = ContentsLength32(contents);
    auto* joined = static_cast<uint8_t*>(PlainAlloc(groupLength + contentsLength + kEndEntryBytes));
    if (!joined) {
        PlainFree(group);
        return contents;
    }
    std::memcpy(joined, group, groupLength);
    std::memcpy(joined + groupLength, contents, contentsLength);
    std::memset(joined + groupLength + contentsLength, 0, kEndEntryBytes);
    PlainFree(group);
    PlainFree(contents);
    return joined;
}
