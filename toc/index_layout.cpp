// Laying a contents buffer out into the rows of the index list.
#include <climits>
#include <cstring>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "toc/contents.h"
#include "toc/index_view.h"

namespace {
constexpr uint8_t kSpace = 0x20;

// The title reversed, so that rows are broken in reading order: the first row
// then holds the title's stored tail. Null on no memory.
uint8_t* ReversedTitle(const uint8_t* title, uint32_t n) {
    auto* reversed = static_cast<uint8_t*>(PlainAlloc(size_t(n) + 1));
    if (!reversed) return nullptr;
    for (uint32_t k = 0; k < n; ++k) reversed[k] = title[n - 1 - k];
    reversed[n] = 0;
    return reversed;
}

// One run of LayoutIndex over one buffer.
class IndexLayout {
public:
    IndexLayout(IndexView* view, const uint8_t* buffer) : view_(view), buffer_(buffer) {}

    // Lays out every entry; false when memory ran out (the rows then end after
    // the last complete one).
    bool Run();
    int32_t RowsMade() const { return index_; }
    int32_t ShownRows() const { return shown_; }
    FontHandle PreviousFont() const { return previousFont_; }

private:
    bool LayOutEntry(const uint8_t* entry, uint32_t titleOffset, uint32_t n);
    bool RoomForRow();

    IndexView* view_;
    const uint8_t* buffer_;
    uint8_t flags_ = kFirstEntryFlags;
    int32_t height_ = 0;
    int32_t index_ = 0;
    int32_t shown_ = 0;
    bool full_ = false;
    FontHandle previousFont_ = nullptr;
};

bool IndexLayout::Run() {
    previousFont_ = SelectIndexFont(view_, kFirstEntryFlags);
    height_ = view_->Dc->Metrics().Height;
    for (const uint8_t* entry = buffer_; EntryFlags(entry) != 0 && !full_; entry = NextEntry(entry)) {
        const uint32_t titleOffset = uint32_t(EntryTitle(entry) - buffer_);
        const uint32_t n = EntryTitleLength(entry);
        // A row addresses its text with a 16-bit offset: a title that reaches
        // past that ends the list.
        if (titleOffset + n >= kContentsOffsetLimit) break;
        if (!LayOutEntry(entry, titleOffset, n)) return false;
    }
    return true;
}

int32_t GrowIndexRows(IndexView* view) {
    if (!view) return kNoView;
    const int32_t capacity = view->RowCapacity + kRowGrowth;
    auto* rows = static_cast<IndexRow*>(PlainAlloc((size_t(capacity) + 1) * sizeof(IndexRow)));
    if (!rows) return kGrowFailed;
    if (view->Rows) std::memcpy(rows, view->Rows, size_t(view->RowCapacity) * sizeof(IndexRow));
    PlainFree(view->Rows);
    view->Rows = rows;
    view->RowCapacity = uint16_t(capacity);
    return 0;
}

// Makes sure row index_ may be written: grows the rows, or ends the list when
// the 16-bit counts would overflow.
bool IndexLayout::RoomForRow() {
    if (index_ >= kMaxIndexRows) {
        full_ = true;
        return true;
    }
    if (index_ >= view_->RowCapacity && GrowIndexRows(view_) != 0) {
        std::memset(&view_->Rows[index_], 0, sizeof(IndexRow));
        return false;
    }
    return true;
}

bool IndexLayout::LayOutEntry(const uint8_t* entry, uint32_t titleOffset, uint32_t n) {
    int32_t indent = EntryLevel(entry) * ScreenPixels(kIndentPerLevel);
    if (indent >= view_->Width) indent = 0;
    const uint8_t flags = EntryFlags(entry);
    if ((flags & kEntryFontBits) != (flags_ & kEntryFontBits)) {
        SelectIndexFont(view_, flags);
        height_ = view_->Dc->Metrics().Height;
    }
    flags_ = flags;

    uint8_t* reversed = ReversedTitle(EntryTitle(entry), n);
    if (!reversed) {
        std::memset(&view_->Rows[index_], 0, sizeof(IndexRow));
        return false;
    }
    int32_t p = 0;
    int32_t remaining = int32_t(n);
    bool done = true;
    while (true) {
        while (reversed[p] == kSpace) {
            ++p;
            --remaining;
        }
        if (reversed[p] == 0) break;
        if (!RoomForRow()) {
            done = false;
            break;
        }
        if (full_) break;

        const int32_t avail = view_->Width - indent;
        int32_t width = avail;
        int32_t fit = remaining;
        FitText(view_->Dc, reversed + p, &width, &fit);
        if (fit > 0 && reversed[p + fit] != 0 && reversed[p + fit] != kSpace) {
            // The cut falls inside a word: break at the last space before it;
            // a word wider than the list is cut where the width ran out.
            int32_t k = fit - 1;
            while (k > 0 && reversed[p + k] != kSpace) --k;
            if (k > 0) {
                fit = k;
                width = avail;
                FitText(view_->Dc, reversed + p, &width, &fit);
            }
        }
        if (fit == 0) {
            // Not even one character fits the list: the row takes one anyway,
            // so that a list narrower than a letter still ends its layout.
            fit = 1;
            width = INT32_MAX;
            FitText(view_->Dc, reversed + p, &width, &fit);
            if (fit == 0) {
                // The conversion had no memory.
                std::memset(&view_->Rows[index_], 0, sizeof(IndexRow));
                done = false;
                break;
            }
        }

        IndexRow& row = view_->Rows[index_];
        row.TextOffset = uint16_t(titleOffset + n - uint32_t(p) - uint32_t(fit));
        row.TextLength = uint16_t(fit);
        row.Width = uint16_t(width);
        row.Height = uint16_t(height_);
        row.Key = EntryKey(entry);
        // A row whose flags hold nothing but Shown and Open would read as the
        // end row once both are cleared: it carries the unused bit as well.
        const bool onlyShownAndOpen = (flags_ & ~(kEntryShown | kEntryOpen)) == 0;
        row.Flags = onlyShownAndOpen ? uint8_t(flags_ | kEntryUnusedBit) : flags_;
        row.X = uint16_t(view_->Left + view_->Width - indent - width);
        if (row.Flags & kEntryShown) ++shown_;
        p += fit;
        remaining -= fit;
        ++index_;
    }
    PlainFree(reversed);
    return done;
}

void ReleaseContents(IndexView* view) {
    PlainFree(view->Contents);
    view->Contents = nullptr;
}

// An empty row list: nothing is drawn or hit over text that is gone.
void ClearRows(IndexView* view) {
    if (view->Rows) std::memset(&view->Rows[0], 0, sizeof(IndexRow));
    view->RowCount = 0;
    view->ShownRowCount = 0;
    view->MaxTopRow = 0;
}
}  // namespace

int32_t RowIndentation(const IndexView* view, const IndexRow& row) {
    // X is read as a signed number: a row wider than a very narrow list
    // starts left of it.
    return view->Left + view->Width - int16_t(row.X) - row.Width;
}

int32_t LayoutIndex(IndexView* view, uint8_t* buffer, int32_t releaseOld) {
    if (!view) return kNoView;
    if (!buffer) {
        if (releaseOld) {
            ReleaseContents(view);
            ClearRows(view);
        }
        return kLayoutNoText;
    }
    // Nothing to lay out: the rows stay as they were.
    if (EntryFlags(buffer) == 0 || EntryTitle(buffer)[0] == 0) return kLayoutRefused;
    // Laying the shown contents out again must not release them.
    if (releaseOld && view->Contents != buffer) {
        ReleaseContents(view);
        ClearRows(view);
    }
    view->ShownRowCount = 0;
    view->MaxTopRow = 0;
    if (!view->Rows || view->RowCapacity == 0) {
        PlainFree(view->Rows);
        view->Rows = nullptr;
        view->RowCapacity = 0;
        auto* rows = static_cast<IndexRow*>(PlainAlloc((kRowGrowth + 1) * sizeof(IndexRow)));
        if (!rows) {
            view->RowCount = 0;
            return kLayoutOutOfMemory;
        }
        std::memset(&rows[0], 0, sizeof rows[0]);
        view->Rows = rows;
        view->RowCapacity = kRowGrowth;
    }

    IndexLayout layout(view, buffer);
    const bool done = layout.Run();
    view->Dc->SelectFont(layout.PreviousFont());
    if (!done) {
        // The rows end after the last complete one; they belong to buffer,
        // so a view that still shows other contents shows none.
        if (view->Contents != buffer) {
            ClearRows(view);
        } else {
            view->RowCount = uint16_t(layout.RowsMade());
            view->ShownRowCount = uint16_t(layout.ShownRows());
            ComputeMaxTopRow(view);
        }
        return kLayoutOutOfMemory;
    }
    std::memset(&view->Rows[layout.RowsMade()], 0, sizeof(IndexRow));
    view->RowCount = uint16_t(layout.RowsMade());
    view->ShownRowCount = uint16_t(layout.ShownRows());
    view->Contents = buffer;
    ComputeMaxTopRow(view);
    return kLayoutDone;
}

int32_t ComputeMaxTopRow(IndexView* view) {
    if (!view || !view->Rows || view->RowCount == 0) return kNoView;
    // A restored snapshot may match no row: nothing shown leaves nothing to scroll.
    if (view->ShownRowCount == 0) return view->MaxTopRow = 0;
    int32_t space = int16_t(view->Height);
    int32_t fit = 0;
    for (int32_t k = view->RowCount - 1; k >= 0; --k) {
        const IndexRow& row = view->Rows[k];
        if (space < row.Height) break;
        if (row.Flags & kEntryShown) {
            space -= row.Height;
            ++fit;
        }
    }
    view->MaxTopRow = uint16_t(view->ShownRowCount > fit ? view->ShownRowCount - fit : 0);
    return view->MaxTopRow;
}
