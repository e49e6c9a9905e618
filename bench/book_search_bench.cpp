// Figures for the search through the built book (generated/records/, written
// by book_records), each against its baseline measured in the same run:
//  - UnCompress of every article against a plain PalmDoc byte loop written
//    here from the container format (both allocating u + 2 bytes per record);
//  - SearchBook with a pattern that occurs nowhere (every article but the
//    current one decompressed and searched, "Not Found!" at the end) against
//    grep -F -c over the same decompressed text written to a file;
//  - Find All's whole-book hit list for a one-letter pattern, "אלהים", words
//    that stand once and a word found nowhere, against that SearchBook, with
//    the list's memory; and reading the book's text once, as the Find All
//    dialog does when it opens.
// The ratios are printed after the benchmarks.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "search/book_search.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_text_device.h"
#include "verses/book_hits.h"
#include "verses/display_order.h"
#include "view/letter_codes.h"

extern char** environ;

namespace {

// A pattern in letter code that the book does not hold.
const char kAbsentPattern[] = "qzqzq";

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Book {
    std::map<uint16_t, std::vector<uint8_t>> Records;   // by identifier
    std::vector<CompressedData> Articles;               // into Records
    size_t DecompressedBytes = 0;
    std::string TextFile;                               // every article's bytes, one after another
    bool Complete = false;
};

const Book& TheBook() {
    static const Book book = [] {
        Book b;
        for (int number = 1; number <= kArticleCount; ++number) {
            char name[32];
            std::snprintf(name, sizeof name, "/%d.bin", number + kRecordIdBase);
            std::vector<uint8_t> record = ReadFile(ORVENDEL_BINARY_DIR "/generated/records" + std::string(name));
            if (record.size() < 14) return b;
            b.Records[uint16_t(number + kRecordIdBase)] = std::move(record);
        }
        std::string text;
        for (auto& entry : b.Records) {
            const std::vector<uint8_t>& r = entry.second;
            CompressedData d{r.data() + 10, uint32_t(r[6]) << 8 | r[7], uint32_t(r[8]) << 8 | r[9]};
            b.Articles.push_back(d);
            b.DecompressedBytes += d.UncompressedLength;
            uint8_t* bytes = UnCompress(&d, nullptr);
            text.append(reinterpret_cast<const char*>(bytes), d.UncompressedLength);
            PlainFree(bytes);
        }
        b.TextFile = (std::string(P_tmpdir) + "/orvendel_book_text.bin");
        std::ofstream(b.TextFile, std::ios::binary).write(text.data(), std::streamsize(text.size()));
        b.Complete = true;
        return b;
    }();
    return book;
}

// The baseline: the PalmDoc token stream decoded with one plain loop, a byte
// at a time, checking only what keeps it inside its buffers.
uint8_t* PlainByteLoop(const CompressedData& d) {
    const uint32_t u = d.UncompressedLength;
    uint8_t* out = static_cast<uint8_t*>(std::malloc(u + 2));
    if (!out) return nullptr;
    const uint8_t* in = d.Data;
    uint32_t i = 0, o = 0;
    while (i < d.CompressedLength && o < u) {
        uint32_t c = in[i++];
        if (c >= 1 && c <= 8) {
            while (c-- && i < d.CompressedLength && o < u) out[o++] = in[i++];
        } else if (c < 0x80) {
            out[o++] = uint8_t(c);
        } else if (c >= 0xC0) {
            out[o++] = ' ';
            if (o < u) out[o++] = uint8_t(c ^ 0x80);
        } else if (i < d.CompressedLength) {
            c = (c << 8) | in[i++];
            uint32_t distance = (c & 0x3FFF) >> 3;
            uint32_t n = (c & 7) + 3;
            if (distance == 0 || distance > o) break;
            while (n-- && o < u) {
                out[o] = out[o - distance];
                ++o;
            }
        }
    }
    if (o != u) {
        std::free(out);
        return nullptr;
    }
    out[u] = 0;
    out[u + 1] = 0;
    return out;
}

void ReferenceByteLoop(benchmark::State& state) {
    const Book& book = TheBook();
    if (!book.Complete) return state.SkipWithError("the book's records are not built");
    for (auto _ : state) {
        for (const CompressedData& d : book.Articles) {
            uint8_t* bytes = PlainByteLoop(d);
            benchmark::DoNotOptimize(bytes);
            std::free(bytes);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(book.DecompressedBytes));
}
BENCHMARK(ReferenceByteLoop)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void UnCompressEveryArticle(benchmark::State& state) {
    const Book& book = TheBook();
    if (!book.Complete) return state.SkipWithError("the book's records are not built");
    for (auto _ : state) {
        for (const CompressedData& d : book.Articles) {
            uint8_t* bytes = UnCompress(&d, nullptr);
            benchmark::DoNotOptimize(bytes);
            PlainFree(bytes);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(book.DecompressedBytes));
}
BENCHMARK(UnCompressEveryArticle)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void SearchBookWithoutAHit(benchmark::State& state) {
    const Book& book = TheBook();
    if (!book.Complete) return state.SkipWithError("the book's records are not built");
    ScopedFakePorts ports;
    for (const auto& entry : book.Records) ports.Records.Records[entry.first] = entry.second;
    FakeTextDevice device;
    ClearAppSettings();
    AppSettings.Font.FontAsciiBase = kLatinBase;
    AppSettings.Lesson = 1;
    int window = 0;
    if (ShowFirstArticle(&window, &device, Rect{0, 0, 600, 400}) != 0)
        return state.SkipWithError("article 1 does not show");
    std::memcpy(AppSettings.SearchString, kAbsentPattern, sizeof kAbsentPattern);
    for (auto _ : state) {
        if (SearchBook(&window) != 0) return state.SkipWithError("the pattern was found");
        ports.Messages.Shown.clear();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(book.DecompressedBytes));
    DestroyArticleView(AppSettings.View, kReleaseView);
    ClearAppSettings();
}
BENCHMARK(SearchBookWithoutAHit)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// One grep process per iteration, as a user would run it; its count must be 0.
void GrepCountOverTheText(benchmark::State& state) {
    const Book& book = TheBook();
    if (!book.Complete) return state.SkipWithError("the book's records are not built");
    double childCpuSeconds = 0;
    for (auto _ : state) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) return state.SkipWithError("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        char grep[] = "grep", f[] = "-F", c[] = "-c";
        std::string pattern = kAbsentPattern, file = book.TextFile;
        char* argv[] = {grep, f, c, pattern.data(), file.data(), nullptr};
        pid_t pid = 0;
        const int spawned = posix_spawnp(&pid, "grep", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        char output[32] = {};
        const ssize_t got = read(pipeFds[0], output, sizeof output - 1);
        close(pipeFds[0]);
        int status = 0;
        struct rusage usage {};
        if (spawned == 0) wait4(pid, &status, 0, &usage);
        childCpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        if (spawned != 0 || got <= 0 || std::strncmp(output, "0", 1) != 0)
            return state.SkipWithError("grep -F -c did not run or found the pattern");
    }
    // The process's own processor time (user and system), to set beside the
    // search's on a busy machine where wall time is noisy.
    state.counters["grep_cpu_ms"] = 1000.0 * childCpuSeconds / double(state.iterations());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(book.DecompressedBytes));
}
BENCHMARK(GrepCountOverTheText)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Find All's patterns in letter code and display order, as its field builds them.
const std::string kOneLetter = "j";                    // י
const std::string kElohim = TurnedOrder("amejn");      // אלהים
const std::string kOnce = TurnedOrder("byazj{ bya");   // בראשית ברא

// What Find All searches: the book's text, read once, and its verse index.
struct FindAllBook {
    VerseIndex Index;
    BookText Text;
    bool Ready = false;
    FindAllBook() {
        if (!TheBook().Complete) return;
        ScopedFakePorts ports;
        ports.Records.Records = TheBook().Records;
        Ready = BuildVerseIndex(&Index) && LoadBookText(&Text);
    }
};
const FindAllBook& TheFindAllBook() {
    static const FindAllBook book;
    return book;
}

void LoadBookTextOnce(benchmark::State& state) {
    if (!TheFindAllBook().Ready) return state.SkipWithError("the book's records are not built");
    ScopedFakePorts ports;
    ports.Records.Records = TheBook().Records;
    size_t bytes = 0;
    for (auto _ : state) {
        BookText text;
        if (!LoadBookText(&text)) return state.SkipWithError("the book did not load");
        bytes = text.Bytes.capacity() + text.Starts.capacity() * sizeof(uint32_t);
        benchmark::DoNotOptimize(text.Bytes.data());
    }
    state.counters["text_bytes"] = double(bytes);
}
BENCHMARK(LoadBookTextOnce)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void FindAll(benchmark::State& state, const std::string& pattern) {
    const FindAllBook& book = TheFindAllBook();
    if (!book.Ready) return state.SkipWithError("the book's records are not built");
    HitList list{};
    for (auto _ : state) {
        FindAllHits(book.Text, book.Index, reinterpret_cast<const uint8_t*>(pattern.c_str()), &list);
        benchmark::DoNotOptimize(list.Hits.data());
    }
    state.counters["hits"] = double(list.Hits.size());
    state.counters["bytes_per_hit"] = double(sizeof(BookHit));
    state.counters["list_bytes"] = double(list.Hits.capacity() * sizeof(BookHit) +
                                          list.Books.capacity() * sizeof(HitBook));
}
BENCHMARK_CAPTURE(FindAll, one_letter, kOneLetter)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(FindAll, elohim, kElohim)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(FindAll, once, kOnce)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(FindAll, nowhere, std::string(kAbsentPattern))->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Milliseconds;      // wall time
    std::map<std::string, double> CpuMilliseconds;   // processor time
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            Milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
            auto grepCpu = run.counters.find("grep_cpu_ms");
            CpuMilliseconds[run.benchmark_name()] =
                grepCpu != run.counters.end() ? double(grepCpu->second) : run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto time = [](const std::map<std::string, double>& times, const char* name) {
        auto it = times.find(std::string(name) + "/min_time:1.000");
        if (it == times.end()) it = times.find(name);
        return it == times.end() ? 0.0 : it->second;
    };
    for (const auto* times : {&reporter.Milliseconds, &reporter.CpuMilliseconds}) {
        const char* kind = times == &reporter.Milliseconds ? "wall" : "processor";
        const double loop = time(*times, "ReferenceByteLoop");
        const double uncompress = time(*times, "UnCompressEveryArticle");
        const double search = time(*times, "SearchBookWithoutAHit");
        const double grep = time(*times, "GrepCountOverTheText");
        if (loop > 0 && uncompress > 0)
            std::printf("%s time: UnCompress %.2f ms, plain byte loop %.2f ms: throughput %.2fx (goal >= 1.5)\n",
                        kind, uncompress, loop, loop / uncompress);
        if (search > 0 && grep > 0)
            std::printf("%s time: SearchBook without a hit %.2f ms, grep -F -c %.2f ms: ratio %.2f (goal <= 1.0)\n",
                        kind, search, grep, search / grep);
        for (const char* list : {"FindAll/one_letter", "FindAll/elohim", "FindAll/once", "FindAll/nowhere"}) {
            const double found = time(*times, list);
            if (search > 0 && found > 0)
                std::printf("%s time: %s %.2f ms, SearchBook without a hit %.2f ms: ratio %.2f\n", kind, list,
                            found, search, found / search);
        }
    }
    benchmark::Shutdown();
    return 0;
}
