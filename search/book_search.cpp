#include "search/book_search.h"

#include "platform/allocation.h"
#include "platform/ports.h"
#include "search/article_search.h"
#include "search/location_box.h"
#include "search/string_list.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "store/record_loader.h"
#include "view/line_runs.h"

namespace {

// An offset past every string: the current article yields nothing from it.
constexpr uint16_t kPastEveryString = 0xFFFF;

// The top line's entry: TopLine display lines walked off from the first
// entry; when TopLine is the blank line after a paragraph, the entry after it.
const ArticleLine* TopEntry(const ArticleView* view) {
    const ArticleLine* entry = view->Lines;
    int32_t count = view->TopLine;
    while (entry->Format != 0 && count > 0) {
        count -= DisplayLinesOf(*entry);
        ++entry;
    }
    return entry;
}

// Where Search Again goes on when the highlighted hit begins a string: the
// next segment, searched whole (or, after the last, nothing in this article).
// False when the hit does not begin a string.
bool OffsetAfterStringStartingAt(const ArticleView* view, uint16_t offset, uint16_t* next) {
    StringSpan* list = BuildStringList(view->Text, view->TextSize);
    bool found = false;
    for (const StringSpan* node = list; node && !found; node = node->Next) {
        if (TextStartOf(*node) - view->Text != offset) continue;
        const long after = node->End - view->Text + 1;
        *next = after > kPastEveryString ? kPastEveryString : uint16_t(after);
        found = true;
    }
    FreeStringList(list);
    return found;
}

// Shows a hit in the view's current article.
void ShowHit(ArticleView* view, uint32_t hit, int32_t length) {
    ScrollToOffset(view, uint16_t(hit));
    Ports.Shell->RepaintMain(AppSettings.MainWindow, kRepaintAll);
    view->MatchStart = uint16_t(hit - uint32_t(length) + 1);
    view->MatchEnd = uint16_t(hit + 1);
    DrawArticleView(view, kErase);
    Ports.Shell->UpdateBookmarkMark(AppSettings.MainWindow);
    DrawLocationBox(view);
}

// Hands article number's buffer, which holds a hit, to the view and makes it
// current. When the view refuses it, everything stays as it was and the
// buffer is freed.
bool TakeArticle(ArticleView* view, uint16_t number, uint8_t* buffer, uint32_t size) {
    const uint16_t previousLesson = AppSettings.Lesson;
    const uint16_t previousPosition = AppSettings.LastPosition;
    SetCurrentArticle(number);
    if (LayoutSizedArticle(view, buffer, size, kReleasePrevious) == kLayoutDone) return true;
    PlainFree(buffer);
    AppSettings.Lesson = previousLesson;
    AppSettings.LastPosition = previousPosition;
    if (view->Text) LayoutArticle(view, view->Text, kKeepPrevious);   // the refusal cleared its line counts
    return false;
}

}  // namespace

uint16_t SearchStartOffset(const ArticleView* view) {
    if (!view || !view->Lines) return kPastEveryString;
    const ArticleLine* top = TopEntry(view);
    const uint32_t lineEnd = uint32_t(top->Offset) + top->Length;
    if ((view->MatchEnd < top->Offset || view->MatchEnd > lineEnd) && view->TopLine < view->MaxTopLine)
        return uint16_t(lineEnd - 1);
    if (view->MatchStart != 0 && view->MatchStart == top->Offset) {
        const ArticleLine* next = top->Format != 0 ? top + 1 : top;
        // After the article's last line there is nothing more to search here
        // (from 0 the whole article would be searched again from its start).
        if (next->Format == 0) return kPastEveryString;
        return uint16_t(uint32_t(next->Offset) + next->Length);
    }
    if (view->MatchStart == 0) return uint16_t(view->MatchStart - 1);
    uint16_t next = 0;
    if (view->Text && OffsetAfterStringStartingAt(view, view->MatchStart, &next)) return next;
    return uint16_t(view->MatchStart - 1);
}

int32_t SearchBook(void* owner) {
    if (AppSettings.SearchString[0] == 0) return kSearchNothingShown;
    ArticleView* view = AppSettings.View;
    if (!view) return kSearchNothingShown;

    int32_t length = 0;
    uint32_t hit = 0;
    if (view->Text) hit = SearchArticle(view->Text, SearchStartOffset(view), &length, view->TextSize);

    // A current number outside the book (a stored article that was never
    // found) walks the whole book, as with none.
    auto walkStart = [] { return AppSettings.Lesson <= kArticleCount ? AppSettings.Lesson : uint16_t(0); };
    uint16_t current = walkStart();
    for (int32_t i = current + 1; hit == 0; ++i) {
        if (i > kArticleCount) i = current == 0 ? 0 : 1;
        if (i == current) {
            if (view->Text) hit = SearchArticle(view->Text, 0, &length, view->TextSize);
            if (hit != 0) break;
            Ports.Messages->ShowMessage(owner, kNotFoundText, kNotFoundCaption, kMbOk);
            return kSearchNothingShown;
        }
        uint32_t dataLength = 0;
        uint8_t* buffer = LoadRecord(i, nullptr, &dataLength);
        if (!buffer) continue;
        const uint32_t size = dataLength + kRecordTerminators;
        int32_t found = 0;
        const uint32_t articleHit = SearchArticle(buffer, 0, &found, size);
        if (articleHit == 0) {
            PlainFree(buffer);
            continue;
        }
        if (TakeArticle(view, uint16_t(i), buffer, size)) {
            hit = articleHit;
            length = found;
        }
        current = walkStart();
    }
    ShowHit(view, hit, length);
    return kSearchHitShown;
}

int32_t ShowBookHit(uint16_t number, uint16_t last, int32_t length) {
    ArticleView* view = AppSettings.View;
    if (!view) return kSearchNothingShown;
    if (number != AppSettings.Lesson || !view->Text) {
        uint32_t dataLength = 0;
        uint8_t* buffer = LoadRecord(number, nullptr, &dataLength);
        if (!buffer || !TakeArticle(view, number, buffer, dataLength + kRecordTerminators))
            return kSearchNothingShown;
    }
    if ((view->TextSize && last >= view->TextSize) || length <= 0 || length > last) return kSearchNothingShown;
    ShowHit(view, last, length);
    return kSearchHitShown;
}
