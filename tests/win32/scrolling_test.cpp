// Scrolling the article as a user does: keys, the scroll bar, the wheel and
// clicks in the view. Where the article stands is read from the scroll bar
// (its position is the top line, the end of its range the last useful one).
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "tests/win32/support/article_view_rect.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_input.h"

namespace {

// Article 1 in a 24-point font is about three windows long in the standard
// window.
class Scrolling : public ReaderTest {
protected:
    void LaunchOnALongArticle(DWORD flags = kDefaultFlags) {
        WriteSettingDword(kValueLesson, 1);
        WriteSettingDword(kValueFontSize, 24);
        WriteSettingDword(kValueFlags, flags);
        LaunchReader();
        ASSERT_GT(MaxTopLine(), 25) << "the article must be several pages long";
        ASSERT_EQ(TopLine(), 0);
    }

    // How far the scroll bar's Page Down moves from the given line (a page
    // less one line: the page drawn there decides), coming back to the line.
    int PageFrom(int line) {
        ScrollBarRequest(Window(), SB_THUMBPOSITION, static_cast<short>(line));
        ScrollBarRequest(Window(), SB_PAGEDOWN);
        const int distance = TopLine() - line;
        EXPECT_EQ(AfterScrollBar(SB_THUMBPOSITION, static_cast<short>(line)), line);
        return distance;
    }

    int AfterKey(WORD key) {
        PressKey(Window(), key);
        return TopLine();
    }

    int AfterScrollBar(WORD request, short thumb = 0) {
        ScrollBarRequest(Window(), request, thumb);
        return TopLine();
    }

    int AfterWheel(short delta) {
        TurnWheel(Window(), delta);
        return TopLine();
    }

    int AfterClick(int x, int y) {
        ClickAt(Window(), x, y);
        return TopLine();
    }
};

TEST_F(Scrolling, ArrowKeysMoveOneLineAndHomeAndEndGoToTheEnds) {
    LaunchOnALongArticle();
    const int last = MaxTopLine();

    EXPECT_EQ(AfterKey(VK_DOWN), 1);
    EXPECT_EQ(AfterKey(VK_DOWN), 2);
    EXPECT_EQ(AfterKey(VK_UP), 1);
    EXPECT_EQ(AfterKey(VK_END), last);
    EXPECT_EQ(AfterKey(VK_DOWN), last) << "moving past the end is refused";
    EXPECT_EQ(AfterKey(VK_HOME), 0);
    EXPECT_EQ(AfterKey(VK_HOME), 0);
    EXPECT_EQ(AfterKey(VK_UP), 0);

    PressKey(Window(), VK_END);
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLastPosition), static_cast<DWORD>(last));
}

// Lines in the middle of the article, with a full page above and below.
constexpr int kMiddleLine = 12;

TEST_F(Scrolling, PageDownAndPageUpMoveAPageLessOneLineLikeTheScrollBar) {
    LaunchOnALongArticle();
    const int page = PageFrom(kMiddleLine);
    ASSERT_GT(page, 1);
    ASSERT_LE(page, kMiddleLine);

    EXPECT_EQ(AfterKey(VK_NEXT), kMiddleLine + page);
    EXPECT_EQ(AfterScrollBar(SB_THUMBPOSITION, kMiddleLine), kMiddleLine);
    EXPECT_EQ(AfterKey(VK_PRIOR), kMiddleLine - page);
    CloseReader();
}

class ScrollingPageMode : public Scrolling, public ::testing::WithParamInterface<int> {};

TEST_P(ScrollingPageMode, PageKeysMoveHalfAPageInModesTwoAndFour) {
    const int mode = GetParam();
    LaunchOnALongArticle((kDefaultFlags & ~kFlagsKeyPageModeMask) |
                         (static_cast<DWORD>(mode) << kFlagsKeyPageModeShift));
    // The scroll bar pages by the lines drawn less one whatever the mode.
    const int linesDrawn = PageFrom(kMiddleLine) + 1;
    const int step = (mode == 2 || mode == 4) ? linesDrawn / 2 : linesDrawn - 1;

    EXPECT_EQ(AfterKey(VK_NEXT), kMiddleLine + step);
    EXPECT_EQ(AfterScrollBar(SB_THUMBPOSITION, kMiddleLine), kMiddleLine);
    EXPECT_EQ(AfterKey(VK_PRIOR), kMiddleLine - step);
    CloseReader();
}

INSTANTIATE_TEST_SUITE_P(KeyPageMode, ScrollingPageMode, ::testing::Values(2, 3, 4));

TEST_F(Scrolling, WheelScrollsOneLinePerWholeNotch) {
    LaunchOnALongArticle();
    ASSERT_EQ(AfterScrollBar(SB_THUMBPOSITION, 5), 5);

    EXPECT_EQ(AfterWheel(120), 4) << "a notch away from the user goes towards the start";
    EXPECT_EQ(AfterWheel(60), 4) << "part of a notch does nothing";
    EXPECT_EQ(AfterWheel(-240), 6);
    EXPECT_EQ(AfterWheel(-119), 6);
    EXPECT_EQ(AfterWheel(60), 6) << "parts of notches are not added up";
    CloseReader();
}

TEST_F(Scrolling, EveryScrollBarRequestMovesAsItSays) {
    LaunchOnALongArticle();
    const int page = PageFrom(0);

    EXPECT_EQ(AfterScrollBar(SB_LINEDOWN), 1);
    EXPECT_EQ(AfterScrollBar(SB_LINEDOWN), 2);
    EXPECT_EQ(AfterScrollBar(SB_LINEUP), 1);
    EXPECT_EQ(AfterScrollBar(SB_THUMBPOSITION, 9), 9);
    EXPECT_EQ(AfterScrollBar(SB_THUMBTRACK, 3), 3);
    EXPECT_EQ(AfterScrollBar(SB_BOTTOM), 4) << "SB_BOTTOM moves one line, not to the end";
    EXPECT_EQ(AfterScrollBar(SB_ENDSCROLL), 4);
    EXPECT_EQ(AfterScrollBar(SB_PAGEUP), 0);
    EXPECT_EQ(AfterScrollBar(SB_PAGEDOWN), page);
    EXPECT_EQ(AfterScrollBar(SB_TOP), 0);
    CloseReader();
}

TEST_F(Scrolling, ClickInTheLowerHalfPagesOnAndInTheUpperHalfBack) {
    LaunchOnALongArticle();
    const int page = PageFrom(kMiddleLine);
    const RECT view = ArticleViewRect(Window());
    const int middleX = (view.left + view.right) / 2;

    EXPECT_EQ(AfterClick(middleX, view.bottom - 5), kMiddleLine + page);
    EXPECT_EQ(AfterScrollBar(SB_THUMBPOSITION, kMiddleLine), kMiddleLine);
    EXPECT_EQ(AfterClick(middleX, view.top + 5), kMiddleLine - page);
    CloseReader();
}

TEST_F(Scrolling, ClickInTheRightHalfPagesOnWhenTheViewIsSplitSideBySide) {
    LaunchOnALongArticle(kDefaultFlags & ~kFlagsClickSplitVertical);
    const int page = PageFrom(kMiddleLine);
    const RECT view = ArticleViewRect(Window());
    const int middleY = (view.top + view.bottom) / 2;

    EXPECT_EQ(AfterClick(view.right - 5, middleY), kMiddleLine + page);
    EXPECT_EQ(AfterScrollBar(SB_THUMBPOSITION, kMiddleLine), kMiddleLine);
    EXPECT_EQ(AfterClick(view.left + 5, middleY), kMiddleLine - page);
    CloseReader();
}

TEST_F(Scrolling, ClickDoesNothingWhenClickPagingIsOff) {
    LaunchOnALongArticle(kDefaultFlags & ~kFlagsClickPaging);
    const RECT view = ArticleViewRect(Window());
    EXPECT_EQ(AfterClick((view.left + view.right) / 2, view.bottom - 5), 0);
    CloseReader();
}

}  // namespace
