// Times the layout of the book's largest article and the drawing of one page
// of it through GDI with a Hebrew font, and counts the measuring calls each
// line costs. Prints figures; it is a tool, not a test.
//
//   gdi_layout_timing.exe [generated-dir]
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
#include "platform/allocation.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "platform/ports.h"
#include "store/record_loader.h"
#include "platform/record_source.h"
#include "tests/win32/support/book_articles.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

const char16_t kFace[] = u"DejaVu Sans";
constexpr int32_t kPointSize = 12;
constexpr Rect kViewRect{10, 10, 10 + 760, 10 + 560};
constexpr int kRuns = 41;
constexpr double kLayoutGoalMs = 16.0;
constexpr double kPageGoalMs = 5.0;
constexpr int kMeasuringCallsPerLine = 4;
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
            if (FILE* in = _wfopen(path.c_str(), L"rb")) {
                uint8_t chunk[8192];
                size_t n;
                while ((n = fread(chunk, 1, sizeof chunk, in)) > 0) data.insert(data.end(), chunk, chunk + n);
                fclose(in);
            } else {
                return RecordLookup::Missing;
            }
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

// Passes everything to the GDI device and counts the measuring calls.
class CountingDevice : public TextDevice {
public:
    explicit CountingDevice(TextDevice* inner) : inner_(inner) {}
    int MeasuringCalls = 0;

    FontHandle MakeFont(const char16_t* face, int32_t height, int32_t weight) override {
        return inner_->MakeFont(face, height, weight);
    }
    FontHandle SelectFont(FontHandle font) override { return inner_->SelectFont(font); }
    void DeleteFont(FontHandle font) override { inner_->DeleteFont(font); }
    TextMetrics Metrics() override { return inner_->Metrics(); }
    int32_t PixelsPerInchY() override { return inner_->PixelsPerInchY(); }
    TextExtent MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth,
                          int32_t* fit) override {
        ++MeasuringCalls;
        return inner_->MeasureFit(units, count, maxWidth, fit);
    }
    TextExtent MeasureRun(const char16_t* units, int32_t count) override {
        ++MeasuringCalls;
        return inner_->MeasureRun(units, count);
    }
    void DrawRunCentred(const char16_t* units, int32_t count, const Rect& box) override {
        inner_->DrawRunCentred(units, count, box);
    }
    Colour TextColour() override { return inner_->TextColour(); }
    Colour SetTextColour(Colour colour) override { return inner_->SetTextColour(colour); }
    Colour SetBackColour(Colour colour) override { return inner_->SetBackColour(colour); }
    void FillWhite(const Rect& box) override { inner_->FillWhite(box); }
    void DrawBlackRectangle(const Rect& box) override { inner_->DrawBlackRectangle(box); }

private:
    TextDevice* inner_;
};

struct CallCount {
    int Calls = 0, Lines = 0, WorstBlockCalls = 0, WorstBlockLines = 0;
    double WorstPerLine = 0;
    int SingleLineBlocks = 0, WorstSingleLine = 0;
};

// Lays every block of the article out alone, as a one-block article, and
// counts the measuring calls against the lines the block makes.
CallCount CountMeasuringCalls(ArticleView* view, CountingDevice* counter, const uint8_t* article) {
    CallCount count;
    for (size_t p = 0; article[p] != 0;) {
        size_t length = std::strlen(reinterpret_cast<const char*>(article + p + 2));
        size_t blockSize = 2 + length + 1;
        uint8_t* block = static_cast<uint8_t*>(PlainAlloc(blockSize + 2));
        std::memcpy(block, article + p, blockSize);
        block[blockSize] = 0;
        block[blockSize + 1] = 0;
        p += blockSize;
        if (length == 0) {
            PlainFree(block);
            continue;
        }
        counter->MeasuringCalls = 0;
        if (LayoutArticle(view, block, kReleasePrevious) != kLayoutDone) {
            PlainFree(block);
            continue;
        }
        int lines = view->LineCount;
        int calls = counter->MeasuringCalls;
        count.Calls += calls;
        count.Lines += lines;
        if (lines > 0 && double(calls) / lines > count.WorstPerLine) {
            count.WorstPerLine = double(calls) / lines;
            count.WorstBlockCalls = calls;
            count.WorstBlockLines = lines;
        }
        if (lines == 1) {
            ++count.SingleLineBlocks;
            count.WorstSingleLine = std::max(count.WorstSingleLine, calls);
        }
    }
    return count;
}

struct PageTimings {
    Timing Layout;
    double FirstLayout;
    Timing Page;
    int Lines, DisplayLines, LinesDrawn;
};

PageTimings TimeOn(HDC dc, uint8_t* article, const Rect& viewRect) {
    GdiTextDevice device(dc);
    PageTimings timings{};
    ArticleView* view = CreateArticleView(&device, &viewRect, &AppSettings.Font, 100);
    // The first layout also creates the fonts; later ones reuse them, as
    // every layout after an article change does in the program.
    double start = NowMs();
    LayoutArticle(view, article, kKeepPrevious);
    timings.FirstLayout = NowMs() - start;
    timings.Layout = TimeRuns(kRuns, [&](int) { LayoutArticle(view, article, kKeepPrevious); });
    timings.Lines = view->LineCount;
    timings.DisplayLines = view->DisplayLineCount;
    timings.Page = TimeRuns(kRuns, [&](int) { DrawArticleView(view, kErase); });
    timings.LinesDrawn = view->LinesDrawn;
    view->Text = nullptr;   // the article stays the caller's
    DestroyArticleView(view, kReleaseView);
    return timings;
}

// Blocks of consecutive articles, from the first, joined into one article of
// at least kLongArticleBytes; the caller releases it with PlainFree.
uint8_t* JoinedArticle(size_t* size) {
    std::vector<uint8_t> joined;
    for (int number = 1; number <= kArticleCount && joined.size() < kLongArticleBytes; ++number) {
        uint8_t* bytes = LoadRecord(number, nullptr);
        if (!bytes) continue;
        joined.insert(joined.end(), bytes, bytes + DecompressedArticleSize(bytes) - 1);
        PlainFree(bytes);
    }
    joined.insert(joined.end(), 3, 0);
    *size = joined.size() - 2;
    uint8_t* article = static_cast<uint8_t*>(PlainAlloc(joined.size()));
    std::memcpy(article, joined.data(), joined.size());
    return article;
}

// Lays out every article of the book once; returns the slowest in ms.
double TimeEveryArticle(HDC dc, const Rect& viewRect, double* totalMs, int* slowest) {
    GdiTextDevice device(dc);
    ArticleView* view = CreateArticleView(&device, &viewRect, &AppSettings.Font, 100);
    double worst = 0;
    *totalMs = 0;
    for (int number = 1; number <= kArticleCount; ++number) {
        uint8_t* bytes = LoadRecord(number, nullptr);
        if (!bytes) continue;
        double start = NowMs();
        LayoutArticle(view, bytes, kReleasePrevious);
        double elapsed = NowMs() - start;
        *totalMs += elapsed;
        if (elapsed > worst) {
            worst = elapsed;
            *slowest = number;
        }
    }
    DestroyArticleView(view, kReleaseView);
    return worst;
}

// Counts the measuring calls of laying article out in viewRect, as a whole and
// block by block; true when no line cost more than the bound.
bool CheckMeasuringCalls(const char* what, TextDevice* device, uint8_t* article,
                         const Rect& viewRect) {
    CountingDevice counter(device);
    ArticleView* view = CreateArticleView(&counter, &viewRect, &AppSettings.Font, 100);
    LayoutArticle(view, article, kKeepPrevious);   // fonts made before counting
    counter.MeasuringCalls = 0;
    LayoutArticle(view, article, kKeepPrevious);
    int wholeCalls = counter.MeasuringCalls;
    int wholeLines = view->LineCount;
    view->Text = nullptr;   // the article stays the caller's
    CallCount perBlock = CountMeasuringCalls(view, &counter, article);
    DestroyArticleView(view, kReleaseView);
    bool held = perBlock.WorstPerLine <= kMeasuringCallsPerLine &&
                perBlock.WorstSingleLine <= kMeasuringCallsPerLine &&
                wholeCalls <= kMeasuringCallsPerLine * wholeLines;
    std::printf("measuring calls, %s: %d for %d lines (%.2f per line)\n", what, wholeCalls,
                wholeLines, double(wholeCalls) / std::max(1, wholeLines));
    std::printf("  blocks laid out alone: %d calls for %d lines; worst block %d calls for %d lines"
                " (%.2f per line); %d one-line blocks, at most %d calls each\n",
                perBlock.Calls, perBlock.Lines, perBlock.WorstBlockCalls, perBlock.WorstBlockLines,
                perBlock.WorstPerLine, perBlock.SingleLineBlocks, perBlock.WorstSingleLine);
    std::printf("  bound of %d per line: %s\n", kMeasuringCallsPerLine, held ? "held" : "BROKEN");
    return held;
}

void PrintTimings(const char* surface, const PageTimings& t) {
    std::printf("%s:\n", surface);
    std::printf("  layout     median %6.2f ms (min %.2f, max %.2f) over %d runs; first run %.2f ms"
                " (fonts made)  goal < %.0f ms: %s\n",
                t.Layout.Median, t.Layout.Min, t.Layout.Max, kRuns, t.FirstLayout, kLayoutGoalMs,
                t.Layout.Median < kLayoutGoalMs ? "met" : "MISSED");
    std::printf("  page draw  median %6.2f ms (min %.2f, max %.2f) over %d runs, %d display lines"
                "  goal < %.0f ms: %s\n",
                t.Page.Median, t.Page.Min, t.Page.Max, kRuns, t.LinesDrawn, kPageGoalMs,
                t.Page.Median < kPageGoalMs ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    StartWithUnicodeFont(kFace, kPointSize);
    FileRecordSource records(GeneratedDir(argc, argv));
    QuietMessages messages;
    Ports.Records = &records;
    Ports.Messages = &messages;

    size_t largestSize = 0;
    int largest = LargestArticle(&largestSize);
    if (largest == 0) {
        std::fprintf(stderr, "no records found in %ls\\records\n", GeneratedDir(argc, argv).c_str());
        return 2;
    }
    uint8_t* article = LoadRecord(largest, nullptr);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kViewRect.Right + 10;
    info.bmiHeader.biHeight = -(kViewRect.Bottom + 10);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);

    HWND window = CreateWindowExW(0, L"STATIC", L"timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  kViewRect.Right + 40, kViewRect.Bottom + 60, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HDC windowDc = GetDC(window);

    GdiTextDevice memoryDevice(memory);
    {
        FontHandle probe = memoryDevice.MakeFont(kFace, -16, 400);
        FontHandle previous = memoryDevice.SelectFont(probe);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(memory, LF_FACESIZE, face);
        memoryDevice.SelectFont(previous);
        memoryDevice.DeleteFont(probe);
        std::printf("font %ls %d pt (asked for %ls), %d dpi; view %d x %d\n", face, kPointSize,
                    AsWide(kFace), memoryDevice.PixelsPerInchY(),
                    kViewRect.Right - kViewRect.Left, kViewRect.Bottom - kViewRect.Top);
    }

    PageTimings onMemory = TimeOn(memory, article, kViewRect);
    std::printf("largest article: %d, %zu bytes decompressed, %d lines, %d display lines\n",
                largest, largestSize, onMemory.Lines, onMemory.DisplayLines);
    PrintTimings("memory DC (24-bit DIB section)", onMemory);
    if (window && windowDc)
        PrintTimings("window DC (Wine on Xvfb)", TimeOn(windowDc, article, kViewRect));
    else
        std::printf("window DC: no window could be made (is the display running?)\n");

    double total = 0;
    int slowest = 0;
    double worst = TimeEveryArticle(memory, kViewRect, &total, &slowest);
    std::printf("every article of the book, laid out once each on the memory DC: %.1f ms in all,"
                " %.3f ms on average, slowest %.2f ms (article %d)\n",
                total, total / kArticleCount, worst, slowest);

    size_t joinedSize = 0;
    uint8_t* joined = JoinedArticle(&joinedSize);
    PageTimings onJoined = TimeOn(memory, joined, kViewRect);
    std::printf("the book's first articles joined into one of %zu bytes: %d lines\n", joinedSize,
                onJoined.Lines);
    PrintTimings("memory DC, joined article", onJoined);


    bool boundHeld = CheckMeasuringCalls("largest article", &memoryDevice, article, kViewRect);
    boundHeld &= CheckMeasuringCalls("joined article in a 200-unit view", &memoryDevice, joined,
                                     Rect{10, 10, 210, 570});
    PlainFree(joined);

    if (windowDc) ReleaseDC(window, windowDc);
    if (window) DestroyWindow(window);
    SelectObject(memory, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    PlainFree(article);
    return boundHeld ? 0 : 1;
}
