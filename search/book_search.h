// The search over the whole book: Search and Search Again.
#pragma once
#include <cstdint>

#include "view/article_view.h"

constexpr int32_t kSearchHitShown = 1;
constexpr int32_t kSearchNothingShown = 0;

constexpr char16_t kNotFoundText[] = u"Not Found!";
constexpr char16_t kNotFoundCaption[] = u"Orvendel";

// The offset in the view's Text from which the current article is searched:
// the start of the top visible line in reading order, or just after the
// highlighted hit. It always lies after the highlighted hit, so that a search
// from it never finds that hit again: a hit that begins a string continues
// with the next string, and one at the start of the article's last line with
// the next article.
uint16_t SearchStartOffset(const ArticleView* view);

// Looks for the stored pattern from the reader's place on: the rest of the
// current article, each following article (after the last comes the first),
// then the whole current article. On a hit the article becomes current, the
// hit's line goes to the top, the hit is highlighted and the location box
// drawn; returns 1. With no pattern, or no view, returns 0 and does nothing;
// with no hit anywhere shows "Not Found!" owned by owner, changes nothing and
// returns 0. At most one article besides the current one is held at a time.
int32_t SearchBook(void* owner);

// Shows the hit whose last byte is at offset last of article number, length
// bytes long, exactly as a search stopping there does: the article made
// current (loaded when it is another one), the hit's line at the top, the hit
// highlighted and the location box drawn, so that Search Again goes on after
// it. Returns 1, or 0 when there is no view or the article cannot be shown.
int32_t ShowBookHit(uint16_t number, uint16_t last, int32_t length);
