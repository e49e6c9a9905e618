// The shape of the book: its four divisions and 39 books in canonical order,
// with the source file each book comes from and its Hebrew name.
#pragma once
#include <cstddef>

struct CanonDivision {
    const char* HebrewName;   // UTF-8
};

struct CanonBook {
    const char* SourceName;   // the OSIS book name, also the source file's base name
    const char* HebrewName;   // UTF-8
    int Division;             // index into kCanonDivisions
};

constexpr size_t kCanonDivisionCount = 4;
constexpr size_t kCanonBookCount = 39;

extern const CanonDivision kCanonDivisions[kCanonDivisionCount];
extern const CanonBook kCanonBooks[kCanonBookCount];
