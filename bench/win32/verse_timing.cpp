// Times the verse commands under Wine on a real window and the Win32
// clipboard: building the verse index on first use, the Go to Verse command's
// work after the dialog (the article made current, laid out on GDI, scrolled,
// marked and drawn) for verses in other articles, and Copy Verse for one
// verse and for the longest chapter's 176 verses over its articles. Prints
// figures; it is a tool, not a test.
//   verse_timing.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/win32/timing_support.h"
#include "output/win32/win32_clipboard_port.h"
#include "platform/ports.h"
#include "platform/win32/resource_record_source.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "verses/verse_selection.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {
const char16_t kFace[] = u"DejaVu Sans";
constexpr int32_t kPointSize = 16;
constexpr Rect kViewRect{10, 10, 10 + 620, 10 + 420};
constexpr int kRuns = 21;
constexpr double kGoalMs = 16.0;

// What the shell does after a command: the view drawn again.
class DrawingShell : public ShellPort {
public:
    void RepaintMain(void*, uint32_t) override { DrawArticleView(AppSettings.View, kErase); }
    void UpdateScrollBar(void*) override {}
    void UpdateBookmarkMark(void*) override {}
    void LoadGlyphBitmaps() override {}
    void DeleteGlyphBitmaps() override {}
    void PostQuit(int32_t) override {}
};

void Print(const char* what, const Timing& t) {
    std::printf("%-58s median %7.3f ms  min %7.3f  max %7.3f  %s\n", what, t.Median, t.Min, t.Max,
                t.Median < kGoalMs ? "(under 16 ms)" : "(OVER 16 ms)");
}
}  // namespace

int main() {
    StartWithUnicodeFont(kFace, kPointSize);
    ResourceRecordSource records;
    QuietMessages messages;
    DrawingShell shell;
    Win32ClipboardPort clipboard;
    Ports.Records = &records;
    Ports.Messages = &messages;
    Ports.Shell = &shell;
    Ports.Clipboard = &clipboard;

    HWND window = CreateWindowExW(0, L"STATIC", L"timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  kViewRect.Right + 40, kViewRect.Bottom + 60, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HDC windowDc = GetDC(window);
    GdiTextDevice device(windowDc);
    AppSettings.Lesson = 1;
    if (ShowFirstArticle(window, &device, kViewRect) != 0) {
        std::fprintf(stderr, "the first article could not be shown\n");
        return 2;
    }

    const double buildStart = NowMs();
    const VerseIndex* index = BookVerseIndex();
    const double buildMs = NowMs() - buildStart;
    if (!index) {
        std::fprintf(stderr, "the book did not index\n");
        return 2;
    }
    std::printf("verse index, first use: %.3f ms (%u verses in %zu articles)\n", buildMs, index->VerseCount,
                index->Articles.size());

    // Verses spread over the book, each in another article than the one before.
    const VerseSpan spans[] = {{0, 5, 21, 21}, {26, 119, 170, 176}, {8, 3, 4, 4}, {38, 36, 21, 23},
                               {11, 53, 1, 12}, {4, 34, 12, 12}, {33, 4, 14, 14}};
    constexpr int kSpans = int(sizeof spans / sizeof spans[0]);
    Print("Go to Verse: article shown, scrolled, marked, drawn",
          TimeRuns(kRuns, [&](int i) { GoToVerse(window, *index, spans[i % kSpans]); }));
    Print("Go to Verse: Psalm 119, verse after verse",
          TimeRuns(kRuns, [&](int i) { GoToVerse(window, *index, VerseSpan{26, 119, uint16_t(1 + i), uint16_t(1 + i)}); }));

    GoToVerse(window, *index, VerseSpan{0, 1, 1, 1});
    Print("Copy Verse: one verse, Unicode text and Rich Text", TimeRuns(kRuns, [&](int) { CopyVerse(AppSettings.View); }));
    GoToVerse(window, *index, VerseSpan{26, 119, 1, 176});
    Print("Copy Verse: Psalm 119 whole, over its articles", TimeRuns(kRuns, [&](int) { CopyVerse(AppSettings.View); }));

    DestroyArticleView(AppSettings.View, kReleaseView);
    AppSettings.View = nullptr;
    ReleaseDC(window, windowDc);
    DestroyWindow(window);
    return 0;
}
