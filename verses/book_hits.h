// Every hit of a pattern in the book, counted, in the order in which Search
// Again meets them walking once through the book from the start of article 1:
// articles in number order, an article's strings in buffer order, and within a
// string from its last character down, each hit continuing below the one
// before. The Find All dialog's list, a row per hit with a heading row per
// book of the verse index before its hits.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "verses/verse_index.h"

// The book's articles decompressed once, one after another, so that a search
// at every keystroke decompresses nothing.
struct BookText {
    std::vector<uint8_t> Bytes;     // article n from Starts[n - 1], its terminators included
    std::vector<uint32_t> Starts;   // kArticleCount + 1 entries
};

// False (the text left empty) when an article cannot be had.
bool LoadBookText(BookText* text);
const uint8_t* ArticleTextOf(const BookText& text, uint16_t article);
uint32_t ArticleSizeOf(const BookText& text, uint16_t article);

// A hit in six bytes: its article, the offset of its last byte (as a search
// reports it) and its length.
struct BookHit {
    uint16_t Article;
    uint16_t Last;
    uint16_t Length;
};

// The hits of one book of the verse index, Count of them from FirstHit.
struct HitBook {
    uint8_t Book;
    uint32_t FirstHit;
    uint32_t Count;
};

struct HitList {
    std::vector<BookHit> Hits;   // reserved once; no allocation per hit
    std::vector<HitBook> Books;
    uint32_t ArticleCount;       // articles with at least one hit
    bool Searched;               // false while the pattern is empty
};

// Room for this many hits is reserved at the first search: the hits of the
// book's most frequent letter.
constexpr uint32_t kReservedHits = 1u << 18;

// Lists every hit of pattern (letter code, NUL-terminated, as the stored
// pattern) in text, grouped by the index's books.
void FindAllHits(const BookText& text, const VerseIndex& index, const uint8_t* pattern, HitList* list);

// The status line: "12 hits in 3 articles", "1 hit in 1 article", "No hits",
// or nothing before a search.
std::string HitCountText(const HitList& list);

// Rows: each book's heading, then its hits.
struct HitRow {
    bool Heading;
    uint32_t Book;   // into list.Books
    uint32_t Hit;    // into list.Hits; a heading's is its book's first hit
};
uint32_t HitRowCount(const HitList& list);
HitRow HitRowAt(const HitList& list, uint32_t row);
uint32_t RowOfHit(const HitList& list, uint32_t hit);

// The verse that holds the hit (its block's, or the nearest before it, or the
// article's first verse for a hit in its title).
VerseSpan HitVerse(const BookText& text, const VerseIndex& index, const BookHit& hit);
// The string that holds the hit, as offsets in its article.
struct HitString {
    uint16_t Start;
    uint16_t Length;
};
HitString StringHolding(const BookText& text, const BookHit& hit);
