// The per-view font cache that the article view and the index list share: one
// FontCacheEntry per font key, its font made on first use and kept until the
// view releases its fonts.
#pragma once
#include <cstdint>

#include "view/article_view.h"

// Makes the font that a cache key stands for; context is the owning view.
using KeyFontMaker = FontHandle (*)(void* context, uint16_t key);

// Selects the font for formatWord (its key is formatWord AND 0x101F) into dc,
// making it with make when the cache has none for that key yet. With the
// colour bit 0x100 in formatWord the text colour is set as well: blue for
// large bold, black otherwise. Returns the font selected before, or none when
// no font could be had (the current font then stays).
FontHandle SelectCachedFont(FontCacheEntry** cache, TextDevice* dc, uint16_t formatWord,
                            KeyFontMaker make, void* context);
// The entry for key, or null.
FontCacheEntry* FindCachedFont(FontCacheEntry* cache, uint16_t key);
// Deletes every font object of the cache; the entries stay, so each font is
// made again on its next use.
void DeleteCachedFonts(FontCacheEntry* cache, TextDevice* dc);
// Deletes the fonts and frees the entries; the cache is empty afterwards.
void ReleaseFontCache(FontCacheEntry** cache, TextDevice* dc);

// The size and weight of a key's font, from the view's size (0: none chosen):
// large text is five quarters of it (20 when none is chosen), small text six
// eighths (14); any other key keeps the size as it is.
constexpr int32_t kFontWeightNormal = 400;
constexpr int32_t kFontWeightBold = 700;
constexpr int32_t KeyFontSize(uint16_t key, int32_t size) {
    if (key & kFormatLarge) return size == 0 ? 20 : size * 5 / 4;
    if (key & kFormatSmall) return size == 0 ? 14 : size * 6 / 8;
    return size;
}
constexpr int32_t KeyFontWeight(uint16_t key) {
    return (key & kFormatBold) ? kFontWeightBold : kFontWeightNormal;
}

// The text colour of a format word: blue for large bold, black otherwise.
constexpr Colour FormatColour(uint16_t formatWord) {
    return (formatWord & (kFormatLarge | kFormatBold)) == (kFormatLarge | kFormatBold) ? kBlue
                                                                                        : kBlack;
}
