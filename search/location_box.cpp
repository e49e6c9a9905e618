#include "search/location_box.h"

#include <algorithm>
#include <cstring>

#include "settings/app_settings.h"

namespace {

// Reads the article's bytes as the layout does: past size (when known) every
// byte is 0.
struct ArticleBytes {
    const uint8_t* Text;
    uint32_t Size;
    uint8_t At(uint32_t offset) const { return Size && offset >= Size ? 0 : Text[offset]; }
    uint32_t StringLength(uint32_t offset) const {
        uint32_t n = 0;
        while (At(offset + n) != 0) ++n;
        return n;
    }
};

void TakeTitle(const ArticleBytes& bytes, uint32_t segment, ArticleTitle* title) {
    if (!title) return;
    title->Run = bytes.Text + segment + 2;
    title->Count = int32_t(bytes.StringLength(segment + 2));
}

struct FittedTitle {
    const uint8_t* Run;
    int32_t Count;   // the characters that fit
    int32_t Width;   // their width
};

FittedTitle Fit(TextDevice* dc, const ArticleTitle& title, int32_t maxWidth) {
    FittedTitle fitted{title.Run, title.Count, maxWidth};
    if (title.Count == 0) return FittedTitle{title.Run, 0, 0};
    FitText(dc, title.Run, &fitted.Width, &fitted.Count);
    return fitted;
}

void DrawTitle(TextDevice* dc, const FittedTitle& title, const Rect& inner, int32_t height) {
    if (title.Count == 0) return;
    const int32_t x = inner.Left + (inner.Right - inner.Left - title.Width) / 2;
    DrawRunColored(dc, title.Run, title.Count, x, inner.Top, title.Width, height, kRed, kYellow);
}

}  // namespace

void FindArticleTitles(const uint8_t* text, ArticleTitle* first, ArticleTitle* second,
                       uint32_t size) {
    if (first) *first = ArticleTitle{0, 0, nullptr};
    if (second) *second = ArticleTitle{0, 0, nullptr};
    if (!text) return;
    const ArticleBytes bytes{text, size};
    uint32_t examined = 0;
    if (bytes.At(0) == kFirstTitleFormat) {
        TakeTitle(bytes, 0, first);
        examined = 2 + bytes.StringLength(2) + 1;
    }
    if (bytes.At(examined) == kSecondTitleFormat) TakeTitle(bytes, examined, second);
}

void DrawFrames(TextDevice* dc, Rect* rectangle, Colour colour, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        dc->DrawFrame(*rectangle, colour);
        rectangle->Left += 1;
        rectangle->Top += 1;
        rectangle->Right -= 1;
        rectangle->Bottom -= 1;
    }
}

void DrawLocationBox(ArticleView* view) {
    if (!view || !view->Text || !view->Dc) return;
    ArticleTitle first{}, second{};
    FindArticleTitles(view->Text, &first, &second, view->TextSize);
    if (first.Count == 0 && second.Count == 0) return;

    TextDevice* dc = view->Dc;
    const FontHandle previous = SelectFormatFont(view, kLocationBoxFormatWord);
    const int32_t rows = (first.Count != 0 && second.Count != 0) ? 2 : 1;
    const int32_t h = dc->Metrics().Height;
    const FittedTitle firstFit = Fit(dc, first, view->Width);
    const FittedTitle secondFit = Fit(dc, second, view->Width);

    const int32_t boxWidth = std::min(
        std::max(firstFit.Width, secondFit.Width) + 2 * h + ScreenPixels(kBoxSideMargin), view->Width);
    Rect box;
    box.Left = view->Left + (view->Width - boxWidth) / 2;
    box.Right = box.Left + boxWidth;
    box.Bottom = view->Top + view->Height - ScreenPixels(kBoxBottomGap);
    box.Top = box.Bottom - rows * h - ScreenPixels(kBoxRowsMargin);

    DrawFrames(dc, &box, kRed, ScreenPixels(kRedFrames));
    DrawFrames(dc, &box, kWhite, ScreenPixels(kWhiteFrames));
    DrawFrames(dc, &box, kBlue, ScreenPixels(kBlueFrames));
    dc->FillSolid(box, kYellow);

    DrawTitle(dc, firstFit, box, h);
    // The second title goes below the first only when there is one: alone it
    // takes the box's one row.
    if (first.Count != 0) box.Top += h;
    DrawTitle(dc, secondFit, box, h);

    if (previous) dc->SelectFont(previous);
}
