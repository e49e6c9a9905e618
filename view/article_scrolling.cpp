// Moving the page of an article view: by display lines, to the line holding an
// offset, and by a click in the view.
#include <cstdlib>

#include "settings/app_settings.h"
#include "platform/ports.h"
#include "view/article_view.h"
#include "view/line_runs.h"

namespace {
// ScrollArticleView results besides the draw result.
constexpr int32_t kScrollUnchanged = 1;
constexpr int32_t kScrollMovedNotDrawn = 3;
}  // namespace

int32_t PageStep(int32_t linesDrawn, uint32_t pageMode) {
    const int32_t step = (pageMode == 2 || pageMode == 4) ? linesDrawn / 2 : linesDrawn - 1;
    return std::abs(step);
}

int32_t ScrollArticleView(ArticleView* view, int32_t delta, int32_t redraw, int32_t clampAtEnd) {
    if (!view) return kNoView;
    int64_t target = int64_t(view->TopLine) + delta;
    if (target < 0) {
        target = 0;
    } else if (clampAtEnd || target > view->DisplayLineCount) {
        // Already at the end: a move further down is refused.
        if (target >= view->TopLine && view->TopLine >= view->MaxTopLine) return kScrollUnchanged;
        if (target > view->DisplayLineCount) target = view->MaxTopLine;
    }
    const bool changed = target != view->TopLine;
    if (changed) view->TopLine = uint16_t(target);
    const bool skipDrawing = redraw == kRedraw && !changed;
    if (redraw && !skipDrawing) return DrawArticleView(view, kErase);
    return changed ? kScrollMovedNotDrawn : kScrollUnchanged;
}

int32_t ScrollToOffset(ArticleView* view, uint16_t offset) {
    if (!view) return kNoView;
    if (!view->Lines || !view->Text) return 0;
    int32_t displayLine = 0;
    for (const ArticleLine* line = view->Lines; line->Format != 0; ++line) {
        const LineSpan span = LineSpanOf(view->Text, *line);
        if (span.First <= offset && offset <= span.End) {
            view->TopLine = uint16_t(displayLine < view->MaxTopLine ? displayLine : view->MaxTopLine);
            return 1;
        }
        displayLine += DisplayLinesOf(*line);
    }
    return 0;
}

bool PointInView(const ArticleView* view, int32_t x, int32_t y) {
    if (!view) return false;
    const int64_t gutter = ScreenGutter();
    const int64_t left = int64_t(view->Left) - gutter;
    const int64_t right = int64_t(view->Left) + view->Width + gutter;
    const int64_t top = int64_t(view->Top) - gutter;
    const int64_t bottom = int64_t(view->Top) + view->Height + gutter;
    return left <= x && x <= right && top <= y && y <= bottom;
}

int32_t ClickScroll(void* window, ArticleView* view, int32_t x, int32_t y, int32_t redraw) {
    if (!PointInView(view, x, y)) return 0;
    const uint32_t flags = AppSettings.Flags;
    if (!(flags & kFlagsClickPaging)) return 0;

    int32_t position, edge, half;
    if (flags & kFlagsClickSplitVertical) {
        position = y, edge = view->Top, half = view->Height / 2;
    } else {
        position = x, edge = view->Left, half = view->Width / 2;
    }
    const uint32_t pageMode = (flags & kFlagsClickPageModeMask) >> kFlagsClickPageModeShift;
    const int32_t step = PageStep(view->LinesDrawn, pageMode);
    // The upper (or left) half pages back towards the start, the other half on.
    ScrollArticleView(view, position < edge + half ? -step : step, redraw, kClampAtEnd);
    if (Ports.Shell) Ports.Shell->UpdateScrollBar(window);
    return 1;
}
