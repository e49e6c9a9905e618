// How the book's chapters are divided into its numbered articles.
#pragma once
#include <cstddef>
#include <vector>

#include "tools/book/book_source.h"

// A run of verses of one chapter; indices into the source, verses inclusive.
struct ArticleRange {
    size_t Book;
    size_t Chapter;
    size_t FirstVerse;
    size_t LastVerse;
};

bool IsWholeChapter(const std::vector<SourceBook>& books, const ArticleRange& article);

// One article per chapter to start with; then, while there are fewer than
// count, the article with the most body bytes (the earliest of equals) that has
// more than one verse is split in two: at the paragraph end closest to the
// middle of its body, or at the verse boundary closest to the middle when it
// holds no paragraph end (the earlier of two equally close places). Articles
// never cross a chapter and are returned in reading order. Throws
// std::runtime_error when the book has more chapters than count or too few
// verses to reach it.
std::vector<ArticleRange> DivideIntoArticles(const std::vector<SourceBook>& books, size_t count);
