#include "verses/book_hits.h"

#include <algorithm>
#include <cstring>

#include "platform/allocation.h"
#include "platform/record_source.h"
#include "search/article_search.h"
#include "search/wildcard_match.h"
#include "store/record_loader.h"
#include "verses/article_verses.h"

namespace {

// Room for the decompressed book (1.8 MB), so that reading it copies each
// article once.
constexpr size_t kBookTextReserve = size_t(2) << 20;

// One string of an article: its text from Start up to End, exclusive.
struct StringBounds {
    uint32_t Start;
    uint32_t End;
};

// Calls visit for each string of the article's size bytes, in buffer order,
// as the search's string list has them, until visit returns false.
template <typename Visit>
void ForEachString(const uint8_t* bytes, uint32_t size, Visit visit) {
    uint32_t at = 0;
    while (at + 2 <= size && bytes[at] != 0) {
        const void* zero = std::memchr(bytes + at + 2, 0, size - (at + 2));
        const uint32_t end = zero ? uint32_t(static_cast<const uint8_t*>(zero) - bytes) : size;
        if (!visit(StringBounds{at + 2, end})) return;
        at = end + 1;
    }
}

// The hits of one string, from its last character down: each search goes on
// just below the hit before, as Search Again does, and a hit that begins the
// string ends it.
void AddStringHits(const uint8_t* bytes, StringBounds string, uint16_t article, const uint8_t* pattern,
                   std::vector<BookHit>* hits) {
    if (string.End == string.Start) return;
    const uint8_t* first = bytes + string.Start;
    uint32_t from = string.End - 1;
    for (;;) {
        int32_t length = 0;
        const uint8_t* hit = MatchBackward(first, pattern, bytes + from, &length);
        if (!hit) return;
        const uint32_t last = uint32_t(hit - bytes);
        hits->push_back(BookHit{article, uint16_t(last), uint16_t(length)});
        const uint32_t matchStart = last + 1 - uint32_t(length);
        if (matchStart <= string.Start) return;
        from = matchStart - 1;
    }
}

uint8_t BookOfArticle(const VerseIndex& index, uint16_t article) {
    return article <= index.Articles.size() ? index.Articles[article - 1].Book : 0;
}

}  // namespace

bool LoadBookText(BookText* text) {
    *text = BookText{};
    text->Bytes.reserve(kBookTextReserve);
    text->Starts.reserve(kArticleCount + 1);
    for (int number = 1; number <= kArticleCount; ++number) {
        uint32_t length = 0;
        uint8_t* article = LoadRecord(number, nullptr, &length);
        if (!article) {
            *text = BookText{};
            return false;
        }
        text->Starts.push_back(uint32_t(text->Bytes.size()));
        text->Bytes.insert(text->Bytes.end(), article, article + length + kRecordTerminators);
        PlainFree(article);
    }
    text->Starts.push_back(uint32_t(text->Bytes.size()));
    return true;
}

const uint8_t* ArticleTextOf(const BookText& text, uint16_t article) {
    return text.Bytes.data() + text.Starts[article - 1];
}

uint32_t ArticleSizeOf(const BookText& text, uint16_t article) {
    return text.Starts[article] - text.Starts[article - 1];
}

void FindAllHits(const BookText& text, const VerseIndex& index, const uint8_t* pattern, HitList* list) {
    if (list->Hits.capacity() < kReservedHits) list->Hits.reserve(kReservedHits);
    list->Hits.clear();
    list->Books.clear();
    list->ArticleCount = 0;
    list->Searched = pattern[0] != 0;
    if (!list->Searched || text.Starts.empty()) return;
    for (uint16_t article = 1; article < text.Starts.size(); ++article) {
        const uint8_t* bytes = ArticleTextOf(text, article);
        const uint32_t size = ArticleSizeOf(text, article);
        if (!MayHoldPattern(bytes, size, pattern)) continue;
        const size_t before = list->Hits.size();
        ForEachString(bytes, size, [&](StringBounds string) {
            AddStringHits(bytes, string, article, pattern, &list->Hits);
            return true;
        });
        const uint32_t added = uint32_t(list->Hits.size() - before);
        if (added == 0) continue;
        ++list->ArticleCount;
        const uint8_t book = BookOfArticle(index, article);
        if (list->Books.empty() || list->Books.back().Book != book)
            list->Books.push_back(HitBook{book, uint32_t(before), 0});
        list->Books.back().Count += added;
    }
}

std::string HitCountText(const HitList& list) {
    if (!list.Searched) return std::string();
    const size_t hits = list.Hits.size();
    if (hits == 0) return "No hits";
    return std::to_string(hits) + (hits == 1 ? " hit in " : " hits in ") + std::to_string(list.ArticleCount) +
           (list.ArticleCount == 1 ? " article" : " articles");
}

uint32_t HitRowCount(const HitList& list) { return uint32_t(list.Hits.size() + list.Books.size()); }

HitRow HitRowAt(const HitList& list, uint32_t row) {
    // Book g's heading is row g + its first hit; the last heading at or
    // above the row is the row's book.
    if (list.Books.empty()) return HitRow{true, 0, 0};
    uint32_t low = 0, high = uint32_t(list.Books.size());
    while (high - low > 1) {
        const uint32_t middle = (low + high) / 2;
        if (middle + list.Books[middle].FirstHit <= row) low = middle; else high = middle;
    }
    const uint32_t heading = low + list.Books[low].FirstHit;
    if (row == heading) return HitRow{true, low, list.Books[low].FirstHit};
    return HitRow{false, low, row - low - 1};
}

uint32_t RowOfHit(const HitList& list, uint32_t hit) {
    const auto after = std::upper_bound(list.Books.begin(), list.Books.end(), hit,
                                        [](uint32_t h, const HitBook& book) { return h < book.FirstHit; });
    return hit + uint32_t(after - list.Books.begin());
}

VerseSpan HitVerse(const BookText& text, const VerseIndex& index, const BookHit& hit) {
    VerseSpan span{BookOfArticle(index, hit.Article), 0, 0, 0};
    if (hit.Article > index.Articles.size()) return span;
    const IndexedArticle& article = index.Articles[hit.Article - 1];
    span.Chapter = article.Chapter;
    span.FirstVerse = article.FirstVerse;
    for (const VerseBlock& block :
         ArticleVerseBlocks(ArticleTextOf(text, hit.Article), ArticleSizeOf(text, hit.Article))) {
        if (block.Start > hit.Last) break;
        span.FirstVerse = block.Verse;
    }
    span.LastVerse = span.FirstVerse;
    return span;
}

HitString StringHolding(const BookText& text, const BookHit& hit) {
    HitString found{0, 0};
    ForEachString(ArticleTextOf(text, hit.Article), ArticleSizeOf(text, hit.Article), [&](StringBounds string) {
        if (hit.Last >= string.End) return true;
        found = HitString{uint16_t(string.Start), uint16_t(string.End - string.Start)};
        return false;
    });
    return found;
}
