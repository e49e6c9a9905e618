// Any bytes as the contents record and any stored bookmark list: the record is
// taken only when its entries end within it (as the Choose Section dialog
// takes it); then the bookmarks group is put in front, and the list is laid
// out, opened, clicked, revealed, re-laid out narrower and drawn. No walk may
// leave the buffers, every row must address its own title, and the counts
// must agree with the rows.
//
// The first input byte is the list width, the second the number of bookmarks;
// two bytes (little-endian) per bookmark follow, then the record's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "toc/bookmarks_group.h"
#include "toc/contents.h"
#include "toc/index_view.h"
#include "view/letter_codes.h"

namespace {
// Fixed widths that depend on the character, so breaks land everywhere.
class FixedWidthDevice : public TextDevice {
public:
    FontHandle MakeFont(const char16_t*, int32_t height, int32_t) override {
        return reinterpret_cast<FontHandle>(intptr_t(height < 0 ? -height : height) + 1);
    }
    FontHandle SelectFont(FontHandle font) override {
        FontHandle previous = selected_;
        if (font) selected_ = font;
        return previous;
    }
    void DeleteFont(FontHandle) override {}
    TextMetrics Metrics() override { return TextMetrics{int32_t(intptr_t(selected_)) % 40 + 3, 11}; }
    int32_t PixelsPerInchY() override { return 96; }
    TextExtent MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth, int32_t* fit) override {
        int32_t width = 0;
        int32_t fitted = 0;
        for (int32_t i = 0; i < count; ++i) {
            width += 2 + units[i] % 9;
            if (width <= maxWidth && fitted == i) fitted = i + 1;
        }
        if (fit) *fit = fitted;
        return TextExtent{width, 10};
    }
    TextExtent MeasureRun(const char16_t* units, int32_t count) override {
        return MeasureFit(units, count, 0, nullptr);
    }
    void DrawRunCentred(const char16_t*, int32_t, const Rect&) override {}
    Colour TextColour() override { return kBlack; }
    Colour SetTextColour(Colour colour) override { return colour; }
    Colour SetBackColour(Colour colour) override { return colour; }
    void FillWhite(const Rect&) override {}
    void DrawBlackRectangle(const Rect&) override {}

private:
    FontHandle selected_ = reinterpret_cast<FontHandle>(intptr_t(1));
};

void Check(const IndexView* view) {
    if (!view->Contents) return;
    const uint32_t length = ContentsLength32(view->Contents);
    int32_t shown = 0;
    for (int32_t i = 0; i < view->RowCount; ++i) {
        const IndexRow& row = view->Rows[i];
        if (row.Flags == 0 || row.TextLength == 0) std::abort();
        if (uint32_t(row.TextOffset) + row.TextLength > length) std::abort();
        if (row.Flags & kEntryShown) ++shown;
    }
    if (view->Rows[view->RowCount].Flags != 0) std::abort();
    if (shown != view->ShownRowCount) std::abort();
    if (view->MaxTopRow > view->ShownRowCount) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static FixedWidthDevice device;
    static int glyphs[3];
    ClearAppSettings();
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    for (int i = 0; i < 3; ++i) AppSettings.GlyphBitmaps[i] = &glyphs[i];
    const int32_t width = data[0];
    const size_t bookmarks = data[1];
    if (size < 2 + 2 * bookmarks) return 0;
    auto* list = static_cast<uint16_t*>(PlainAlloc((bookmarks + 1) * sizeof(uint16_t)));
    size_t count = 0;
    for (size_t i = 0; i < bookmarks; ++i) {
        const uint16_t number = uint16_t(data[2 + 2 * i] | data[3 + 2 * i] << 8);
        if (number) list[count++] = number;
    }
    list[count] = 0;
    AppSettings.Bookmarks = list;
    AppSettings.BookmarkCount = uint16_t(count);

    // As the record loader hands a record over: its bytes, then two zero bytes.
    const uint8_t* record = data + 2 + 2 * bookmarks;
    const size_t recordSize = size - 2 - 2 * bookmarks;
    auto* contents = static_cast<uint8_t*>(PlainAlloc(recordSize + 2));
    if (recordSize) std::memcpy(contents, record, recordSize);
    contents[recordSize] = 0;
    contents[recordSize + 1] = 0;
    if (!ContentsEndWithin(contents, recordSize + 2)) {
        PlainFree(contents);
        contents = nullptr;
    }
    uint8_t* buffer = PrependBookmarksGroup(contents);

    const Rect area{0, 0, width, 120};
    IndexView* view = CreateIndexView(&device, &area, &AppSettings.Font, kIndexViewCapacity);
    if (LayoutIndex(view, buffer, kKeepPrevious) != kLayoutDone && view->Contents != buffer) PlainFree(buffer);
    Check(view);
    RevealArticle(view, uint16_t(width * 7 + 1));
    Check(view);
    for (int32_t y = 0; y <= 120; y += 7) {
        HitTestIndex(view, width / 2, y);
        HitTestIndex(view, width, y);
        Check(view);
    }
    ScrollIndexView(view, 3, kScrollRedraw, kScrollClampAtEnd);
    ShownEntry* snapshot = SaveShownEntries(view);
    ResizeIndexView(view, width / 3, 120);
    RestoreShownEntries(view, snapshot);
    PlainFree(snapshot);
    Check(view);
    DrawIndexView(view, kErase);

    DestroyIndexView(view, kReleaseView);
    PlainFree(list);
    ClearAppSettings();
    return 0;
}
