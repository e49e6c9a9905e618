// Lays out every article of the book at three view widths on the fake device
// and reports lines per second; one iteration is the whole book, which must
// stay well under a second.
//
// The records are read as the book builder wrote them,
// <generated>/records/<identifier>.bin, where <generated> is
// $ORVENDEL_GENERATED_DIR or this build's generated/ directory, and are
// decompressed by the record loader. Without them the benchmark lays out a
// synthetic book of the same shape and says so in its label.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_text_device.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
constexpr int32_t kViewHeight = 560;

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::vector<uint8_t> data;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return data;
    uint8_t chunk[8192];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) data.insert(data.end(), chunk, chunk + n);
    std::fclose(in);
    return data;
}

// A book of the real one's shape: a title, a subtitle and about nine
// right-to-left paragraphs of letter-code words per article.
std::vector<uint8_t*> SyntheticBook() {
    std::vector<uint8_t*> articles;
    uint32_t seed = 1705;
    auto next = [&seed]() { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int number = 1; number <= kArticleCount; ++number) {
        std::vector<TestBlock> blocks{{0xD1, 0, "bra{it"}, {0xD2, 0, "pxq a"}};
        const int paragraphs = 4 + int(next() % 10);
        for (int p = 0; p < paragraphs; ++p) {
            std::string text;
            const int words = 8 + int(next() % 30);
            for (int w = 0; w < words; ++w) {
                if (w) text += ' ';
                const int letters = 2 + int(next() % 6);
                for (int l = 0; l < letters; ++l) text += char(0x61 + next() % 27);
            }
            blocks.push_back({0xB1, 0, text});
        }
        articles.push_back(NewArticle(blocks));
    }
    return articles;
}

struct Book {
    std::vector<uint8_t*> Articles;
    std::string Source;

    Book() {
        const char* generated = std::getenv("ORVENDEL_GENERATED_DIR");
        const std::string directory =
            (generated ? std::string(generated) : std::string(ORVENDEL_BINARY_DIR) + "/generated") + "/records/";
        ScopedFakePorts ports;
        for (int number = 1; number <= kArticleCount; ++number) {
            const uint16_t identifier = uint16_t(kRecordIdBase + number);
            std::vector<uint8_t> record = ReadFile(directory + std::to_string(identifier) + ".bin");
            if (record.empty()) break;
            ports.Records.Records[identifier] = std::move(record);
            uint8_t* article = LoadRecord(number, nullptr);
            if (!article) break;
            Articles.push_back(article);
        }
        if (int(Articles.size()) == kArticleCount) {
            Source = "book records";
            return;
        }
        for (uint8_t* article : Articles) PlainFree(article);
        Articles = SyntheticBook();
        Source = "synthetic book (no records in " + directory + ")";
    }
    ~Book() {
        for (uint8_t* article : Articles) PlainFree(article);
    }
};

const Book& TheBook() {
    static Book book;
    return book;
}

void WholeBook(benchmark::State& state) {
    const Book& book = TheBook();
    ClearAppSettings();
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    FakeTextDevice device;
    const int32_t width = int32_t(state.range(0));
    const Rect rectangle{10, 10, 10 + width, 10 + kViewHeight};
    const FontSpec spec = TestFontSpec(u"David CLM", 12);
    ArticleView* view = CreateArticleView(&device, &rectangle, &spec, 100);

    int64_t lines = 0;
    int64_t measurements = 0;
    for (auto _ : state) {
        device.MeasureCalls = 0;
        for (uint8_t* article : book.Articles) {
            // The view borrows each article; the book keeps them.
            if (LayoutArticle(view, article, kKeepPrevious) != kLayoutDone)
                state.SkipWithError("layout failed");
            lines += view->LineCount;
        }
        measurements += device.MeasureCalls;
    }
    view->Text = nullptr;
    DestroyArticleView(view, kReleaseView);
    ClearAppSettings();

    state.SetLabel(book.Source);
    state.counters["lines"] = benchmark::Counter(double(lines), benchmark::Counter::kIsRate);
    state.counters["lines/book"] = double(lines) / double(state.iterations());
    state.counters["measures/line"] = double(measurements) / double(lines);
}
BENCHMARK(WholeBook)->Arg(300)->Arg(600)->Arg(1200)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
