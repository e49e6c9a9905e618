#include "search/string_list.h"

#include <cstring>

#include "platform/allocation.h"

namespace {

// Position of the first 0 byte at or after from, never beyond limit (the
// first unreadable byte, which reads as 0); limit null means unbounded.
const uint8_t* FindTerminator(const uint8_t* from, const uint8_t* limit) {
    if (!limit) return from + std::strlen(reinterpret_cast<const char*>(from));
    if (from >= limit) return limit;
    const void* zero = std::memchr(from, 0, size_t(limit - from));
    return zero ? static_cast<const uint8_t*>(zero) : limit;
}

}  // namespace

StringSpan* BuildStringList(const uint8_t* buffer, uint32_t size) {
    if (!buffer) return nullptr;
    const uint8_t* limit = size ? buffer + size : nullptr;
    auto readsZero = [&](const uint8_t* p) { return (limit && p >= limit) || *p == 0; };
    StringSpan* head = nullptr;
    StringSpan** tail = &head;
    const uint8_t* p = buffer;
    while (!readsZero(p)) {
        // Both header bytes must be readable: a segment cut off inside its
        // header holds no string.
        if (limit && p + 2 > limit) break;
        const uint8_t* end = FindTerminator(p + 2, limit);
        StringSpan* node = static_cast<StringSpan*>(AllocOrAbort(sizeof(StringSpan)));
        *node = StringSpan{nullptr, p, end};
        *tail = node;
        tail = &node->Next;
        if (limit && end >= limit) break;   // the article's readable bytes end here
        p = end + 1;
    }
    return head;
}

void FreeStringList(StringSpan* head) {
    while (head) {
        StringSpan* next = head->Next;
        PlainFree(head);
        head = next;
    }
}
