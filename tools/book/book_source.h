// The biblical text as read from the source's OSIS files: books, chapters and
// verses, the verse text already in letter codes (reading order).
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct SourceVerse {
    int Number;
    std::string Text;     // letter codes, words separated by one space
    bool EndsParagraph;   // a pe or samekh follows the verse's last word
};

struct SourceChapter {
    int Number;
    std::vector<SourceVerse> Verses;   // numbered 1, 2, 3, ... without gaps
};

struct SourceBook {
    size_t CanonIndex;                 // into kCanonBooks
    std::vector<SourceChapter> Chapters;
};

// Parses one OSIS book file's contents. The written text (ketiv) is kept and
// every note (variants, qere readings, remarks) left out; letters set large,
// small or suspended count as ordinary letters. A paragraph mark inside a verse
// (before its last word) is not a paragraph end of the verse. Throws
// std::runtime_error when the XML is malformed or does not hold the book's
// chapters and verses in order.
SourceBook ParseOsisBook(std::string_view xml, size_t canonIndex);

// Reads <directory>/<SourceName>.xml for all 39 books in canonical order.
std::vector<SourceBook> LoadBookSource(const std::string& directory);
