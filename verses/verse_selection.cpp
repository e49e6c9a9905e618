#include "verses/verse_selection.h"

#include <algorithm>

#include "platform/ports.h"
#include "settings/app_settings.h"
#include "store/navigation.h"
#include "verses/article_verses.h"
#include "verses/verse_quote.h"
#include "view/article_view.h"
#include "view/line_runs.h"

namespace {
// The span marked last, good while its article shows its mark: a range that
// runs on into the next article is copied whole.
struct MarkedSpan {
    uint16_t Article;
    VerseSpan Span;
};
MarkedSpan Marked{};

uint32_t ReadableSize(const ArticleView* view) {
    return view->TextSize ? view->TextSize : kArticleOffsetLimit;
}

bool MarkShown(const ArticleView* view) {
    return view && (view->MarkStart != 0 || view->MarkEnd != 0) && Marked.Article == AppSettings.Lesson;
}

// The first entry of a block and its display line.
struct EntryPlace {
    const ArticleLine* Entry;
    int32_t DisplayLine;
};

EntryPlace FirstEntryFrom(const ArticleView* view, uint32_t offset) {
    int32_t display = 0;
    for (const ArticleLine* line = view->Lines; line && line->Format != 0; ++line) {
        if (line->Offset >= offset) return EntryPlace{line, display};
        display += DisplayLinesOf(*line);
    }
    return EntryPlace{nullptr, 0};
}

// The entry at the top of the page: the one at TopLine, or after the blank
// line TopLine names.
EntryPlace TopEntry(const ArticleView* view) {
    int32_t display = 0;
    for (const ArticleLine* line = view->Lines; line && line->Format != 0; ++line) {
        if (display >= view->TopLine) return EntryPlace{line, display};
        display += DisplayLinesOf(*line);
    }
    return EntryPlace{nullptr, 0};
}

// The entry drawn at y, found by walking the page from its top.
const ArticleLine* EntryAtY(const ArticleView* view, int32_t y) {
    EntryPlace top = TopEntry(view);
    if (!top.Entry) return nullptr;
    int32_t lineTop = view->Top;
    if (top.DisplayLine > view->TopLine && top.Entry > view->Lines) lineTop += (top.Entry - 1)->Height;
    for (const ArticleLine* line = top.Entry; line->Format != 0; ++line) {
        if (y < lineTop) return nullptr;
        if (y < lineTop + line->Height) return line;
        lineTop += line->Height * DisplayLinesOf(*line);
        if (lineTop > view->Top + view->Height) return nullptr;
    }
    return nullptr;
}

// BlockFor's choice for a line in no verse (a title, a gap between verses).
constexpr bool kOrNextVerse = true;
constexpr bool kOnlyTheLinesVerse = false;

// The verse block holding the entry, or, for a title line, the first after it.
const VerseBlock* BlockFor(const std::vector<VerseBlock>& blocks, const ArticleView* view,
                           const ArticleLine& line, bool orNext) {
    const LineSpan span = LineSpanOf(view->Text, line);
    for (const VerseBlock& block : blocks) {
        if (span.First >= block.Start && span.First <= block.Start + block.Length) return &block;
        if (orNext && block.Start >= span.First) return &block;
    }
    return nullptr;
}

void SetMark(ArticleView* view, const VerseBlock& first, const VerseBlock& last, const VerseSpan& span) {
    view->MarkStart = first.Start;
    view->MarkEnd = uint16_t(last.Start + last.Length);
    Marked = MarkedSpan{AppSettings.Lesson, span};
}

bool CurrentChapter(const VerseIndex& index, uint8_t* book, uint8_t* chapter) {
    if (AppSettings.Lesson < 1 || AppSettings.Lesson > index.Articles.size()) return false;
    const IndexedArticle& article = index.Articles[AppSettings.Lesson - 1];
    *book = article.Book;
    *chapter = article.Chapter;
    return true;
}

// The verses Copy Verse takes from the view of the current article.
bool VersesToCopy(const VerseIndex& index, const ArticleView* view, VerseSpan* span) {
    if (!view || !view->Text || !view->Lines) return false;
    if (MarkShown(view)) {
        *span = Marked.Span;
        return true;
    }
    uint8_t book = 0, chapter = 0;
    if (!CurrentChapter(index, &book, &chapter)) return false;
    const std::vector<VerseBlock> blocks = ArticleVerseBlocks(view->Text, ReadableSize(view));
    const VerseBlock* block = nullptr;
    if (view->MatchStart != 0 || view->MatchEnd != 0) {
        for (const VerseBlock& held : blocks)
            if (view->MatchStart >= held.Start && view->MatchStart < held.Start + held.Length) block = &held;
    }
    if (!block) {
        const ArticleLine* top = TopEntry(view).Entry;
        if (top) block = BlockFor(blocks, view, *top, kOrNextVerse);
    }
    if (!block) return false;
    *span = VerseSpan{book, chapter, block->Verse, block->Verse};
    return true;
}

}  // namespace

int32_t GoToVerse(void* window, const VerseIndex& index, const VerseSpan& span) {
    const uint16_t article = ArticleHoldingVerse(index, span.Book, span.Chapter, span.FirstVerse);
    ArticleView* view = AppSettings.View;
    if (article == 0 || !view) return 1;
    if ((article != AppSettings.Lesson || !view->Text) && GoToArticle(window, article) != 0) return 1;
    const std::vector<VerseBlock> blocks = ArticleVerseBlocks(view->Text, ReadableSize(view));
    const VerseBlock* first = nullptr;
    const VerseBlock* last = nullptr;
    for (const VerseBlock& block : blocks) {
        if (block.Verse < span.FirstVerse || block.Verse > span.LastVerse) continue;
        if (!first) first = &block;
        last = &block;
    }
    if (first) {
        SetMark(view, *first, *last, span);
        const EntryPlace place = FirstEntryFrom(view, first->Start);
        if (place.Entry) view->TopLine = uint16_t(std::min<int32_t>(place.DisplayLine, view->MaxTopLine));
    }
    Ports.Shell->RepaintMain(window, kRepaintAll);
    return 0;
}

bool MarkVerseAt(const VerseIndex& index, ArticleView* view, int32_t y) {
    if (!view || !view->Text || !view->Lines) return false;
    const ArticleLine* line = y < 0 ? TopEntry(view).Entry : EntryAtY(view, y);
    if (!line) return false;
    const std::vector<VerseBlock> blocks = ArticleVerseBlocks(view->Text, ReadableSize(view));
    const VerseBlock* block = BlockFor(blocks, view, *line, y < 0 ? kOrNextVerse : kOnlyTheLinesVerse);
    uint8_t book = 0, chapter = 0;
    if (!block || !CurrentChapter(index, &book, &chapter)) return false;
    SetMark(view, *block, *block, VerseSpan{book, chapter, block->Verse, block->Verse});
    DrawArticleView(view, kErase);
    return true;
}

void CopyVerse(const ArticleView* view) {
    const VerseIndex* index = BookVerseIndex();
    VerseSpan span{};
    if (index && VersesToCopy(*index, view, &span)) PutVerseQuote(QuoteVerses(*index, span));
}
