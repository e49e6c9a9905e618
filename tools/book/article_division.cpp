#include "tools/book/article_division.h"

#include <cstdint>
#include <stdexcept>

#include "tools/book/article_markup.h"

namespace {
struct SizedArticle {
    ArticleRange Range;
    size_t BodyBytes;
};

const SourceChapter& ChapterOf(const std::vector<SourceBook>& books, const ArticleRange& range) {
    return books[range.Book].Chapters[range.Chapter];
}

size_t BodyBytes(const std::vector<SourceBook>& books, const ArticleRange& range) {
    const SourceChapter& chapter = ChapterOf(books, range);
    size_t bytes = 0;
    for (size_t v = range.FirstVerse; v <= range.LastVerse; ++v) bytes += VerseBlockSize(chapter.Verses[v]);
    return bytes;
}

// The verse after which the article is split: the candidate whose end lies
// closest to the middle of the body, paragraph ends first.
size_t SplitAfter(const std::vector<SourceBook>& books, const SizedArticle& article) {
    const SourceChapter& chapter = ChapterOf(books, article.Range);
    size_t best = SIZE_MAX;
    bool bestEndsParagraph = false;
    uint64_t bestDistance = UINT64_MAX;
    size_t end = 0;
    for (size_t v = article.Range.FirstVerse; v < article.Range.LastVerse; ++v) {
        end += VerseBlockSize(chapter.Verses[v]);
        // Twice the distance, so that an odd body has an exact middle.
        const uint64_t distance = 2 * end > article.BodyBytes ? 2 * end - article.BodyBytes
                                                               : article.BodyBytes - 2 * end;
        const bool endsParagraph = chapter.Verses[v].EndsParagraph;
        if (endsParagraph && !bestEndsParagraph) {
            best = v;
            bestDistance = distance;
            bestEndsParagraph = true;
        } else if (endsParagraph == bestEndsParagraph && distance < bestDistance) {
            best = v;
            bestDistance = distance;
        }
    }
    return best;
}
}  // namespace

bool IsWholeChapter(const std::vector<SourceBook>& books, const ArticleRange& article) {
    return article.FirstVerse == 0 && article.LastVerse + 1 == ChapterOf(books, article).Verses.size();
}

std::vector<ArticleRange> DivideIntoArticles(const std::vector<SourceBook>& books, size_t count) {
    std::vector<SizedArticle> articles;
    for (size_t b = 0; b < books.size(); ++b) {
        for (size_t c = 0; c < books[b].Chapters.size(); ++c) {
            const ArticleRange range{b, c, 0, books[b].Chapters[c].Verses.size() - 1};
            articles.push_back({range, BodyBytes(books, range)});
        }
    }
    if (articles.size() > count) throw std::runtime_error("the book has more chapters than articles");

    while (articles.size() < count) {
        size_t largest = SIZE_MAX;
        for (size_t i = 0; i < articles.size(); ++i) {
            const SizedArticle& article = articles[i];
            if (article.Range.FirstVerse == article.Range.LastVerse) continue;
            if (largest == SIZE_MAX || article.BodyBytes > articles[largest].BodyBytes) largest = i;
        }
        if (largest == SIZE_MAX) throw std::runtime_error("too few verses to make the articles");

        const size_t splitAfter = SplitAfter(books, articles[largest]);
        ArticleRange first = articles[largest].Range;
        ArticleRange second = first;
        first.LastVerse = splitAfter;
        second.FirstVerse = splitAfter + 1;
        articles[largest] = {first, BodyBytes(books, first)};
        articles.insert(articles.begin() + largest + 1, SizedArticle{second, BodyBytes(books, second)});
    }

    std::vector<ArticleRange> ranges;
    ranges.reserve(articles.size());
    for (const SizedArticle& article : articles) ranges.push_back(article.Range);
    return ranges;
}
