#include "toc/contents.h"

uint32_t EntryTitleLength(const uint8_t* entry) {
    const uint8_t* title = EntryTitle(entry);
    uint32_t n = 0;
    while (title[n] != 0) ++n;
    return n;
}

const uint8_t* NextEntry(const uint8_t* entry) {
    return entry + kEntryHeaderBytes + EntryTitleLength(entry) + 1;
}

uint32_t ContentsLength32(const uint8_t* contents) {
    if (!contents) return 0;
    const uint8_t* entry = contents;
    while (EntryFlags(entry) != 0) entry = NextEntry(entry);
    return uint32_t(entry - contents);
}

uint16_t ContentsLength(const uint8_t* contents) { return uint16_t(ContentsLength32(contents)); }

bool ContentsEndWithin(const uint8_t* contents, size_t size) {
    if (!contents) return false;
    size_t at = 0;
    while (true) {
        if (at + 2 >= size) return false;
        if (contents[at + 2] == 0) return true;
        size_t end = at + kEntryHeaderBytes;
        while (end < size && contents[end] != 0) ++end;
        if (end >= size) return false;
        at = end + 1;
    }
}
