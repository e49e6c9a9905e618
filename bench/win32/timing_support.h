// What the timed tools under Wine share: where the generated resources are,
// and a millisecond clock.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

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
