#include "view/font_cache.h"

#include "platform/allocation.h"

FontHandle SelectCachedFont(FontCacheEntry** cache, TextDevice* dc, uint16_t formatWord,
                            KeyFontMaker make, void* context) {
    if (!cache || !dc) return nullptr;
    const uint16_t key = formatWord & kFontKeyMask;
    FontCacheEntry* entry = FindCachedFont(*cache, key);
    if (!entry) {
        entry = static_cast<FontCacheEntry*>(PlainAlloc(sizeof(FontCacheEntry)));
        // Without memory for an entry the current font stays selected; the
        // caller selects back a none, which changes nothing.
        if (!entry) return nullptr;
        entry->Key = key;
        entry->Font = nullptr;
        entry->Next = *cache;
        *cache = entry;
    }
    // Fonts released earlier are made again on demand.
    if (!entry->Font) entry->Font = make(context, key);
    if (formatWord & kFormatSetColour) dc->SetTextColour(FormatColour(formatWord));
    if (!entry->Font) return nullptr;
    return dc->SelectFont(entry->Font);
}

FontCacheEntry* FindCachedFont(FontCacheEntry* cache, uint16_t key) {
    FontCacheEntry* entry = cache;
    while (entry && entry->Key != key) entry = entry->Next;
    return entry;
}

void DeleteCachedFonts(FontCacheEntry* cache, TextDevice* dc) {
    for (FontCacheEntry* entry = cache; entry; entry = entry->Next) {
        if (entry->Font && dc) dc->DeleteFont(entry->Font);
        entry->Font = nullptr;
    }
}

void ReleaseFontCache(FontCacheEntry** cache, TextDevice* dc) {
    if (!cache) return;
    DeleteCachedFonts(*cache, dc);
    for (FontCacheEntry* entry = *cache; entry;) {
        FontCacheEntry* next = entry->Next;
        PlainFree(entry);
        entry = next;
    }
    *cache = nullptr;
}
