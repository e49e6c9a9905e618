// Times Find All under Wine on the real dialog: from the keystroke that
// completes a pattern to the list painted again, for a one-letter pattern,
// "אלהים", words that stand once and a word found nowhere; the dialog's
// opening (the book's text read, the verse index built on first use, the
// stored pattern searched); and the memory the open dialog holds. The dialog
// runs modally on the main thread as in the program, a second thread types
// into it. Prints figures; it is a tool, not a test.
//   find_all_timing.exe
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/win32/timing_support.h"
#include "platform/win32/resource_record_source.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "verses/book_hits.h"
#include "verses/verse_index.h"
#include "verses/win32/find_all_dialog.h"
#include "view/letter_codes.h"

namespace {
const char16_t kFace[] = u"DejaVu Sans";
constexpr int32_t kPointSize = 16;
constexpr int kRuns = 15;
constexpr double kGoalMs = 100.0;
constexpr double kFewHitsGoalMs = 16.0;

// Letters typed in reading order on a Hebrew layout; the last one is timed.
struct TypedPattern {
    const char* Name;
    std::u16string Letters;
    double Goal;
};
const TypedPattern kPatterns[] = {
    {"one letter (yod)", u"\u05D9", kGoalMs},
    {"elohim", u"\u05D0\u05DC\u05D4\u05D9\u05DD", kGoalMs},
    {"bereshit bara (once)", u"\u05D1\u05E8\u05D0\u05E9\u05D9\u05EA \u05D1\u05E8\u05D0", kFewHitsGoalMs},
    {"found nowhere", u"\u05E0\u05E9\u05E0\u05E9\u05E0", kFewHitsGoalMs},
};

double OpenedAtMs = 0;
double StartedAtMs = 0;
size_t BytesBeforeOpening = 0;

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}
double Megabytes(double bytes) { return bytes / 1048576.0; }
size_t WorkingBytes() { return Memory().WorkingSetSize; }

// Sent, so each returns once the dialog's thread has handled it.
void Type(HWND field, char16_t letter) { SendMessageW(field, WM_CHAR, WPARAM(letter), 0); }
void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

std::string StatusOf(HWND dialog) {
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, IDC_FIND_STATUS, text, 64);
    return std::string(text, text + wcslen(text));
}

DWORD WINAPI TypeIntoTheDialog(void* again) {
    HWND dialog = nullptr;
    // Visible once its controls are made and its first search is done.
    for (int wait = 0; !dialog; ++wait, Sleep(1)) {
        dialog = FindWindowW(L"#32770", L"Find All");
        if (dialog && !IsWindowVisible(dialog)) dialog = nullptr;
        if (wait > 20000) {
            std::printf("the dialog did not open\n");
            return 1;
        }
    }
    PaintNow(dialog);
    OpenedAtMs = NowMs();
    HWND field = GetDlgItem(dialog, IDC_FIND_FIELD);
    HWND list = GetDlgItem(dialog, IDC_FIND_LIST);
    std::printf("%s (dialog made, text read, pattern searched, painted): %.1f ms\n",
                again ? "opening again" : "first opening, Wine's fonts cold", OpenedAtMs - StartedAtMs);
    if (again) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    const size_t before = WorkingBytes();
    std::printf("the open dialog's working set: %+.2f MB against before it opened\n",
                Megabytes(double(before) - double(BytesBeforeOpening)));
    for (const TypedPattern& pattern : kPatterns) {
        std::vector<double> samples;
        for (int run = 0; run < kRuns; ++run) {
            SetWindowTextW(field, L"");
            for (size_t i = 0; i + 1 < pattern.Letters.size(); ++i) Type(field, pattern.Letters[i]);
            PaintNow(dialog);
            const double start = NowMs();
            Type(field, pattern.Letters.back());
            PaintNow(list);
            samples.push_back(NowMs() - start);
        }
        std::sort(samples.begin(), samples.end());
        const double median = samples[samples.size() / 2];
        std::printf("keystroke to list painted, %-22s median %7.2f ms  min %7.2f  max %7.2f  %s  [%s]\n",
                    pattern.Name, median, samples.front(), samples.back(),
                    median < pattern.Goal ? "(under goal)" : "(OVER GOAL)", StatusOf(dialog).c_str());
    }
    std::printf("memory: %zu bytes per hit; working set %+.2f MB while typing; peak working set %.1f MB\n",
                sizeof(BookHit), Megabytes(double(WorkingBytes()) - double(before)),
                Megabytes(double(Memory().PeakWorkingSetSize)));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}
}  // namespace

int main() {
    setvbuf(stdout, nullptr, _IONBF, 0);
    StartWithUnicodeFont(kFace, kPointSize);
    ResourceRecordSource records;
    QuietMessages messages;
    Ports.Records = &records;
    Ports.Messages = &messages;
    // What the opening does besides making the dialog, timed alone.
    double start = NowMs();
    BookVerseIndex();
    std::printf("verse index built on first use: %.1f ms\n", NowMs() - start);
    const Timing load = TimeRuns(5, [](int) {
        BookText text;
        LoadBookText(&text);
    });
    std::printf("the book's text read (every article decompressed): median %.1f ms\n", load.Median);
    BytesBeforeOpening = WorkingBytes();
    for (uintptr_t again = 0; again < 2; ++again) {
        HANDLE typist = CreateThread(nullptr, 0, TypeIntoTheDialog, reinterpret_cast<void*>(again), 0, nullptr);
        StartedAtMs = NowMs();
        ShowFindAllDialog(nullptr);
        WaitForSingleObject(typist, INFINITE);
        CloseHandle(typist);
    }
    std::printf("working set after the dialog closed: %+.2f MB against before it opened\n",
                Megabytes(double(WorkingBytes()) - double(BytesBeforeOpening)));
    return 0;
}
