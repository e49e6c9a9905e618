// The bookmarks group: the user's bookmarks as a fragment in the contents
// format, shown in front of the book's table of contents.
#pragma once
#include <cstdint>

constexpr uint8_t kBookmarksHeaderFlags = 0xC1;   // shown, open, font bit 0
constexpr uint8_t kBookmarksHeaderLevel = 1;
constexpr uint8_t kBookmarkEntryFlags = 0x81;     // shown, font bit 0
constexpr uint8_t kBookmarkEntryLevel = 2;
// The heading, "סימן" ("mark", as a reader marks a place in a book), in letter
// code and display order: final nun, mem, yod, samekh.
constexpr char kBookmarksHeading[] = "\x70\x6F\x6A\x72";

// A new group built from AppSettings' bookmark list and contents (which may be
// null: then no bookmark has an entry and only the header is written), or null
// when memory runs out. The caller releases it with PlainFree. A bookmark
// without an article entry in contents gets no entry; so does one whose entry
// would carry the group joined to contents past the 16-bit offsets of the rows.
uint8_t* BuildBookmarksGroup(const uint8_t* contents);

// The buffer to show: with bookmarks, a new buffer of the group, then contents
// (both up to their end entries), then an end entry, and both inputs released;
// the group alone when contents is null. contents itself, unchanged, when
// there are no bookmarks or memory runs out.
uint8_t* PrependBookmarksGroup(uint8_t* contents);
