#include "store/navigation.h"

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "platform/ports.h"
#include "store/record_loader.h"
#include "view/article_view.h"

void SetCurrentArticle(uint16_t number) {
    if (number == 0) {
        if (AppSettings.Lesson != 0) return;
        number = 1;
    }
    if (AppSettings.Lesson == number) return;
    AppSettings.Lesson = number;
    AppSettings.LastPosition = 0;
}

int32_t ShowFirstArticle(void* window, TextDevice* dc, const Rect& viewRect) {
    ArticleView* view = CreateArticleView(dc, &viewRect, &AppSettings.Font, kScreenViewCapacity);
    AppSettings.View = view;
    if (!view) return 1;

    uint32_t length = 0;
    uint8_t* article = LoadRecord(AppSettings.Lesson, nullptr, &length);
    if (!article) {
        Ports.Messages->ShowMessage(window, kResourceNotFound, kErrorCaption, kMbIconWarning);
        return 1;
    }
    const uint32_t size = length + kRecordTerminators;
    if (LayoutSizedArticle(view, article, size, kKeepPrevious) != kLayoutDone) {
        // A refused article stays the caller's.
        PlainFree(article);
        return 1;
    }
    // Kept as stored even past the article's end: the layout here is for the
    // window's first size, and the view bounds the position when it draws.
    view->TopLine = AppSettings.LastPosition;
    Ports.Shell->UpdateScrollBar(window);
    return 0;
}

int32_t GoToArticle(void* window, uint16_t number) {
    ArticleView* view = AppSettings.View;
    if (!view) return 1;

    uint16_t previous = AppSettings.Lesson;
    SetCurrentArticle(number);
    uint32_t length = 0;
    uint8_t* article = LoadRecord(AppSettings.Lesson, nullptr, &length);
    if (!article) {
        AppSettings.Lesson = previous;
        return 1;
    }
    const uint32_t size = length + kRecordTerminators;
    if (LayoutSizedArticle(view, article, size, kReleasePrevious) != kLayoutDone) {
        // The view did not take the article: it stays ours to free, and the
        // view shows what it showed before (or, out of memory, nothing).
        PlainFree(article);
        AppSettings.Lesson = previous;
        if (view->Text)
            LayoutArticle(view, view->Text, kKeepPrevious);   // the refusal cleared its line counts
        else
            Ports.Shell->RepaintMain(window, kRepaintAll);
        return 1;
    }
    view->TopLine = 0;
    Ports.Shell->RepaintMain(window, kRepaintAll);
    Ports.Shell->UpdateBookmarkMark(window);
    return 0;
}

int32_t StepArticle(void* window, int32_t delta) {
    int32_t target = int32_t(AppSettings.Lesson) + delta;
    if (target > kArticleCount)
        target = 1;
    else if (target < 1)
        target = kArticleCount;
    return GoToArticle(window, uint16_t(target));
}
