// The index list as a tree: hit testing, opening and closing sections,
// revealing an article, and keeping the shown entries across a re-layout.
#include <cstring>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "toc/contents.h"
#include "toc/index_view.h"

namespace {
bool HasRows(const IndexView* view) { return view && view->Contents && view->Rows; }
bool IsShown(const IndexRow& row) { return (row.Flags & kEntryShown) != 0; }

IndexRow* FirstOfRun(IndexView* view, IndexRow* row) {
    while (row > view->Rows && (row - 1)->Key == row->Key) --row;
    return row;
}

IndexRow* LastOfRun(IndexRow* row) {
    while ((row + 1)->Flags != 0 && (row + 1)->Key == row->Key) ++row;
    return row;
}
}  // namespace

int32_t HitTestIndex(IndexView* view, int32_t x, int32_t y) {
    if (!HasRows(view)) return 0;
    if (x < view->Left || x > view->Left + view->Width || y < view->Top ||
        y > view->Top + view->Height)
        return 0;
    IndexRow* row = SkipTopRows(view);
    int32_t bottom = int16_t(view->Top);
    int32_t space = view->Height;
    IndexRow* hit = nullptr;
    for (; row->Flags != 0 && space >= row->Height; ++row) {
        if (!IsShown(*row)) continue;
        bottom += row->Height;
        space -= row->Height;
        if (y <= bottom) {
            hit = row;
            break;
        }
    }
    if (!hit) return kHitBelowRows;

    const int32_t left = int16_t(hit->X);
    const int32_t right = left + hit->Width;
    if (x >= left && x <= right + ScreenPixels(kIconHitWidth)) {
        if (hit->Key & kArticleKeyBit) return hit->Key & kKeyNumberMask;
        return ToggleSection(view, hit);
    }
    if (!IsSectionKey(hit->Key) || x <= right) return 0;
    return ToggleSection(view, hit);
}

// The entry's own rows (a title over several rows) keep their Shown state and
// take the new Open state together, so that the icon, drawn on the first row
// shown, always tells the state. The subtree is the rows after them that are
// indented further than the entry; opening shows its direct children (the
// rows at the first child's indentation), closing hides all of it.
int32_t ToggleSection(IndexView* view, IndexRow* row) {
    if (!HasRows(view) || !row) return kNoView;
    IndexRow* first = FirstOfRun(view, row);
    IndexRow* last = LastOfRun(first);
    const bool wasOpen = (first->Flags & kEntryOpen) != 0;
    for (IndexRow* own = first; own <= last; ++own)
        own->Flags = uint8_t(wasOpen ? own->Flags & ~kEntryOpen : own->Flags | kEntryOpen);

    const int32_t ownIndent = RowIndentation(view, *first);
    const uint16_t before = view->ShownRowCount;
    IndexRow* q = last + 1;
    if (q->Flags != 0 && RowIndentation(view, *q) > ownIndent) {
        const int32_t level = RowIndentation(view, *q);
        for (; q->Flags != 0; ++q) {
            const int32_t indent = RowIndentation(view, *q);
            if (indent <= ownIndent) break;
            if (wasOpen) {
                if (IsShown(*q)) {
                    q->Flags &= uint8_t(~kEntryShown);
                    --view->ShownRowCount;
                }
            } else if (indent == level && !IsShown(*q)) {
                q->Flags |= kEntryShown;
                ++view->ShownRowCount;
            }
        }
    }
    if (view->ShownRowCount != before) ComputeMaxTopRow(view);
    DrawIndexView(view, kErase);
    return -int32_t(first->Key & kKeyNumberMask);
}

namespace {

void ShowEntryRun(IndexView* view, IndexRow* row, int32_t step) {
    if (!HasRows(view) || !row) return;
    const uint16_t key = row->Key;
    IndexRow* const end = view->Rows + view->RowCount;
    while (row >= view->Rows && row < end && row->Flags != 0 && row->Key == key) {
        if (!IsShown(*row)) {
            row->Flags |= kEntryShown;
            ++view->ShownRowCount;
            // A heading shown this way starts closed.
            if (IsSectionKey(key)) row->Flags &= uint8_t(~kEntryOpen);
        }
        if (step < 0 && row == view->Rows) break;
        row += step;
    }
}

}  // namespace

void RevealArticle(IndexView* view, uint16_t articleNumber) {
    if (!HasRows(view) || view->RowCount == 0 || articleNumber == 0) return;
    IndexRow* article = view->Rows;
    while (article->Flags != 0 &&
           ((article->Key & kKeyNumberMask) != articleNumber || IsSectionKey(article->Key)))
        ++article;
    // A bookmarked article's bookmark row comes first and is always shown.
    if (article->Flags == 0 || IsShown(*article)) return;

    const uint16_t before = view->ShownRowCount;
    ShowEntryRun(view, article, +1);
    IndexRow* next = article;
    while (next->Flags != 0 && next->Key == article->Key) ++next;
    if (next->Flags != 0) ShowEntryRun(view, next, +1);

    int32_t level = RowIndentation(view, *article);
    for (IndexRow* row = article;; --row) {
        const int32_t indent = RowIndentation(view, *row);
        if (indent < level) {
            level = indent;
            ShowEntryRun(view, row, -1);
        }
        if (row == view->Rows) break;
    }
    // The scroll range takes in the rows now shown.
    if (view->ShownRowCount != before) ComputeMaxTopRow(view);
}

ShownEntry* SaveShownEntries(const IndexView* view) {
    if (!HasRows(view)) return nullptr;
    size_t pairs = 0;
    uint16_t lastKey = 0;
    bool any = false;
    for (const IndexRow* row = view->Rows; row->Flags != 0; ++row) {
        if (!IsShown(*row)) continue;
        if (!any || row->Key != lastKey) ++pairs;
        lastKey = row->Key;
        any = true;
    }
    if (!any) return nullptr;
    auto* list = static_cast<ShownEntry*>(PlainAlloc((pairs + 1) * sizeof(ShownEntry)));
    if (!list) return nullptr;
    size_t n = 0;
    any = false;
    for (const IndexRow* row = view->Rows; row->Flags != 0; ++row) {
        if (!IsShown(*row)) continue;
        if (!any || row->Key != lastKey)
            list[n++] = ShownEntry{row->Key, uint8_t(row->Flags & kEntryOpen)};
        lastKey = row->Key;
        any = true;
    }
    list[n] = ShownEntry{0, 0};
    return list;
}

// The layout sets Shown and Open afresh from the contents, so the shown rows
// are put back exactly as they were: a section the user closed stays closed,
// and rows outside the list are hidden.
int32_t RestoreShownEntries(IndexView* view, const ShownEntry* list) {
    if (!HasRows(view) || !list) return kNoView;
    const ShownEntry* pair = list;
    uint16_t shown = 0;
    for (IndexRow* p = view->Rows; p->Flags != 0; ++p) {
        if (pair->Key != 0 && p->Key == pair->Key) {
            p->Flags = uint8_t((p->Flags & ~kEntryOpen) | kEntryShown | (pair->Open & kEntryOpen));
            ++shown;
            if ((p + 1)->Flags == 0 || (p + 1)->Key != pair->Key) ++pair;
        } else {
            p->Flags &= uint8_t(~kEntryShown);
        }
    }
    view->ShownRowCount = shown;
    ComputeMaxTopRow(view);
    return 0;
}
