// Figures for the verse index over the built book (generated/records/,
// written by book_records): building it from every article (each one
// decompressed and its title and verse blocks read), its memory, and reading
// a typed reference against it, with decompressing the book alone as the
// baseline of the build, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "verses/verse_reference.h"
#include "view/letter_codes.h"

namespace {
std::map<uint16_t, std::vector<uint8_t>> Records() {
    std::map<uint16_t, std::vector<uint8_t>> records;
    for (int number = 1; number <= kArticleCount; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "/%d.bin", number + kRecordIdBase);
        std::ifstream file(ORVENDEL_BINARY_DIR "/generated/records" + std::string(name), std::ios::binary);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (bytes.empty()) return {};
        records[uint16_t(number + kRecordIdBase)] = bytes;
    }
    return records;
}

struct Book {
    ScopedFakePorts Ports;
    bool Complete = false;
    Book() {
        Ports.Records.Records = Records();
        Complete = !Ports.Records.Records.empty();
    }
};
Book& TheBook() {
    static Book book;
    return book;
}

// The bytes the index holds: its records, names and per-chapter counts.
size_t IndexBytes(const VerseIndex& index) {
    size_t bytes = sizeof index + index.Articles.capacity() * sizeof(IndexedArticle) +
                   index.Books.capacity() * sizeof(IndexedBook);
    for (const IndexedBook& book : index.Books)
        bytes += book.Name.capacity() + book.VerseCounts.capacity() * sizeof(uint16_t);
    return bytes;
}

void BM_DecompressEveryArticle(benchmark::State& state) {
    if (!TheBook().Complete) return state.SkipWithError("no book in this build");
    for (auto _ : state) {
        for (int number = 1; number <= kArticleCount; ++number) {
            uint8_t* article = LoadRecord(number, nullptr);
            benchmark::DoNotOptimize(article);
            PlainFree(article);
        }
    }
}
BENCHMARK(BM_DecompressEveryArticle)->Unit(benchmark::kMillisecond);

void BM_BuildVerseIndex(benchmark::State& state) {
    if (!TheBook().Complete) return state.SkipWithError("no book in this build");
    size_t bytes = 0;
    for (auto _ : state) {
        VerseIndex index;
        if (!BuildVerseIndex(&index)) return state.SkipWithError("the book did not index");
        bytes = IndexBytes(index);
        benchmark::DoNotOptimize(index);
    }
    state.counters["index_bytes"] = double(bytes);
}
BENCHMARK(BM_BuildVerseIndex)->Unit(benchmark::kMillisecond);

void BM_ReadTypedReference(benchmark::State& state) {
    if (!TheBook().Complete) return state.SkipWithError("no book in this build");
    VerseIndex index;
    if (!BuildVerseIndex(&index)) return state.SkipWithError("the book did not index");
    const std::u16string typed = u"דברי הימים ב לו, כא-כג";
    for (auto _ : state) {
        ReferenceAnswer answer = ReadReference(index, typed.data(), typed.size(), kUnicodeBase);
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(BM_ReadTypedReference)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
