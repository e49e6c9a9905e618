// The book's articles as the record loader hands them over: their size, and
// which one is the largest. Header-only, so the timing tools (which do not
// link the test support library) share it with the tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/allocation.h"
#include "store/record_loader.h"

// Bytes of a decompressed article: its blocks and the end marker.
inline size_t DecompressedArticleSize(const uint8_t* bytes) {
    size_t p = 0;
    while (bytes[p] != 0) {
        p += 2;
        p += std::strlen(reinterpret_cast<const char*>(bytes + p)) + 1;
    }
    return p + 1;
}

// The number of the article with the most decompressed bytes (0 when no
// record loads), loaded through the records installed in Ports.
inline int LargestArticle(size_t* size = nullptr) {
    int largest = 0;
    size_t largestSize = 0;
    for (int number = 1; number <= kArticleCount; ++number) {
        uint8_t* bytes = LoadRecord(number, nullptr);
        if (!bytes) continue;
        size_t articleSize = DecompressedArticleSize(bytes);
        if (articleSize > largestSize) {
            largestSize = articleSize;
            largest = number;
        }
        PlainFree(bytes);
    }
    if (size) *size = largestSize;
    return largest;
}
