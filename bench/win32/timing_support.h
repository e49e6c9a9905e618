// What the timed tools under Wine share: where the generated resources are,
// and a millisecond clock.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ports.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "view/letter_codes.h"

// The build's generated/ folder as a Windows path: the first argument, or
// ORVENDEL_BINARY_DIR/generated; a Linux path is reached through drive Z:.
inline std::wstring GeneratedDir(int argc, char** argv) {
    std::wstring dir;
    if (argc > 1) {
        dir = std::wstring(argv[1], argv[1] + std::strlen(argv[1]));
    } else if (const char* binary = std::getenv("ORVENDEL_BINARY_DIR")) {
        dir = std::wstring(binary, binary + std::strlen(binary)) + L"/generated";
    }
    if (!dir.empty() && dir[0] == L'/') dir = L"Z:" + dir;
    std::replace(dir.begin(), dir.end(), L'/', L'\\');
    return dir;
}

// The state a tool times from: no settings but the letters' font, face at
// pointSize, with the Unicode letters.
template <size_t N>
inline void StartWithUnicodeFont(const char16_t (&face)[N], int32_t pointSize) {
    static_assert(N <= sizeof AppSettings.Font.FontName / sizeof(char16_t), "the face name fits");
    ClearAppSettings();
    std::memcpy(AppSettings.Font.FontName, face, sizeof face);
    AppSettings.Font.FontSize = pointSize;
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
}

// The performance counter in milliseconds.
inline double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Messages the core would show, written to the error stream instead.
class QuietMessages : public MessagePort {
public:
    int32_t ShowMessage(void*, const char16_t* text, const char16_t*, uint32_t) override {
        std::fprintf(stderr, "message: %ls\n", AsWide(text));
        return kIdOk;
    }
};

struct Timing {
    double Median, Min, Max, Spread;   // Spread: the interquartile range
};

// runs timings of step(i), each ended by flushing GDI's batch.
template <typename Step>
Timing TimeRuns(int runs, Step step) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        step(i);
        GdiFlush();
        samples.push_back(NowMs() - start);
    }
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    return Timing{samples[n / 2], samples.front(), samples.back(), samples[n * 3 / 4] - samples[n / 4]};
}
