// Prints the book's largest article and its longest whole-chapter article on
// the default printer, as the Print command does (the core's page loop on the
// printer's device context, in the reader's standard font), and reports the
// pages and the time each job takes: in the program, from StartDocW to the end
// of EndDoc, and until the queue has written the whole PDF. Prints figures;
// it is a tool, not a test.
//
//   print_timing.exe PDF-DIRECTORY
// PDF-DIRECTORY is where the PDF printer writes (a Linux path, read through Z:).
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "output/article_printing.h"
#include "platform/allocation.h"
#include "platform/ports.h"
#include "platform/win32/resource_record_source.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/win32/support/book_articles.h"
#include "view/win32/gdi_text_device.h"

namespace {

const char16_t kFace[] = u"DejaVu Sans";
constexpr int32_t kPointSize = 16;
constexpr PrintMargins kDefaultMargins{1000, 1000, 1000, 1000};
constexpr DWORD kPdfTimeoutMs = 300000;

class GdiPages : public PrintJobPort {
public:
    explicit GdiPages(HDC dc) : dc_(dc) {}
    bool StartPage() override { return ::StartPage(dc_) > 0; }
    bool EndPage() override { return ::EndPage(dc_) > 0; }

private:
    HDC dc_;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
    return path;
}

std::set<std::wstring> PdfFiles(const std::wstring& directory) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((directory + L"\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// A PDF is whole once it ends in its end-of-file marker.
bool IsWholePdf(const std::wstring& path) {
    FILE* in = _wfopen(path.c_str(), L"rb");
    if (!in) return false;
    char tail[64] = {};
    size_t n = 0;
    if (fseek(in, -int(sizeof tail - 1), SEEK_END) == 0) n = fread(tail, 1, sizeof tail - 1, in);
    fclose(in);
    tail[n] = 0;
    return std::strstr(tail, "%%EOF") != nullptr;
}

// Waits for the job's PDF to be written whole, then removes it.
bool WaitForNewPdf(const std::wstring& directory, const std::set<std::wstring>& before) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kPdfTimeoutMs) {
        for (const std::wstring& name : PdfFiles(directory)) {
            const std::wstring path = directory + L"\\" + name;
            if (before.count(name) || !IsWholePdf(path)) continue;
            DeleteFileW(path.c_str());
            return true;
        }
        Sleep(50);
    }
    return false;
}

bool IsWholeChapter(int number) {
    uint8_t* bytes = LoadRecord(number, nullptr);
    if (!bytes) return false;
    // A part of a chapter names its verses after a comma in its title.
    const bool whole = std::strchr(reinterpret_cast<const char*>(bytes + 2), ',') == nullptr;
    PlainFree(bytes);
    return whole;
}

int LargestWholeChapter(size_t* size) {
    int largest = 0;
    *size = 0;
    for (int number = 1; number <= kArticleCount; ++number) {
        uint8_t* bytes = LoadRecord(number, nullptr);
        if (!bytes) continue;
        const size_t articleSize = DecompressedArticleSize(bytes);
        PlainFree(bytes);
        if (articleSize > *size && IsWholeChapter(number)) {
            *size = articleSize;
            largest = number;
        }
    }
    return largest;
}

void TimeArticle(const char* label, int number, HGLOBAL devMode, const std::wstring& pdfDirectory) {
    uint32_t length = 0;
    uint8_t* bytes = LoadRecord(number, nullptr, &length);
    if (!bytes) {
        std::printf("%s: article %d does not load\n", label, number);
        return;
    }
    ArticleView screen{};
    std::memcpy(screen.Font.FontName, kFace, sizeof kFace);
    screen.Font.FontSize = kPointSize;
    screen.Font.FontAsciiBase = kDefaultFontAsciiBase;
    screen.Text = bytes;
    screen.TextSize = length + kRecordTerminators;

    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    HDC dc = CreateDCW(nullptr, mode->dmDeviceName, nullptr, mode);
    GlobalUnlock(devMode);
    if (!dc) {
        std::printf("%s: no printer device context\n", label);
        PlainFree(bytes);
        return;
    }
    const std::set<std::wstring> before = PdfFiles(pdfDirectory);
    LARGE_INTEGER start, printed, written;
    QueryPerformanceCounter(&start);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"Orvendel";
    int32_t pages = 0;
    if (StartDocW(dc, &document) > 0 && StartPage(dc) > 0) {
        SetMapMode(dc, MM_TEXT);
        GdiTextDevice printer(dc);
        GdiPages job(dc);
        pages = PrintArticlePages(&screen, &printer, kDefaultMargins, &job);
        if (PrintJobEnding(pages) == kAbortJob)
            AbortDoc(dc);
        else
            EndDoc(dc);
    }
    QueryPerformanceCounter(&printed);
    DeleteDC(dc);
    const bool arrived = WaitForNewPdf(pdfDirectory, before);
    QueryPerformanceCounter(&written);
    std::printf("%s: article %d, %zu bytes: %d pages; %.2f s in the program (StartDocW to EndDoc), "
                "%s%.2f s until the PDF was written\n",
                label, number, DecompressedArticleSize(bytes), int(pages), Seconds(start, printed),
                arrived ? "" : "no PDF after ", Seconds(start, written));
    PlainFree(bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: print_timing.exe PDF-DIRECTORY\n");
        return 2;
    }
    ResourceRecordSource records;
    Ports.Records = &records;
    ClearAppSettings();
    AppSettings.Font.FontAsciiBase = kDefaultFontAsciiBase;
    AppSettings.Flags = kDefaultFlags;

    PRINTDLGW defaults{};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgW(&defaults) || !defaults.hDevMode) {
        std::printf("no default printer (error 0x%lx)\n", CommDlgExtendedError());
        return 1;
    }
    const std::wstring pdfDirectory = WindowsPath(argv[1]);
    size_t largestSize = 0;
    const int largest = LargestArticle(&largestSize);
    size_t chapterSize = 0;
    const int chapter = LargestWholeChapter(&chapterSize);
    TimeArticle("largest article", largest, defaults.hDevMode, pdfDirectory);
    TimeArticle("longest whole chapter", chapter, defaults.hDevMode, pdfDirectory);
    GlobalFree(defaults.hDevMode);
    if (defaults.hDevNames) GlobalFree(defaults.hDevNames);
    return 0;
}
