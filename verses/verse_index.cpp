#include "verses/verse_index.h"

#include <memory>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "verses/article_verses.h"

namespace {
std::unique_ptr<VerseIndex> BuiltIndex;
bool BuildFailed = false;

// Adds one article's chapter and verses; they must follow the verses before
// them without a gap, as the book is read in order.
bool AddArticle(VerseIndex* index, const ArticleHeading& heading, const std::vector<VerseBlock>& verses) {
    if (verses.empty()) return false;
    if (index->Books.empty() || index->Books.back().Name != heading.BookName) {
        if (index->Books.size() >= 0xFF) return false;
        index->Books.push_back(IndexedBook{heading.BookName, {}});
    }
    IndexedBook& book = index->Books.back();
    std::vector<uint16_t>& counts = book.VerseCounts;
    if (heading.Chapter == counts.size() + 1 && counts.size() < 0xFF) {
        counts.push_back(0);
    } else if (heading.Chapter != counts.size()) {
        return false;
    }
    for (const VerseBlock& block : verses) {
        if (block.Verse != counts.back() + 1) return false;
        counts.back() = block.Verse;
    }
    index->Articles.push_back(IndexedArticle{uint8_t(index->Books.size() - 1), uint8_t(heading.Chapter),
                                             verses.front().Verse, verses.back().Verse});
    index->VerseCount += uint32_t(verses.size());
    return true;
}

bool AddRecord(VerseIndex* index, int number) {
    uint32_t length = 0;
    uint8_t* article = LoadRecord(number, nullptr, &length);
    if (!article) return false;
    const uint32_t size = length + kRecordTerminators;
    ArticleHeading heading;
    const bool added = ReadArticleHeading(article, size, &heading) &&
                       AddArticle(index, heading, ArticleVerseBlocks(article, size));
    PlainFree(article);
    return added;
}
}  // namespace

bool BuildVerseIndex(VerseIndex* index) {
    *index = VerseIndex{};
    index->Articles.reserve(kArticleCount);
    for (int number = 1; number <= kArticleCount; ++number) {
        if (!AddRecord(index, number)) {
            *index = VerseIndex{};
            return false;
        }
    }
    return true;
}

const VerseIndex* BookVerseIndex() {
    if (!BuiltIndex && !BuildFailed) {
        auto index = std::make_unique<VerseIndex>();
        if (BuildVerseIndex(index.get()))
            BuiltIndex = std::move(index);
        else
            BuildFailed = true;
    }
    return BuiltIndex.get();
}

uint16_t ArticleHoldingVerse(const VerseIndex& index, uint8_t book, uint8_t chapter, uint16_t verse) {
    for (size_t i = 0; i < index.Articles.size(); ++i) {
        const IndexedArticle& article = index.Articles[i];
        if (article.Book == book && article.Chapter == chapter && verse >= article.FirstVerse &&
            verse <= article.LastVerse)
            return uint16_t(i + 1);
    }
    return 0;
}

uint16_t ChapterVerseCount(const VerseIndex& index, uint8_t book, uint8_t chapter) {
    if (book >= index.Books.size() || chapter < 1) return 0;
    const std::vector<uint16_t>& counts = index.Books[book].VerseCounts;
    return chapter <= counts.size() ? counts[chapter - 1] : 0;
}
