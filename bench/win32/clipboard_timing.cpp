// Times Copy and Append to ClipBoard through the Win32 clipboard: the
// book's largest article, an article of the largest size the record format
// is laid out for, and an append to a clipboard that already holds 100
// articles, as Rich Text (Unicode font) and as Unicode text. Prints figures;
// it is a tool, not a test.
//
//   clipboard_timing.exe [generated-dir]
// generated-dir holds records/<identifier>.bin as the book builder wrote them
// (default: $ORVENDEL_BINARY_DIR/generated); a Linux path is read through Z:.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/win32/timing_support.h"
#include "output/clipboard_copy.h"
#include "output/win32/win32_clipboard_port.h"
#include "platform/allocation.h"
#include "platform/ports.h"
#include "platform/record_source.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/win32/support/book_articles.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {

constexpr int kRuns = 21;
constexpr int kHeldArticles = 100;
// The largest article the record format is laid out for; the book's own
// articles are far smaller, so its text is also timed joined to this size.
constexpr size_t kLongArticleBytes = 28259;

// The records as the book builder wrote them, read from disk: the same bytes
// the program embeds as resources.
class FileRecordSource : public RecordSource {
public:
    explicit FileRecordSource(std::wstring directory) : directory_(std::move(directory)) {}
    RecordLookup Find(uint16_t identifier, const uint8_t** bytes, size_t* size) override {
        auto found = records_.find(identifier);
        if (found == records_.end()) {
            std::wstring path = directory_ + L"\\records\\" + std::to_wstring(identifier) + L".bin";
            std::vector<uint8_t> data;
            FILE* in = _wfopen(path.c_str(), L"rb");
            if (!in) return RecordLookup::Missing;
            uint8_t chunk[8192];
            size_t n;
            while ((n = fread(chunk, 1, sizeof chunk, in)) > 0) data.insert(data.end(), chunk, chunk + n);
            fclose(in);
            found = records_.emplace(identifier, std::move(data)).first;
        }
        if (found->second.empty()) return RecordLookup::Unavailable;
        *bytes = found->second.data();
        *size = found->second.size();
        return RecordLookup::Found;
    }

private:
    std::wstring directory_;
    std::map<uint16_t, std::vector<uint8_t>> records_;
};

struct Figures {
    double Median, Min, Max;
};

Figures Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return Figures{times[times.size() / 2], times.front(), times.back()};
}

// An article as the view holds it: the loader's buffer and its readable size.
struct HeldArticle {
    uint8_t* Bytes = nullptr;
    uint32_t Size = 0;
};

HeldArticle LoadArticle(int number) {
    HeldArticle article;
    uint32_t length = 0;
    article.Bytes = LoadRecord(number, nullptr, &length);
    article.Size = article.Bytes ? length + kRecordTerminators : 0;
    return article;
}

// Blocks of consecutive articles, from the first, joined into one article of
// about the largest size the format is laid out for.
HeldArticle JoinedArticle() {
    std::vector<uint8_t> joined;
    for (int number = 1; number <= kArticleCount && joined.size() < kLongArticleBytes; ++number) {
        uint8_t* bytes = LoadRecord(number, nullptr);
        if (!bytes) continue;
        joined.insert(joined.end(), bytes, bytes + DecompressedArticleSize(bytes) - 1);
        PlainFree(bytes);
    }
    joined.insert(joined.end(), 3, 0);
    HeldArticle article;
    article.Bytes = static_cast<uint8_t*>(PlainAlloc(joined.size()));
    std::memcpy(article.Bytes, joined.data(), joined.size());
    article.Size = uint32_t(joined.size());
    return article;
}

void CopyHeld(const HeldArticle& article, int32_t append) {
    ArticleView view{};
    view.Text = article.Bytes;
    view.TextSize = article.Size;
    CopyArticle(&view, append);
}

size_t ClipboardBytes(UINT format) {
    size_t size = 0;
    if (!OpenClipboard(nullptr)) return 0;
    if (HANDLE data = GetClipboardData(format)) size = GlobalSize(data);
    CloseClipboard();
    return size;
}

// Puts bytes back on the clipboard as the only data, as they were before a
// timed append.
bool Restore(UINT format, const std::vector<char>& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block) return false;
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(format, block) != nullptr;
    if (!placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

std::vector<char> Saved(UINT format) {
    std::vector<char> bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const char* at = static_cast<const char*>(GlobalLock(data))) {
            bytes.assign(at, at + GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

void TimeCopy(const char* what, const HeldArticle& article, UINT format) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double start = NowMs();
        CopyHeld(article, kReplaceClipboard);
        times.push_back(NowMs() - start);
    }
    const Figures f = Summarise(times);
    std::printf("  copy %-34s median %7.2f ms (min %.2f, max %.2f) over %d runs; %zu bytes placed\n", what,
                f.Median, f.Min, f.Max, kRuns, ClipboardBytes(format));
}

// Copies the first article, appends the next ones until the clipboard holds
// kHeldArticles, then times the append of one more, from that same state
// each run.
void TimeAppend(const char* what, const HeldArticle& next, UINT format) {
    const double start = NowMs();
    for (int number = 1; number <= kHeldArticles; ++number) {
        HeldArticle article = LoadArticle(number);
        CopyHeld(article, number == 1 ? kReplaceClipboard : kAppendToClipboard);
        PlainFree(article.Bytes);
    }
    const double building = NowMs() - start;
    const std::vector<char> held = Saved(format);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        if (!Restore(format, held)) {
            std::printf("  the held articles could not be put back on the clipboard\n");
            return;
        }
        const double appendStart = NowMs();
        CopyHeld(next, kAppendToClipboard);
        times.push_back(NowMs() - appendStart);
    }
    const Figures f = Summarise(times);
    std::printf("  %d articles copied and appended one by one: %.1f ms in all, %zu bytes held\n",
                kHeldArticles, building, held.size());
    std::printf("  append %-32s median %7.2f ms (min %.2f, max %.2f) over %d runs; %zu bytes placed\n",
                what, f.Median, f.Min, f.Max, kRuns, ClipboardBytes(format));
}

}  // namespace

int main(int argc, char** argv) {
    ClearAppSettings();
    AppSettings.Flags = kDefaultFlags;
    FileRecordSource records(GeneratedDir(argc, argv));
    QuietMessages messages;
    Win32ClipboardPort clipboard;
    Ports.Records = &records;
    Ports.Messages = &messages;
    Ports.Clipboard = &clipboard;

    size_t largestSize = 0;
    const int largest = LargestArticle(&largestSize);
    if (largest == 0) {
        std::fprintf(stderr, "no records found in %ls\\records\n", GeneratedDir(argc, argv).c_str());
        return 2;
    }
    HeldArticle article = LoadArticle(largest);
    HeldArticle joined = JoinedArticle();
    HeldArticle next = LoadArticle(kHeldArticles + 1);
    const UINT richText = RegisterClipboardFormatW(AsWide(kRichTextFormatName));
    std::printf("largest article: %d, %zu bytes decompressed; joined article %u bytes; article %d appended\n",
                largest, largestSize, joined.Size - kRecordTerminators, kHeldArticles + 1);

    const struct {
        const char* Name;
        int32_t Base;
        UINT Format;
    } kinds[] = {{"Rich Text (base 1488)", kUnicodeBase, richText},
                 {"Unicode text (base 224)", kWindows1255Base, CF_UNICODETEXT}};
    for (const auto& kind : kinds) {
        AppSettings.Font.FontAsciiBase = kind.Base;
        std::printf("%s:\n", kind.Name);
        TimeCopy("the largest article", article, kind.Format);
        char joinedName[64];
        std::snprintf(joinedName, sizeof joinedName, "an article of %u bytes", joined.Size - kRecordTerminators);
        TimeCopy(joinedName, joined, kind.Format);
        char appendName[64];
        std::snprintf(appendName, sizeof appendName, "to %d held articles", kHeldArticles);
        TimeAppend(appendName, next, kind.Format);
    }

    PlainFree(article.Bytes);
    PlainFree(joined.Bytes);
    PlainFree(next.Bytes);
    PlainFree(SharedConversion.Units);
    return 0;
}
