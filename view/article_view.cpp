#include "view/article_view.h"

#include <cstring>

#include "platform/allocation.h"
#include "view/mul_div.h"

namespace {
constexpr int32_t kPointsPerInch = 72;
constexpr int32_t kDefaultLargePoints = 20;
constexpr int32_t kDefaultSmallPoints = 14;
constexpr int32_t kPrintSmallPoints = 8;
enum FontWeight : int32_t { kWeightNormal = 400, kWeightBold = 700 };

// The font a cache key stands for, in the view's face and size.
FontHandle MakeKeyFont(ArticleView* view, uint16_t key) {
    const int32_t size = view->Font.FontSize;
    int32_t points = size;
    if (key & kFormatLarge)
        points = size == 0 ? kDefaultLargePoints : size * 5 / 4;
    else if (key & kFormatSmall)
        points = size == 0 ? kDefaultSmallPoints : size * 6 / 8;
    else if (key & kFormatPrintSmall)
        points = kPrintSmallPoints;
    const int32_t weight = (key & kFormatBold) ? kWeightBold : kWeightNormal;
    const int32_t height = -MulDiv(points, view->Dc->PixelsPerInchY(), kPointsPerInch);
    return view->Dc->MakeFont(view->Font.FontName, height, weight);
}

void DeleteCachedFonts(ArticleView* view) {
    for (FontCacheEntry* entry = view->FontCache; entry; entry = entry->Next) {
        if (entry->Font) view->Dc->DeleteFont(entry->Font);
        entry->Font = nullptr;
    }
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
    DeleteCachedFonts(view);
    // The entries go with the fonts: a record that is kept (a print view's) must
    // not hold on to memory it no longer uses.
    for (FontCacheEntry* entry = view->FontCache; entry;) {
        FontCacheEntry* next = entry->Next;
        PlainFree(entry);
        entry = next;
    }
    view->FontCache = nullptr;
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
        DeleteCachedFonts(view);
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
    const uint16_t key = formatWord & kFontKeyMask;
    FontCacheEntry* entry = view->FontCache;
    while (entry && entry->Key != key) entry = entry->Next;
    if (!entry) {
        entry = static_cast<FontCacheEntry*>(PlainAlloc(sizeof(FontCacheEntry)));
        // Without memory for an entry the current font stays selected; the
        // caller selects back a none, which changes nothing.
        if (!entry) return nullptr;
        entry->Key = key;
        entry->Font = nullptr;
        entry->Next = view->FontCache;
        view->FontCache = entry;
    }
    // Fonts released by SetArticleFont (view, none) are made again on demand.
    if (!entry->Font) entry->Font = MakeKeyFont(view, key);
    if (formatWord & kFormatSetColour) {
        const bool largeBold = (formatWord & (kFormatLarge | kFormatBold)) == (kFormatLarge | kFormatBold);
        view->Dc->SetTextColour(largeBold ? kBlue : kBlack);
    }
    if (!entry->Font) return nullptr;
    return view->Dc->SelectFont(entry->Font);
}
