// Page draws of a long article on the recording fake device: at its top, at
// the end of its scroll range (the walk to the top line grows with the
// article), and with a search hit on the page.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_text_device.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
// About the size of the book's largest article (28 KB): 280 paragraphs of
// 100 bytes in right-to-left body blocks.
std::vector<TestBlock> LongArticle() {
    std::vector<TestBlock> blocks{{0xD1, 0, "abgd hwz"}};
    std::string paragraph;
    for (int word = 0; word < 20; ++word) paragraph += std::string(4, char('a' + word % 27)) + " ";
    for (int i = 0; i < 280; ++i) blocks.push_back({0xB1, 0, paragraph});
    return blocks;
}

class LongArticleView {
public:
    FakeTextDevice Device;
    ArticleView* View = nullptr;

    LongArticleView() {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
        const Rect rectangle{10, 10, 610, 810};
        FontSpec spec{};
        std::memcpy(spec.FontName, u"David CLM", sizeof(u"David CLM"));
        spec.FontSize = 12;
        spec.FontAsciiBase = kUnicodeBase;
        View = CreateArticleView(&Device, &rectangle, &spec, 100);
        LayoutArticle(View, NewArticle(LongArticle()), kReleasePrevious);
    }
    ~LongArticleView() {
        DestroyArticleView(View, kReleaseView);
        ClearAppSettings();
    }
    void Draw(benchmark::State& state) {
        for (auto _ : state) {
            Device.ClearRecording();
            benchmark::DoNotOptimize(DrawArticleView(View, kErase));
        }
        state.counters["lines"] = View->LinesDrawn;
        state.counters["runs"] = double(Device.Runs.size());
    }
};

void PageAtTheTop(benchmark::State& state) {
    LongArticleView article;
    article.View->TopLine = 0;
    article.Draw(state);
}
BENCHMARK(PageAtTheTop);

void PageAtTheEnd(benchmark::State& state) {
    LongArticleView article;
    article.View->TopLine = article.View->MaxTopLine;
    article.Draw(state);
    state.counters["top line"] = article.View->TopLine;
}
BENCHMARK(PageAtTheEnd);

void PageWithAHit(benchmark::State& state) {
    LongArticleView article;
    article.View->TopLine = article.View->MaxTopLine / 2;
    const ArticleLine& line = article.View->Lines[article.View->MaxTopLine / 3 + 4];
    article.View->MatchStart = line.Offset;
    article.View->MatchEnd = uint16_t(line.Offset + line.Length + 40);
    article.Draw(state);
}
BENCHMARK(PageWithAHit);
}  // namespace

BENCHMARK_MAIN();
