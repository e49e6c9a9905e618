// Where every verse of the book lies: its books with the verses of each
// chapter, and the chapter and verses each article holds, read from the
// articles themselves (the title names book and chapter, each verse block
// carries its number). Names are letter codes in reading order.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A verse or a run of verses of one chapter. Book is an index into the
// index's books; chapters and verses count from 1.
struct VerseSpan {
    uint8_t Book;
    uint8_t Chapter;
    uint16_t FirstVerse;
    uint16_t LastVerse;
};

struct IndexedBook {
    std::string Name;                   // "byazj{", "zoeya b"
    std::vector<uint16_t> VerseCounts;  // per chapter
};

struct IndexedArticle {
    uint8_t Book;
    uint8_t Chapter;
    uint16_t FirstVerse;
    uint16_t LastVerse;
};

struct VerseIndex {
    std::vector<IndexedBook> Books;
    std::vector<IndexedArticle> Articles;   // article n at n - 1
    uint32_t VerseCount;
};

// Reads every article through the record source. False (the index left
// empty) when an article cannot be had or does not read as the book's.
bool BuildVerseIndex(VerseIndex* index);

// The book's index, built on first use; null when the book cannot be read.
const VerseIndex* BookVerseIndex();

// The article holding the verse, or 0.
uint16_t ArticleHoldingVerse(const VerseIndex& index, uint8_t book, uint8_t chapter, uint16_t verse);
// The verses a chapter has, or 0 when there is no such chapter.
uint16_t ChapterVerseCount(const VerseIndex& index, uint8_t book, uint8_t chapter);
