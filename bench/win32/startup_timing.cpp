// Start-up of the reader under Wine, beside the smallest window program
// started the same way: milliseconds from CreateProcessW until the main window
// is visible and has nothing left to paint (median of 10 starts), and the
// process's memory once it is up.
//   startup_timing.exe [runs]
// ORVENDEL_EXE names the reader; minimal_window.exe is taken from this tool's
// folder. The reader runs with the settings it finds (run it after a start
// that stored a font, or it will wait on the first-run font choice).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    const char* Label;
    std::wstring Path;
    const wchar_t* WindowClass;
};

struct StartFigures {
    double Milliseconds = 0;
    SIZE_T WorkingSet = 0;
    SIZE_T PeakWorkingSet = 0;
    SIZE_T CommitBytes = 0;
};

std::wstring FolderOfThisTool() {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring ReaderPath() {
    const wchar_t* path = _wgetenv(L"ORVENDEL_EXE");
    if (!path || !*path) return FolderOfThisTool() + L"orvendel.exe";
    std::wstring windowsPath = path;
    if (windowsPath[0] == L'/') windowsPath = L"Z:" + windowsPath;
    std::replace(windowsPath.begin(), windowsPath.end(), L'/', L'\\');
    return windowsPath;
}

HWND VisibleWindowOf(DWORD processId, const wchar_t* windowClass) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, windowClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId && IsWindowVisible(found)) return found;
    }
    return nullptr;
}

double Elapsed(const LARGE_INTEGER& start, const LARGE_INTEGER& frequency) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// One start: the time until the window is up and painted, then its memory.
// False when the program did not come up within 30 seconds.
bool TimeOneStart(const Program& program, StartFigures* figures) {
    LARGE_INTEGER frequency, start;
    QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + program.Path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.Path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        return false;
    }
    HWND window = nullptr;
    bool painted = false;
    while (!painted && Elapsed(start, frequency) < 30000) {
        if (!window) window = VisibleWindowOf(process.dwProcessId, program.WindowClass);
        if (window) {
            // The round trip returns once the program's thread takes messages
            // again; then no part of the window may still wait for WM_PAINT.
            DWORD_PTR ignored;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
            painted = !GetUpdateRect(window, nullptr, FALSE);
        }
        if (!painted) Sleep(1);
    }
    figures->Milliseconds = Elapsed(start, frequency);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        figures->WorkingSet = memory.WorkingSetSize;
        figures->PeakWorkingSet = memory.PeakWorkingSetSize;
        figures->CommitBytes = memory.PagefileUsage;
    }
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return painted;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    const Program* Subject;
    std::vector<double> Times;
    StartFigures Last;
};

// Prints one program's figures; its median.
double Report(const Series& series) {
    const double median = Median(series.Times);
    const char* label = series.Subject->Label;
    std::printf("%-16s start to first paint: median %7.1f ms, min %7.1f, max %7.1f (%zu runs)\n",
                label, median, *std::min_element(series.Times.begin(), series.Times.end()),
                *std::max_element(series.Times.begin(), series.Times.end()), series.Times.size());
    std::printf("%-16s memory after start: working set %6.1f MiB, peak %6.1f MiB, committed %6.1f MiB\n",
                label, series.Last.WorkingSet / 1048576.0, series.Last.PeakWorkingSet / 1048576.0,
                series.Last.CommitBytes / 1048576.0);
    return median;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const Program minimal{"minimal_window", FolderOfThisTool() + L"minimal_window.exe",
                          L"MinimalWindow"};
    const Program reader{"orvendel", ReaderPath(), L"Orvendel"};
    Series series[2] = {{&minimal, {}, {}}, {&reader, {}, {}}};
    // The two programs take turns, so a busy moment on the machine weighs on
    // both alike.
    for (int run = 0; run < runs; ++run) {
        for (Series& one : series) {
            StartFigures figures;
            if (!TimeOneStart(*one.Subject, &figures)) {
                std::printf("%s did not come up\n", one.Subject->Label);
                return 1;
            }
            one.Times.push_back(figures.Milliseconds);
            one.Last = figures;
        }
    }
    const double baseline = Report(series[0]);
    const double measured = Report(series[1]);
    std::printf("ratio orvendel / minimal_window: %.2f\n", measured / baseline);
    return 0;
}
