// The contents format: entries of a little-endian key, a flags byte, a level
// and a NUL-terminated title in letter code, laid back to back and ended by
// an entry whose flags byte is 0.
#pragma once
#include <cstddef>
#include <cstdint>

// Keys.
constexpr uint16_t kSectionKeyBit = 0x8000;   // a heading that groups the entries after it
constexpr uint16_t kArticleKeyBit = 0x4000;   // 0x4000 + article number
constexpr uint16_t kKeyNumberMask = 0x3FFF;
constexpr uint16_t kBookmarksGroupKey = 0x8877;

// Entry flags.
constexpr uint8_t kEntryShown = 0x80;
constexpr uint8_t kEntryOpen = 0x40;
constexpr uint8_t kEntryFontBits = 0x1F;
constexpr uint8_t kEntryUnusedBit = 0x20;     // not used by the index
constexpr uint8_t kFirstEntryFlags = 1;       // the flags value a layout starts from

// Bytes of an entry before its title, and of the end entry.
constexpr uint32_t kEntryHeaderBytes = 4;
constexpr uint32_t kEndEntryBytes = 5;

// Rows address the buffer with 16-bit offsets: no title byte a row shows may
// lie at or past this offset.
constexpr uint32_t kContentsOffsetLimit = 0x10000;

constexpr bool IsArticleKey(uint16_t key) { return (key & 0xC000) == kArticleKeyBit; }
constexpr bool IsSectionKey(uint16_t key) { return (key & kSectionKeyBit) != 0; }
constexpr uint16_t ArticleKey(uint16_t number) { return uint16_t(kArticleKeyBit + number); }

inline uint16_t EntryKey(const uint8_t* entry) { return uint16_t(entry[0] | entry[1] << 8); }
inline uint8_t EntryFlags(const uint8_t* entry) { return entry[2]; }
inline uint8_t EntryLevel(const uint8_t* entry) { return entry[3]; }
inline const uint8_t* EntryTitle(const uint8_t* entry) { return entry + kEntryHeaderBytes; }
// The title's length n; the entry takes n + 5 bytes.
uint32_t EntryTitleLength(const uint8_t* entry);
// The entry after this one (which must not be the end entry).
const uint8_t* NextEntry(const uint8_t* entry);

// The bytes before the end entry: the sum of title length + 5 over all
// entries, as a 16-bit count.
uint16_t ContentsLength(const uint8_t* contents);
// The same, 32 bits wide.
uint32_t ContentsLength32(const uint8_t* contents);

// True when the size readable bytes at contents hold entries up to an end
// entry's flags byte: the walks over it then never leave the buffer. A record
// from the loader has its two terminating zero bytes inside size.
bool ContentsEndWithin(const uint8_t* contents, size_t size);
