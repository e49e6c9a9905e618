#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "search/book_search.h"
#include "search/search_pattern.h"
#include "store/navigation.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/unit/built_book_records.h"
#include "verses/article_verses.h"
#include "verses/book_hits.h"
#include "verses/display_order.h"
#include "verses/verse_reference.h"
#include "view/letter_codes.h"

namespace {

// Letter codes in display order, as the field builds a pattern.
const std::string kDivineName = TurnedOrder("jefe");   // יהוה, often twice in a verse
const std::string kElohimWithOneLetterOpen = TurnedOrder("am?jn");   // אל?ים
const std::string kLordThenWordEnd = TurnedOrder("je*e ");            // from יה to the next ה before a space
const std::string kAbsent = "qzqzq";

class FindAll : public BuiltBookTest {
protected:
    void SetUp() override {
        BuiltBookTest::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(BuildVerseIndex(&index_));
        ASSERT_TRUE(LoadBookText(&text_));
        AppSettings.Font.FontAsciiBase = kLatinBase;
        AppSettings.MainWindow = &window_;
    }
    void TearDown() override {
        if (AppSettings.View) DestroyArticleView(AppSettings.View, kReleaseView);
        BuiltBookTest::TearDown();
    }

    const HitList& Find(const std::string& pattern) {
        FindAllHits(text_, index_, reinterpret_cast<const uint8_t*>(pattern.c_str()), &list_);
        return list_;
    }
    const uint8_t* Bytes(uint16_t article) const { return ArticleTextOf(text_, article); }

    // Where each Search Again stops, from the top of article 1 in a reader's
    // view, for count + 1 stops (the last one wraps round to the first hit).
    std::vector<BookHit> SearchAgainStops(const std::string& pattern, size_t count) {
        AppSettings.Lesson = 1;
        if (AppSettings.View) DestroyArticleView(AppSettings.View, kReleaseView);
        AppSettings.View = nullptr;
        EXPECT_EQ(ShowFirstArticle(&window_, &device_, Rect{0, 0, 600, 400}), 0);
        std::memset(AppSettings.SearchString, 0, sizeof AppSettings.SearchString);
        std::memcpy(AppSettings.SearchString, pattern.data(), pattern.size());
        std::vector<BookHit> stops;
        for (size_t k = 0; k <= count; ++k) {
            if (SearchBook(&window_) != kSearchHitShown) break;
            const ArticleView* view = AppSettings.View;
            stops.push_back(BookHit{AppSettings.Lesson, uint16_t(view->MatchEnd - 1),
                                    uint16_t(view->MatchEnd - view->MatchStart)});
            device_.ClearRecording();
        }
        return stops;
    }

    VerseIndex index_;
    BookText text_;
    HitList list_{};
    FakeTextDevice device_;
    int window_ = 0;
};

bool SameHit(const BookHit& a, const BookHit& b) {
    return a.Article == b.Article && a.Last == b.Last && a.Length == b.Length;
}

std::string Describe(const BookHit& hit) {
    return "article " + std::to_string(hit.Article) + " last " + std::to_string(hit.Last) + " length " +
           std::to_string(hit.Length);
}

}  // namespace

TEST_F(FindAll, ListIsWhereEachSearchAgainFromArticleOneStops) {
    // A hit at a string's first byte: the first bytes of Genesis 1:1 as stored.
    const VerseBlock firstVerse = ArticleVerseBlocks(Bytes(1), ArticleSizeOf(text_, 1)).front();
    const std::string stringStart(reinterpret_cast<const char*>(Bytes(1)) + firstVerse.Start, 4);

    for (const std::string& pattern : {kDivineName, kElohimWithOneLetterOpen, kLordThenWordEnd, stringStart}) {
        SCOPED_TRACE(pattern);
        const HitList& list = Find(pattern);
        ASSERT_FALSE(list.Hits.empty());
        const std::vector<BookHit> hits = list.Hits;
        const std::vector<BookHit> stops = SearchAgainStops(pattern, hits.size());
        ASSERT_EQ(stops.size(), hits.size() + 1);
        for (size_t k = 0; k < hits.size(); ++k)
            ASSERT_TRUE(SameHit(stops[k], hits[k])) << "stop " << k << ": " << Describe(stops[k]) << ", listed "
                                                    << Describe(hits[k]);
        EXPECT_TRUE(SameHit(stops.back(), hits.front())) << "after the last hit Search Again wraps to the first";
    }

    // The cases the walk must get right were met on the way.
    const HitList& atStart = Find(stringStart);
    EXPECT_TRUE(std::any_of(atStart.Hits.begin(), atStart.Hits.end(), [&](const BookHit& hit) {
        return hit.Article == 1 && hit.Last + 1 - hit.Length == firstVerse.Start;
    }));
    const HitList& divine = Find(kDivineName);
    bool twoInOneString = false;
    for (size_t k = 1; k < divine.Hits.size(); ++k) {
        const BookHit& a = divine.Hits[k - 1];
        const BookHit& b = divine.Hits[k];
        if (a.Article == b.Article && StringHolding(text_, a).Start == StringHolding(text_, b).Start) {
            EXPECT_GT(a.Last, b.Last) << "the first in reading order lies higher in storage";
            twoInOneString = true;
        }
    }
    EXPECT_TRUE(twoInOneString);
    const HitList& spans = Find(kLordThenWordEnd);
    EXPECT_TRUE(std::any_of(spans.Hits.begin(), spans.Hits.end(),
                            [](const BookHit& hit) { return hit.Length > kLordThenWordEnd.size(); }));
}

TEST_F(FindAll, RowsCountAndNameEveryHit) {
    const HitList& list = Find(kDivineName);
    ASSERT_GT(list.Books.size(), 1u);
    uint32_t sum = 0;
    for (size_t b = 0; b < list.Books.size(); ++b) {
        const HitBook& book = list.Books[b];
        EXPECT_EQ(book.FirstHit, sum);
        if (b > 0) {
            EXPECT_GT(book.Book, list.Books[b - 1].Book);
        }
        for (uint32_t h = book.FirstHit; h < book.FirstHit + book.Count; ++h)
            ASSERT_EQ(index_.Articles[list.Hits[h].Article - 1].Book, book.Book);
        sum += book.Count;
    }
    EXPECT_EQ(sum, list.Hits.size());
    EXPECT_EQ(HitRowCount(list), list.Hits.size() + list.Books.size());
    uint32_t headings = 0;
    for (uint32_t row = 0; row < HitRowCount(list); ++row) {
        const HitRow r = HitRowAt(list, row);
        if (r.Heading) {
            ASSERT_EQ(r.Book, headings++);
            continue;
        }
        ASSERT_EQ(r.Hit, row - headings);
        ASSERT_EQ(RowOfHit(list, r.Hit), row);
    }
    EXPECT_EQ(HitCountText(list), std::to_string(list.Hits.size()) + " hits in " +
                                      std::to_string(list.ArticleCount) + " articles");

    // The first occurrence of the name is Genesis 2:4, in the verse's string.
    const BookHit& first = list.Hits.front();
    EXPECT_EQ(FormatReference(index_, HitVerse(text_, index_, first)), "byazj{ b, d");
    const HitString string = StringHolding(text_, first);
    EXPECT_LE(string.Start, first.Last + 1 - first.Length);
    EXPECT_LT(first.Last, string.Start + string.Length);

    // The field empty, nothing found, one hit.
    EXPECT_EQ(HitCountText(Find("")), "");
    EXPECT_EQ(HitRowCount(list_), 0u);
    EXPECT_EQ(HitCountText(Find(kAbsent)), "No hits");
    EXPECT_EQ(HitRowCount(list_), 0u);
    // The verse's number and first words, "א בראשית ברא", stand once in the book.
    const VerseBlock genesisOne = ArticleVerseBlocks(Bytes(1), ArticleSizeOf(text_, 1)).front();
    const std::string once(reinterpret_cast<const char*>(Bytes(1)) + genesisOne.Start + genesisOne.Length - 12, 12);
    EXPECT_EQ(HitCountText(Find(once)), "1 hit in 1 article");
    EXPECT_EQ(HitRowCount(list_), 2u);
    EXPECT_TRUE(HitRowAt(list_, 0).Heading);
    EXPECT_FALSE(HitRowAt(list_, 1).Heading);
}
