// Marked verses: Go to Verse and the context menu mark them in the view; Copy
// Verse takes the marked ones, else the one holding the search hit, else the
// first one at the top of the page.
#pragma once
#include <cstdint>

#include "verses/verse_index.h"

struct ArticleView;

// Makes the article holding the span's first verse current as every command
// does, puts that verse's first line at the top as far as the scroll range
// allows and marks every verse of the span the article holds. 0 when done,
// 1 when the article could not be shown (nothing changes then).
int32_t GoToVerse(void* window, const VerseIndex& index, const VerseSpan& span);

// Marks the verse whose line is at y (the view's device units), or with
// y < 0 the first verse at the top of the page, and redraws. False when no
// verse is there.
bool MarkVerseAt(const VerseIndex& index, ArticleView* view, int32_t y);
constexpr int32_t kTopVerse = -1;

// Copy Verse: those verses quoted on the clipboard with their reference.
void CopyVerse(const ArticleView* view);
