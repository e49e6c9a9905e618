// Drawing one page of an article view, and the search hit over it.
#include "settings/app_settings.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/line_runs.h"

namespace {
// Where a page starts: its first entry, the y of that entry's top, and the
// height left for it and the entries after it.
struct PageTop {
    ArticleLine* Entry;
    int32_t Y;
    int32_t Remaining;
};

// A run placed on the page: its bytes, left edge and width.
struct PlacedRun {
    ByteRun Bytes;
    int32_t X;
    int32_t Width;
};

bool CanDraw(const ArticleView* view) { return view && view->Text && view->Lines && view->Dc; }

// The page start for TopLine. A TopLine past the article (left by a layout of a
// shorter article or a wider view) is first moved to the end of the scroll
// range. The walk never passes the end of the table.
PageTop FindTopLine(ArticleView* view) {
    PageTop top{view->Lines, view->Top, view->Height};
    if (view->TopLine > view->DisplayLineCount) view->TopLine = view->MaxTopLine;
    const ArticleLine* previous = nullptr;
    int32_t sum = 0;
    while (sum < view->TopLine && top.Entry->Format != 0) {
        sum += DisplayLinesOf(*top.Entry);
        previous = top.Entry++;
    }
    if (sum > view->TopLine) {
        // TopLine names the blank line after the previous entry: show that
        // blank space first.
        top.Y += previous->Height;
        top.Remaining -= previous->Height;
    }
    return top;
}

uint16_t StartFontWord(const ArticleLine& entry) {
    if (entry.Format == 0 || IsRuleFormat(entry.Format)) return kNormalFormatWord;
    return entry.Format;
}

// Bytes of run up to count, stopping at the string's terminator, so nothing
// past the article is ever converted or measured.
int32_t BoundedCount(const uint8_t* run, int32_t count) {
    int32_t n = 0;
    while (n < count && run[n] != 0) ++n;
    return n;
}

// Width and height of count bytes as the layout measured them: without the
// Reverse step, which only drawing applies.
TextExtent MeasureLetters(TextDevice* dc, const uint8_t* run, int32_t count) {
    const int32_t n = BoundedCount(run, count);
    const uint32_t savedFlags = AppSettings.Flags;
    AppSettings.Flags &= ~kFlagsReverse;
    const char16_t* units = LettersToDisplay(run, n, &SharedConversion);
    AppSettings.Flags = savedFlags;
    if (!units) return TextExtent{0, 0};
    return dc->MeasureRun(units, n);
}

// The hanging word fitted into its box as drawn: left of the main run for a
// left-to-right line, right-aligned in the box right of it for right-to-left.
PlacedRun PlaceHangingWord(const ArticleView* view, const ArticleLine& line) {
    ByteRun word = HangingWordOf(view->Text, line);
    int32_t width = line.HangWidth;
    if (word.Count > 0)
        FitText(view->Dc, view->Text + word.Start, &width, &word.Count);
    else
        width = 0;
    const int32_t x = (line.Format & kFormatRightToLeft)
                          ? line.X + line.Width + line.HangWidth - width
                          : line.X - line.HangWidth;
    return PlacedRun{word, x, width};
}

void DrawRule(TextDevice* dc, const ArticleLine& line, int32_t y) {
    const int32_t middle = y + line.Height / 2;
    dc->DrawBlackRectangle(Rect{line.X, middle, line.X + line.Width, middle + 1});
}

void DrawLineText(const ArticleView* view, const ArticleLine& line, int32_t y) {
    if (HasHangingWord(line)) {
        const PlacedRun word = PlaceHangingWord(view, line);
        if (word.Bytes.Count > 0)
            DrawRun(view->Dc, view->Text + word.Bytes.Start, word.Bytes.Count, word.X, y,
                    word.Width, line.Height);
    }
    const ByteRun main = MainRunOf(view->Text, line);
    DrawRun(view->Dc, view->Text + main.Start, main.Count, line.X, y, line.Width, line.Height);
}

void HighlightLine(ArticleView* view, const ArticleLine& line, int32_t y) {
    if (HasHangingWord(line)) {
        const PlacedRun word = PlaceHangingWord(view, line);
        DrawMatchPart(view, view->Text, view->Text + word.Bytes.Start, word.Bytes.Count, word.X, y);
    }
    const ByteRun main = MainRunOf(view->Text, line);
    DrawMatchPart(view, view->Text, view->Text + main.Start, main.Count, line.X, y);
}

// The hit and the line share a byte; the ends are inclusive, as a hit ending
// where a line starts still touches it (DrawMatchPart then draws nothing).
bool LineTouchesHit(const ArticleView* view, const ArticleLine& line) {
    const LineSpan span = LineSpanOf(view->Text, line);
    return view->MatchEnd >= span.First && view->MatchStart <= span.End;
}

// A line of a marked verse is drawn on a band of the mark's colour across
// the view.
bool LineIsMarked(const ArticleView* view, const ArticleLine& line) {
    if (view->MarkStart == 0 && view->MarkEnd == 0) return false;
    const LineSpan span = LineSpanOf(view->Text, line);
    return span.First < view->MarkEnd && span.End > view->MarkStart;
}

void DrawMarkedLineText(const ArticleView* view, const ArticleLine& line, int32_t y) {
    view->Dc->FillSolid(Rect{view->Left, y, view->Left + view->Width, y + line.Height}, kVerseMarkColour);
    const Colour savedBack = view->Dc->SetBackColour(kVerseMarkColour);
    DrawLineText(view, line, y);
    view->Dc->SetBackColour(savedBack);
}

// Moves past one entry and the blank line after a paragraph end.
void AdvancePast(const ArticleLine& line, PageTop& page, int32_t* linesDrawn) {
    for (int32_t i = DisplayLinesOf(line); i > 0; --i) {
        page.Y += line.Height;
        page.Remaining -= line.Height;
        if (linesDrawn) ++*linesDrawn;
    }
}

int32_t DrawMatch(ArticleView* view) {
    if (!CanDraw(view)) return kNoView;
    PageTop page = FindTopLine(view);
    uint16_t selectedWord = StartFontWord(*page.Entry);
    const FontHandle savedFont = SelectFormatFont(view, selectedWord);

    for (const ArticleLine* line = page.Entry; line->Format != 0 && page.Remaining >= line->Height;
         ++line) {
        if (!IsRuleFormat(line->Format) && LineTouchesHit(view, *line)) {
            if ((line->Format ^ selectedWord) & kFormatFontBits) {
                selectedWord = line->Format;
                SelectFormatFont(view, selectedWord);
            }
            HighlightLine(view, *line, page.Y);
        }
        AdvancePast(*line, page, nullptr);
    }

    view->Dc->SelectFont(savedFont);
    return 0;
}

}  // namespace

int32_t DrawArticleView(ArticleView* view, int32_t erase) {
    if (!CanDraw(view)) return kNoView;
    TextDevice* dc = view->Dc;
    view->LinesDrawn = 0;
    PageTop page = view->PageStart ? PageTop{view->PageStart, view->Top, view->Height}
                                   : FindTopLine(view);

    const Colour savedColour = dc->TextColour();
    uint16_t selectedWord = StartFontWord(*page.Entry);
    const FontHandle savedFont = SelectFormatFont(view, selectedWord | kFormatSetColour);

    if (erase)
        dc->FillWhite(Rect{view->Left, view->Top, view->Left + view->Width, view->Top + view->Height});

    ArticleLine* line = page.Entry;
    for (; line->Format != 0 && page.Remaining >= line->Height; ++line) {
        if (IsRuleFormat(line->Format)) {
            DrawRule(dc, *line, page.Y);
        } else {
            if ((line->Format ^ selectedWord) & kFormatFontBits) {
                selectedWord = line->Format;
                SelectFormatFont(view, selectedWord | kFormatSetColour);
            }
            if (LineIsMarked(view, *line))
                DrawMarkedLineText(view, *line, page.Y);
            else
                DrawLineText(view, *line, page.Y);
        }
        AdvancePast(*line, page, &view->LinesDrawn);
    }

    dc->SelectFont(savedFont);
    dc->SetTextColour(savedColour);

    if (view->MatchStart || view->MatchEnd) return DrawMatch(view);
    view->PageEnd = line;
    return 0;
}

void DrawMatchPart(ArticleView* view, const uint8_t* text, const uint8_t* run, int32_t count,
                   int32_t x, int32_t y) {
    if (!view || !view->Dc || !text || !run) return;
    // Offsets rather than pointers: the hit's ends may lie anywhere in the
    // article, or past it.
    int32_t runStart = int32_t(run - text);
    const int32_t before = int32_t(view->MatchStart) - runStart;
    int32_t shift = 0;
    if (before >= 0) {
        count -= before;
        if (count < 0) {
            count = 0;
        } else {
            shift = MeasureLetters(view->Dc, run, before).Width;
            runStart = view->MatchStart;
            run = text + runStart;
        }
    }
    const int32_t untilHitEnd = int32_t(view->MatchEnd) - runStart;
    if (untilHitEnd < count) count = untilHitEnd;
    count = BoundedCount(run, count);
    if (count <= 0) return;
    const TextExtent extent = MeasureLetters(view->Dc, run, count);
    DrawRunColored(view->Dc, run, count, x + shift, y, extent.Width, extent.Height, kBlue, kYellow);
}

void DrawRun(TextDevice* dc, const uint8_t* run, int32_t count, int32_t x, int32_t y, int32_t w,
             int32_t h) {
    if (!dc || !run) return;
    const int32_t n = BoundedCount(run, count);
    if (n <= 0) return;
    // The Reverse step applies here, and only here.
    const char16_t* units = LettersToDisplay(run, n, &SharedConversion);
    if (!units) return;
    dc->DrawRunCentred(units, n, Rect{x, y, x + w, y + h});
}

void DrawRunColored(TextDevice* dc, const uint8_t* run, int32_t count, int32_t x, int32_t y,
                    int32_t w, int32_t h, Colour textColour, Colour backColour) {
    if (!dc) return;
    const Colour savedText = dc->SetTextColour(textColour);
    const Colour savedBack = dc->SetBackColour(backColour);
    DrawRun(dc, run, count, x, y, w, h);
    dc->SetTextColour(savedText);
    dc->SetBackColour(savedBack);
}
