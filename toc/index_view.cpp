// The index list's record: creating, resizing and destroying it, and its fonts.
#include "toc/index_view.h"

#include <cstring>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "view/font_cache.h"

namespace {
// The font of a font key. The size is not taken as points: a positive height
// is a character cell height in pixels at 96 DPI, scaled for the screen.
FontHandle MakeIndexFont(IndexView* view, uint16_t key) {
    return view->Dc->MakeFont(view->Font.FontName,
                              ScreenPixels(KeyFontSize(key, view->Font.FontSize)), KeyFontWeight(key));
}
}  // namespace

IndexView* CreateIndexView(TextDevice* dc, const Rect* rectangle, const FontSpec* fontSpec,
                           int32_t capacity) {
    if (!dc) return nullptr;
    auto* view = static_cast<IndexView*>(PlainAlloc(sizeof(IndexView)));
    if (!view) return nullptr;
    std::memset(view, 0, sizeof *view);
    view->Dc = dc;
    if (fontSpec) view->Font = *fontSpec;
    if (rectangle) {
        view->Left = rectangle->Left;
        view->Top = rectangle->Top;
        view->Width = rectangle->Right - rectangle->Left;
        view->Height = rectangle->Bottom - rectangle->Top;
    }
    if (capacity > 0 && capacity <= kMaxIndexRows) {
        auto* rows = static_cast<IndexRow*>(PlainAlloc((size_t(capacity) + 1) * sizeof(IndexRow)));
        if (rows) {
            std::memset(&rows[0], 0, sizeof rows[0]);
            view->Rows = rows;
            view->RowCapacity = uint16_t(capacity);
        }
    }
    return view;
}

void DestroyIndexView(IndexView* view, int32_t releaseView) {
    if (!view) return;
    PlainFree(view->Contents);
    view->Contents = nullptr;
    PlainFree(view->Rows);
    view->Rows = nullptr;
    view->RowCapacity = 0;
    view->RowCount = 0;
    view->ShownRowCount = 0;
    ReleaseIndexFonts(view);
    if (releaseView) PlainFree(view);
}

void ReleaseIndexFonts(IndexView* view) {
    if (!view) return;
    ReleaseFontCache(&view->FontCache, view->Dc);
}

int32_t ResizeIndexView(IndexView* view, int32_t width, int32_t height) {
    if (!view) return kNoView;
    view->Width = width;
    view->Height = height;
    return LayoutIndex(view, view->Contents, kKeepPrevious);
}

namespace {

FontHandle CreateIndexFont(IndexView* view, uint16_t fontBits) {
    if (!view) return nullptr;
    auto* entry = static_cast<FontCacheEntry*>(PlainAlloc(sizeof(FontCacheEntry)));
    if (!entry) return nullptr;
    entry->Key = fontBits;
    entry->Font = MakeIndexFont(view, fontBits);
    entry->Next = view->FontCache;
    view->FontCache = entry;
    return entry->Font;
}

}  // namespace

FontHandle SelectIndexFont(IndexView* view, uint16_t value) {
    if (!view) return nullptr;
    const uint16_t key = value & kFontKeyMask;
    FontCacheEntry* entry = FindCachedFont(view->FontCache, key);
    FontHandle font = nullptr;
    if (!entry)
        font = CreateIndexFont(view, key);
    else if (!entry->Font)
        font = entry->Font = MakeIndexFont(view, key);   // released earlier: made again
    else
        font = entry->Font;
    if (value & kFormatSetColour) view->Dc->SetTextColour(FormatColour(value));
    // Without a font the current one stays selected; the caller selects back
    // a none, which changes nothing.
    if (!font) return nullptr;
    return view->Dc->SelectFont(font);
}
