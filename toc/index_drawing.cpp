// Drawing the index list, its icons, and scrolling it.
#include <algorithm>

#include "settings/app_settings.h"
#include "toc/contents.h"
#include "toc/index_view.h"

namespace {
bool CanDraw(const IndexView* view) { return view && view->Contents && view->Rows && view->Dc; }

// The font word of a row: its flags, and the normal font for the end row.
uint16_t RowFontWord(const IndexRow& row) { return row.Flags ? row.Flags : kFirstEntryFlags; }
}  // namespace

// The row where drawing and hit testing begin: past TopRow shown rows, or the
// end row.
IndexRow* SkipTopRows(IndexView* view) {
    IndexRow* row = view->Rows;
    for (int32_t passed = 0; passed < view->TopRow && row->Flags != 0; ++row)
        if (row->Flags & kEntryShown) ++passed;
    return row;
}

namespace {

void DrawIndexIcon(IndexView* view, const IndexRow* row, int32_t y) {
    if (!view || !view->Dc || !row) return;
    IndexIcon icon = IndexIcon::Page;
    if (IsSectionKey(row->Key))
        icon = (row->Flags & kEntryOpen) ? IndexIcon::OpenSection : IndexIcon::ClosedSection;
    void* bitmap = AppSettings.GlyphBitmaps[int(icon)];
    if (!bitmap) return;
    const int32_t size = kIconSize * ScreenPictureMultiple();
    const int32_t half = (row->Height - size) / 2;
    const int32_t x = int16_t(row->X) + row->Width + ScreenPixels(kIconGap);
    const int32_t top = int16_t(half > 0 ? y + half : y);
    view->Dc->CopyGlyphBitmap(bitmap, x, top, size, size);
}

}  // namespace

int32_t DrawIndexView(IndexView* view, int32_t erase) {
    if (!CanDraw(view)) return kNoView;
    TextDevice* dc = view->Dc;
    view->RowsDrawn = 0;
    int32_t space = view->Height;
    if (view->TopRow > view->ShownRowCount) view->TopRow = view->MaxTopRow;
    IndexRow* row = SkipTopRows(view);
    int32_t y = view->Top;

    const Colour savedColour = dc->TextColour();
    uint16_t current = RowFontWord(*row);
    const FontHandle savedFont = SelectIndexFont(view, current | kFormatSetColour);
    if (erase)
        dc->FillWhite(
            Rect{view->Left, view->Top, view->Left + view->Width, view->Top + view->Height});

    uint16_t lastKey = 0;
    for (; row->Flags != 0 && space >= row->Height; ++row) {
        if (!(row->Flags & kEntryShown)) continue;
        if ((row->Flags ^ current) & kEntryFontBits)
            SelectIndexFont(view, row->Flags | kFormatSetColour);
        if (row->Key != lastKey) {
            DrawIndexIcon(view, row, y);
            lastKey = row->Key;
        }
        current = row->Flags;
        DrawRun(dc, view->Contents + row->TextOffset, row->TextLength, int16_t(row->X), y,
                row->Width, row->Height);
        y += row->Height;
        space -= row->Height;
        ++view->RowsDrawn;
    }

    dc->SelectFont(savedFont);
    dc->SetTextColour(savedColour);
    return 0;
}

int32_t ScrollIndexView(IndexView* view, int32_t delta, int32_t redrawMode, int32_t clampAlways) {
    if (!view) return kNoView;
    int32_t target = int32_t(view->TopRow) + delta;
    if (target < 0)
        target = 0;
    else if (clampAlways || target > view->ShownRowCount)
        target = std::min(target, int32_t(view->MaxTopRow));
    if (redrawMode == kScrollRedraw && target == view->TopRow) return 1;
    view->TopRow = uint16_t(target);
    if (redrawMode) return DrawIndexView(view, kErase);
    return 1;
}
