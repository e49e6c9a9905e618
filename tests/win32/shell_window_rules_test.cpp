// How far the main window's keys, scroll bar and wheel move the article, which
// window styles the option bits choose, where the view goes in the client
// area, and the menu check marks.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_class.h"
#include "app/menu_marks.h"
#include "app/scrolling.h"
#include "app/sizing.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "view/article_view.h"

namespace {

ArticleView PageOf(int32_t linesDrawn, uint16_t topLine, uint16_t maxTopLine) {
    ArticleView view = {};
    view.LinesDrawn = linesDrawn;
    view.TopLine = topLine;
    view.MaxTopLine = maxTopLine;
    return view;
}

TEST(ShellKeys, PageDownWithDefaultFlagsKeepsOneLineOfThePreviousPage) {
    ArticleView view = PageOf(20, 5, 100);
    EXPECT_EQ(KeyScrollAmount(view, VK_NEXT, kDefaultFlags), 19);
    EXPECT_EQ(KeyScrollAmount(view, VK_PRIOR, kDefaultFlags), -19);
}

TEST(ShellKeys, PageModesTwoAndFourMoveHalfAPage) {
    ArticleView view = PageOf(21, 5, 100);
    for (uint32_t mode = 0; mode < 8; ++mode) {
        uint32_t flags = (kDefaultFlags & ~kFlagsKeyPageModeMask) | mode << kFlagsKeyPageModeShift;
        int32_t expected = (mode == 2 || mode == 4) ? 10 : 20;
        EXPECT_EQ(KeyScrollAmount(view, VK_NEXT, flags), expected) << "mode " << mode;
    }
}

TEST(ShellKeys, HomeGoesToTheFirstLineAndEndAsksForTheWholeRange) {
    ArticleView view = PageOf(20, 7, 50);
    EXPECT_EQ(KeyScrollAmount(view, VK_HOME, kDefaultFlags), -7);
    EXPECT_EQ(KeyScrollAmount(view, VK_END, kDefaultFlags), 50);
    EXPECT_EQ(KeyScrollAmount(PageOf(20, 0, 50), VK_HOME, kDefaultFlags), 0);
    EXPECT_EQ(KeyScrollAmount(view, VK_UP, kDefaultFlags), -1);
    EXPECT_EQ(KeyScrollAmount(view, VK_DOWN, kDefaultFlags), 1);
}

// Keys outside the table are swallowed: neither handled nor passed on.
TEST(ShellKeys, KeysOutsideTheTableAreSwallowed) {
    for (WPARAM key : {WPARAM(8), WPARAM(12), WPARAM(16), WPARAM(32), WPARAM(41), WPARAM('A')})
        EXPECT_EQ(OnKeyDown(nullptr, key), 1) << "key " << key;
}

TEST(ShellScrollBar, PageRequestsKeepOneLineAndIgnoreThePageMode) {
    ArticleView view = PageOf(20, 30, 100);
    EXPECT_EQ(ScrollBarAmount(view, SB_PAGEDOWN, 0), 19);
    EXPECT_EQ(ScrollBarAmount(view, SB_PAGEUP, 0), -19);
    EXPECT_EQ(ScrollBarAmount(view, SB_LINEDOWN, 0), 1);
    EXPECT_EQ(ScrollBarAmount(view, SB_LINEUP, 0), -1);
}

TEST(ShellScrollBar, BottomScrollsOneLineAndTopToTheStart) {
    ArticleView view = PageOf(20, 30, 100);
    EXPECT_EQ(ScrollBarAmount(view, SB_BOTTOM, 0), 1);
    EXPECT_EQ(ScrollBarAmount(view, SB_TOP, 0), -30);
    EXPECT_EQ(ScrollBarAmount(view, SB_ENDSCROLL, 0), 0);
}

TEST(ShellScrollBar, ThumbMovesToItsPosition) {
    ArticleView view = PageOf(20, 30, 100);
    EXPECT_EQ(ScrollBarAmount(view, SB_THUMBTRACK, 45), 15);
    EXPECT_EQ(ScrollBarAmount(view, SB_THUMBPOSITION, 10), -20);
}

TEST(ShellWheel, WholeNotchesScrollOneLineEachTowardsTheUser) {
    EXPECT_EQ(WheelAmount(120), -1);
    EXPECT_EQ(WheelAmount(-240), 2);
    EXPECT_EQ(WheelAmount(60), 0);
    EXPECT_EQ(WheelAmount(-179), 1);
}

TEST(ShellWindowStyle, LowByteOfFlagsPlacesTheScrollBar) {
    EXPECT_FALSE(MainWindowStyle(0x3F) & WS_VSCROLL);
    EXPECT_TRUE(MainWindowStyle(0x40) & WS_VSCROLL);
    EXPECT_FALSE(MainWindowExStyle(0x40) & WS_EX_LEFTSCROLLBAR);
    EXPECT_TRUE(MainWindowStyle(0x80) & WS_VSCROLL);
    EXPECT_EQ(MainWindowExStyle(0x80), DWORD(WS_EX_WINDOWEDGE | WS_EX_LEFTSCROLLBAR));
    EXPECT_EQ(MainWindowStyle(kDefaultFlags) & 0xF0000, 0xF0000u);
}

TEST(ShellSizing, ViewRectangleLeavesGuttersAndOverlapsTheToolbar) {
    Rect view = ArticleViewRectangle(Rect{0, 0, 500, 400}, true, 28, 10);
    EXPECT_EQ(view.Left, 10);
    EXPECT_EQ(view.Top, 37);
    EXPECT_EQ(view.Right, 480);
    EXPECT_EQ(view.Bottom, 380);

    Rect narrow = ArticleViewRectangle(Rect{0, 0, 15, 400}, false, 0, 10);
    EXPECT_EQ(narrow.Left, 0);
    EXPECT_EQ(narrow.Right, 15);
    EXPECT_EQ(narrow.Top, 10);
}

class ShellMenuMarks : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        menu_ = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuW(file, MF_STRING, IDM_REVERSE, L"Re&verse");
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
        window_ = CreateWindowExW(0, L"STATIC", L"marks", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, menu_, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window_);
        ClearAppSettings();
    }
    bool ReverseChecked() {
        return GetMenuState(menu_, IDM_REVERSE, MF_BYCOMMAND) & MF_CHECKED;
    }
    HMENU menu_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(ShellMenuMarks, ReverseMarkShowsTheStoredBit) {
    AppSettings.Flags = kDefaultFlags | kFlagsReverse;
    UpdateReverseMark(window_, MarkMode::Set);
    EXPECT_TRUE(ReverseChecked());
    EXPECT_EQ(AppSettings.Flags, kDefaultFlags | kFlagsReverse);
}

TEST_F(ShellMenuMarks, ReverseTwiceRestoresMarkAndBit) {
    AppSettings.Flags = kDefaultFlags;
    UpdateReverseMark(window_, MarkMode::Set);
    UpdateReverseMark(window_, MarkMode::Toggle);
    EXPECT_TRUE(ReverseChecked());
    EXPECT_EQ(AppSettings.Flags, kDefaultFlags | kFlagsReverse);
    UpdateReverseMark(window_, MarkMode::Toggle);
    EXPECT_FALSE(ReverseChecked());
    EXPECT_EQ(AppSettings.Flags, kDefaultFlags);
}

TEST_F(ShellMenuMarks, SetMenuCheckAnswersWhetherTheItemIsCheckedAfterwards) {
    EXPECT_EQ(SetMenuCheck(menu_, MarkMode::Set, IDM_REVERSE, 5), 1);
    EXPECT_EQ(SetMenuCheck(menu_, MarkMode::Toggle, IDM_REVERSE, 1), 0);
    EXPECT_EQ(SetMenuCheck(menu_, MarkMode::Set, IDM_REVERSE, 0), 0);
    EXPECT_FALSE(ReverseChecked());
}

}  // namespace
