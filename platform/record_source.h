// Where the embedded records come from: the executable's RT_RCDATA resources on
// Win32, an in-memory table in tests.
#pragma once
#include <cstddef>
#include <cstdint>

// The book's articles, numbered 1 to 1705.
constexpr int kArticleCount = 1705;

enum class RecordLookup {
    Found,
    Missing,      // no record with that identifier
    Unavailable,  // size 0, or its bytes cannot be had
};

class RecordSource {
public:
    virtual ~RecordSource() = default;
    // On Found, *bytes and *size describe the record; the memory stays owned by
    // the source (read-only, never freed by the caller).
    virtual RecordLookup Find(uint16_t identifier, const uint8_t** bytes, size_t* size) = 0;
};
