#include "view/article_view.h"

#include <cstring>

#include "platform/allocation.h"
#include "view/font_cache.h"
#include "view/mul_div.h"

namespace {
constexpr int32_t kPointsPerInch = 72;
constexpr int32_t kPrintSmallPoints = 8;

// The font a cache key stands for, in the view's face and size.
FontHandle MakeKeyFont(ArticleView* view, uint16_t key) {
    const bool printSmall = !(key & (kFormatLarge | kFormatSmall)) && (key & kFormatPrintSmall);
    const int32_t points = printSmall ? kPrintSmallPoints : KeyFontSize(key, view->Font.FontSize);
    const int32_t height = -MulDiv(points, view->Dc->PixelsPerInchY(), kPointsPerInch);
    return view->Dc->MakeFont(view->Font.FontName, height, KeyFontWeight(key));
}

FontHandle MakeCachedFont(void* view, uint16_t key) {
    return MakeKeyFont(static_cast<ArticleView*>(view), key);
}
}  // namespace

ArticleView* CreateArticleView(TextDevice* dc, const Rect* rectangle, const FontSpec* fontSpec,
                               int32_t initialCapacity) {
    if (!dc) return nullptr;
    auto* view = static_cast<ArticleView*>(PlainAlloc(sizeof(ArticleView)));
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
    // The capacity is a 16-bit count; a larger request is left to the layout,
    // which grows the table as far as it may.
    if (initialCapacity > 0 && initialCapacity <= kMaxLineCount) {
        auto* lines = static_cast<ArticleLine*>(
            PlainAlloc((size_t(initialCapacity) + 1) * sizeof(ArticleLine)));
        if (lines) {
            std::memset(&lines[0], 0, sizeof lines[0]);
            view->Lines = lines;
            view->LineCapacity = uint16_t(initialCapacity);
        }
    }
    return view;
}

void DestroyArticleView(ArticleView* view, int32_t releaseRecord) {
    if (!view) return;
    PlainFree(view->Text);
    view->Text = nullptr;
    PlainFree(view->Lines);
    view->Lines = nullptr;
    view->LineCapacity = 0;
    view->LineCount = 0;
    view->PageStart = nullptr;
    view->PageEnd = nullptr;
    // The entries go with the fonts: a record that is kept (a print view's) must
    // not hold on to memory it no longer uses.
    ReleaseFontCache(&view->FontCache, view->Dc);
    if (releaseRecord) PlainFree(view);
}

int32_t ResizeArticleView(ArticleView* view, int32_t width, int32_t height) {
    if (!view) return kNoView;
    if (width <= 0 || height <= 0) return kBadSize;
    view->Width = width;
    view->Height = height;
    return LayoutArticle(view, view->Text, kKeepPrevious);
}

int32_t SetArticleFont(ArticleView* view, const FontSpec* fontSpec) {
    if (!view) return kNoView;
    if (!fontSpec) {
        DeleteCachedFonts(view->FontCache, view->Dc);
        return 0;
    }
    view->Font = *fontSpec;
    for (FontCacheEntry* entry = view->FontCache; entry; entry = entry->Next) {
        if (entry->Font) view->Dc->DeleteFont(entry->Font);
        entry->Font = MakeKeyFont(view, entry->Key);
    }
    if (LayoutArticle(view, view->Text, kKeepPrevious) != kLayoutDone) return 1;
    return DrawArticleView(view, kErase);
}

FontHandle SelectFormatFont(ArticleView* view, uint16_t formatWord) {
    if (!view) return nullptr;
    // Fonts released by SetArticleFont (view, none) are made again on demand.
    return SelectCachedFont(&view->FontCache, view->Dc, formatWord, MakeCachedFont, view);
}
