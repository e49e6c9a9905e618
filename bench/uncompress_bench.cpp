// Decompression speed: UnCompress over more than 10 MB of article-shaped
// records, and LoadRecord over every record of the built book (when the book's
// records are in the build's generated/records/, written by book_records).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/synthetic_book_text.h"
#include "tools/palmdoc/palmdoc_compressor.h"

namespace {

constexpr size_t kCorpusSize = 10u << 20;

struct CompressedArticle {
    std::vector<uint8_t> Data;
    uint32_t UncompressedLength;
};

struct Corpus {
    std::vector<CompressedArticle> Articles;
    size_t UncompressedBytes = 0;
    size_t CompressedBytes = 0;
    size_t GreedyCompressedBytes = 0;   // the same articles compressed greedily
};

// Articles of 40 bytes up to the book's largest (28,259), skewed to the small
// side like the book's, until the corpus passes 10 MB.
const Corpus& SyntheticCorpus() {
    static const Corpus corpus = [] {
        Corpus built;
        for (uint32_t seed = 1; built.UncompressedBytes < kCorpusSize; ++seed) {
            size_t size = 40 + (uint64_t(seed) * 2654435761u % 28220) * (seed % 3 + 1) / 3;
            std::vector<uint8_t> text = MakeSyntheticArticle(seed, size);
            built.Articles.push_back({CompressPalmDoc(text.data(), text.size()), uint32_t(text.size())});
            built.UncompressedBytes += text.size();
            built.CompressedBytes += built.Articles.back().Data.size();
            built.GreedyCompressedBytes += CompressPalmDocGreedy(text.data(), text.size()).size();
        }
        return built;
    }();
    return corpus;
}

void UnCompressSyntheticArticles(benchmark::State& state) {
    const Corpus& corpus = SyntheticCorpus();
    for (auto _ : state) {
        for (const CompressedArticle& article : corpus.Articles) {
            CompressedData descriptor{article.Data.data(), uint32_t(article.Data.size()),
                                      article.UncompressedLength};
            uint8_t* buffer = UnCompress(&descriptor, nullptr);
            benchmark::DoNotOptimize(buffer);
            PlainFree(buffer);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(corpus.UncompressedBytes));
    state.counters["articles"] = double(corpus.Articles.size());
    state.counters["ratio"] = double(corpus.CompressedBytes) / double(corpus.UncompressedBytes);
    state.counters["greedy_ratio"] = double(corpus.GreedyCompressedBytes) / double(corpus.UncompressedBytes);
}
BENCHMARK(UnCompressSyntheticArticles)->Unit(benchmark::kMillisecond);

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void LoadEveryRecordOfTheBook(benchmark::State& state) {
    ScopedFakePorts ports;
    std::vector<int> numbers;
    size_t decompressed = 0;
    auto add = [&](int number) {
        char name[32];
        std::snprintf(name, sizeof name, "/%d.bin", number + kRecordIdBase);
        std::vector<uint8_t> record = ReadFile(ORVENDEL_BINARY_DIR "/generated/records" + std::string(name));
        if (record.size() < 10) return;
        decompressed += size_t(record[8]) << 8 | record[9];   // u
        ports.Records.Records[uint16_t(number + kRecordIdBase)] = std::move(record);
        numbers.push_back(number);
    };
    for (int number = 1; number <= kArticleCount; ++number) add(number);
    add(kContentsRecordNumber);
    if (numbers.size() != kArticleCount + 1) {
        state.SkipWithError("the book's records are not built (cmake --build <dir> --target book_records)");
        return;
    }
    for (auto _ : state) {
        for (int number : numbers) {
            uint8_t* buffer = LoadRecord(number, nullptr);
            if (!buffer) {
                state.SkipWithError("a record of the book does not load");
                return;
            }
            PlainFree(buffer);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(decompressed));
    state.counters["records"] = double(numbers.size());
}
BENCHMARK(LoadEveryRecordOfTheBook)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
