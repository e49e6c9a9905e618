// Times the index list over the book's table of contents through GDI on a
// window's device context: LayoutIndex of the whole list, the re-layout at a
// size change as the Choose Section dialog does it, and a full page draw with
// every section open. Prints median and spread; it is a tool, not a test.
//
//   index_list_timing.exe [generated-dir]
// generated-dir holds records/32767.bin as the book builder wrote it (default:
// $ORVENDEL_BINARY_DIR/generated); a Linux path is read through Z:.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/win32/timing_support.h"
#include "platform/allocation.h"
#include "platform/ports.h"
#include "platform/record_source.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "toc/contents.h"
#include "toc/index_view.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

const char16_t kFace[] = u"DejaVu Sans";
constexpr int32_t kFontSize = 16;             // a cell height, as the index takes it
constexpr Rect kListArea{0, 0, 440, 560};
constexpr int kRuns = 41;
constexpr double kRelayoutGoalMs = 30.0;
constexpr double kPageGoalMs = 5.0;

// The one record the list needs, read from disk: the bytes the program embeds.
class ContentsFileSource : public RecordSource {
public:
    explicit ContentsFileSource(const std::wstring& directory) {
        const std::wstring path = directory + L"\\records\\" + std::to_wstring(kContentsRecordId) + L".bin";
        if (FILE* in = _wfopen(path.c_str(), L"rb")) {
            uint8_t chunk[8192];
            size_t n;
            while ((n = fread(chunk, 1, sizeof chunk, in)) > 0) bytes_.insert(bytes_.end(), chunk, chunk + n);
            fclose(in);
        }
    }
    RecordLookup Find(uint16_t identifier, const uint8_t** bytes, size_t* size) override {
        if (identifier != kContentsRecordId || bytes_.empty()) return RecordLookup::Missing;
        *bytes = bytes_.data();
        *size = bytes_.size();
        return RecordLookup::Found;
    }

private:
    std::vector<uint8_t> bytes_;
};

void Print(const char* what, const Timing& t, double goal) {
    std::printf("  %-34s median %6.2f ms, interquartile %.2f ms (min %.2f, max %.2f) over %d runs",
                what, t.Median, t.Spread, t.Min, t.Max, kRuns);
    if (goal > 0) std::printf("; goal < %.0f ms %s", goal, t.Median < goal ? "met" : "MISSED");
    std::printf("\n");
}

// The three icons as 9 x 9 monochrome bitmaps, so the page draw copies them.
void MakeGlyphs() {
    static const uint16_t rows[9] = {0x1FF, 0x101, 0x111, 0x111, 0x17D, 0x111, 0x111, 0x101, 0x1FF};
    for (void*& glyph : AppSettings.GlyphBitmaps) {
        uint16_t bits[9];
        for (int i = 0; i < 9; ++i) bits[i] = uint16_t(~(rows[i] << 7));   // word-aligned rows, 0 is black
        glyph = CreateBitmap(9, 9, 1, 1, bits);
    }
}

}  // namespace

int main(int argc, char** argv) {
    ClearAppSettings();
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    ContentsFileSource records(GeneratedDir(argc, argv));
    Ports.Records = &records;
    uint8_t* contents = LoadRecord(kContentsRecordNumber, nullptr);
    if (!contents) {
        std::fprintf(stderr, "no contents record in %ls\\records\n", GeneratedDir(argc, argv).c_str());
        return 2;
    }
    MakeGlyphs();

    HWND window = CreateWindowExW(0, L"STATIC", L"timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  kListArea.Right + 40, kListArea.Bottom + 60, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HDC dc = window ? GetDC(window) : nullptr;
    if (!dc) {
        std::fprintf(stderr, "no window could be made (is the display running?)\n");
        return 2;
    }
    GdiTextDevice device(dc);
    FontSpec font{};
    std::memcpy(font.FontName, kFace, sizeof kFace);
    font.FontSize = kFontSize;
    IndexView* view = CreateIndexView(&device, &kListArea, &font, kIndexViewCapacity);
    double first = NowMs();
    if (LayoutIndex(view, contents, kReleasePrevious) != kLayoutDone) {
        std::fprintf(stderr, "the contents did not lay out\n");
        return 1;
    }
    first = NowMs() - first;
    {
        SelectIndexFont(view, 1);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        std::printf("font %ls, cell height %d; list %d x %d; %d rows\n", face, kFontSize,
                    kListArea.Right - kListArea.Left, kListArea.Bottom - kListArea.Top, view->RowCount);
    }
    std::printf("window DC (Wine on Xvfb), first layout %.2f ms (fonts made):\n", first);

    Print("LayoutIndex of the whole list", TimeRuns(kRuns, [&](int) { ResizeIndexView(view, 440, 560); }), 0);
    RevealArticle(view, 1000);
    Print("re-layout at a size change", TimeRuns(kRuns, [&](int i) {
              ShownEntry* snapshot = SaveShownEntries(view);
              ResizeIndexView(view, 440 - (i & 1), 560);
              RestoreShownEntries(view, snapshot);
              PlainFree(snapshot);
          }), kRelayoutGoalMs);

    for (IndexRow* row = view->Rows; row->Flags != 0; ++row) {
        if (!(row->Flags & kEntryShown)) ++view->ShownRowCount;
        row->Flags |= kEntryShown | kEntryOpen;
    }
    ComputeMaxTopRow(view);
    view->TopRow = uint16_t(view->MaxTopRow / 2);
    const Timing page = TimeRuns(kRuns, [&](int) { DrawIndexView(view, kErase); });
    std::printf("  (a page: %d rows drawn)\n", view->RowsDrawn);
    Print("full page draw", page, kPageGoalMs);

    DestroyIndexView(view, kReleaseView);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    for (void* glyph : AppSettings.GlyphBitmaps) DeleteObject(static_cast<HBITMAP>(glyph));
    return 0;
}
