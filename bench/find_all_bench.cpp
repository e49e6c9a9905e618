// Figures for Find All over the built book: the whole-book hit list for a
// one-letter pattern, for "אלהים" and for words that stand once, beside the
// plain whole-book search (SearchBook with a pattern found nowhere, every
// article decompressed and searched) measured in the same run; reading the
// book's text once, as the dialog does when it opens; and the memory the
// list takes (bytes per hit, the list's and the text's bytes).
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "bench/built_book.h"
#include "search/book_search.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "tests/fakes/fake_text_device.h"
#include "verses/book_hits.h"
#include "verses/display_order.h"
#include "view/letter_codes.h"

namespace {

// Patterns in letter code and display order, as the field builds them.
const std::string kOneLetter = "j";                         // י
const std::string kElohim = TurnedOrder("amejn");           // אלהים
const std::string kOnce = TurnedOrder("byazj{ bya");        // בראשית ברא
const std::string kAbsent = "qzqzq";

struct FindAllBook {
    VerseIndex Index;
    BookText Text;
    bool Ready = false;
    FindAllBook() {
        Ready = TheBuiltBook().Complete && BuildVerseIndex(&Index) && LoadBookText(&Text);
    }
};
FindAllBook& TheFindAllBook() {
    static FindAllBook book;
    return book;
}

void BM_LoadBookText(benchmark::State& state) {
    if (!TheFindAllBook().Ready) return state.SkipWithError("no book in this build");
    size_t bytes = 0;
    for (auto _ : state) {
        BookText text;
        if (!LoadBookText(&text)) return state.SkipWithError("the book did not load");
        bytes = text.Bytes.capacity() + text.Starts.capacity() * sizeof(uint32_t);
        benchmark::DoNotOptimize(text);
    }
    state.counters["text_bytes"] = double(bytes);
}
BENCHMARK(BM_LoadBookText)->Unit(benchmark::kMillisecond);

void FindAll(benchmark::State& state, const std::string& pattern) {
    FindAllBook& book = TheFindAllBook();
    if (!book.Ready) return state.SkipWithError("no book in this build");
    HitList list{};
    for (auto _ : state) {
        FindAllHits(book.Text, book.Index, reinterpret_cast<const uint8_t*>(pattern.c_str()), &list);
        benchmark::DoNotOptimize(list.Hits.data());
    }
    state.counters["hits"] = double(list.Hits.size());
    state.counters["articles"] = double(list.ArticleCount);
    state.counters["bytes_per_hit"] = double(sizeof(BookHit));
    state.counters["list_bytes"] = double(list.Hits.capacity() * sizeof(BookHit) +
                                          list.Books.capacity() * sizeof(HitBook));
}
BENCHMARK_CAPTURE(FindAll, one_letter, kOneLetter)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, elohim, kElohim)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, once, kOnce)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, nowhere, kAbsent)->Unit(benchmark::kMillisecond);

// The baseline: one Search Again through the whole book finding nothing.
void BM_SearchBookWithoutAHit(benchmark::State& state) {
    if (!TheFindAllBook().Ready) return state.SkipWithError("no book in this build");
    FakeTextDevice device;
    ClearAppSettings();
    AppSettings.Font.FontAsciiBase = kLatinBase;
    AppSettings.Lesson = 1;
    int window = 0;
    if (ShowFirstArticle(&window, &device, Rect{0, 0, 600, 400}) != 0)
        return state.SkipWithError("article 1 does not show");
    std::memcpy(AppSettings.SearchString, kAbsent.c_str(), kAbsent.size() + 1);
    for (auto _ : state) {
        if (SearchBook(&window) != 0) return state.SkipWithError("the pattern was found");
        TheBuiltBook().Ports.Messages.Shown.clear();
    }
    DestroyArticleView(AppSettings.View, kReleaseView);
    ClearAppSettings();
}
BENCHMARK(BM_SearchBookWithoutAHit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
