// The index list over the book's own table of contents on the fake device:
// LayoutIndex of the whole list (every title measured), the re-layout at a size
// change as the dialog does it (snapshot, layout, restore), and the drawing of
// a full page with every section open. Repeated runs report median and spread.
//
// The contents record is read as the book builder wrote it,
// <generated>/records/32767.bin, where <generated> is $ORVENDEL_GENERATED_DIR
// or this build's generated/ directory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_text_device.h"
#include "toc/contents.h"
#include "toc/index_view.h"
#include "view/letter_codes.h"

namespace {
constexpr int32_t kListHeight = 560;
constexpr int kRepetitions = 15;

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::vector<uint8_t> data;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return data;
    uint8_t chunk[8192];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) data.insert(data.end(), chunk, chunk + n);
    std::fclose(in);
    return data;
}

// A fresh copy of the contents record, or null without the book.
uint8_t* LoadContents() {
    const char* generated = std::getenv("ORVENDEL_GENERATED_DIR");
    const std::string path = (generated ? std::string(generated) : std::string(ORVENDEL_BINARY_DIR) + "/generated") +
                             "/records/" + std::to_string(kContentsRecordId) + ".bin";
    ScopedFakePorts ports;
    ports.Records.Records[kContentsRecordId] = ReadFile(path);
    return LoadRecord(kContentsRecordNumber, nullptr);
}

struct ListOnFake {
    FakeTextDevice Device;
    IndexView* View = nullptr;
    bool Valid = false;

    explicit ListOnFake(int32_t width) {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
        FontSpec spec{};
        const char16_t face[] = u"DejaVu Sans";
        for (int i = 0; face[i]; ++i) spec.FontName[i] = face[i];
        spec.FontSize = 16;
        const Rect area{0, 0, width, kListHeight};
        View = CreateIndexView(&Device, &area, &spec, kIndexViewCapacity);
        Valid = LayoutIndex(View, LoadContents(), kReleasePrevious) == kLayoutDone;
    }
    ~ListOnFake() {
        DestroyIndexView(View, kReleaseView);
        ClearAppSettings();
    }
    void OpenEverything() {
        for (IndexRow* row = View->Rows; row->Flags != 0; ++row) {
            if (!(row->Flags & kEntryShown)) ++View->ShownRowCount;
            row->Flags |= kEntryShown | kEntryOpen;
        }
        ComputeMaxTopRow(View);
    }
};

void WholeListLayout(benchmark::State& state) {
    ListOnFake list(int32_t(state.range(0)));
    if (!list.Valid) return state.SkipWithError("no contents record in this build");
    for (auto _ : state) {
        if (ResizeIndexView(list.View, int32_t(state.range(0)), kListHeight) != kLayoutDone)
            state.SkipWithError("layout failed");
    }
    state.counters["rows"] = list.View->RowCount;
}
BENCHMARK(WholeListLayout)->Arg(250)->Arg(450)->Arg(900)->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

void SizeChangeRelayout(benchmark::State& state) {
    ListOnFake list(450);
    if (!list.Valid) return state.SkipWithError("no contents record in this build");
    RevealArticle(list.View, 1000);
    int32_t width = 450;
    for (auto _ : state) {
        width = width == 450 ? 449 : 450;   // a drag of the frame, a pixel at a time
        ShownEntry* snapshot = SaveShownEntries(list.View);
        ResizeIndexView(list.View, width, kListHeight);
        RestoreShownEntries(list.View, snapshot);
        PlainFree(snapshot);
    }
}
BENCHMARK(SizeChangeRelayout)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

void FullPageDraw(benchmark::State& state) {
    ListOnFake list(450);
    if (!list.Valid) return state.SkipWithError("no contents record in this build");
    list.OpenEverything();
    list.View->TopRow = uint16_t(list.View->MaxTopRow / 2);
    for (auto _ : state) {
        list.Device.ClearRecording();
        DrawIndexView(list.View, kErase);
    }
    state.counters["rows drawn"] = list.View->RowsDrawn;
}
BENCHMARK(FullPageDraw)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
}  // namespace

BENCHMARK_MAIN();
