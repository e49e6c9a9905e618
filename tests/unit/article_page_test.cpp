// A laid-out article on the page: layout, drawing, highlighting and scrolling
// together, on the recording fake device.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/unit/hand_built_view.h"
#include "view/article_view.h"

namespace {
// A narrow view: 80 wide, 100 high at (10, 5).
constexpr int32_t kNarrowWidth = 80;

class ArticlePage : public ::testing::Test {
protected:
    AppSettingsScope settings;
    FakeTextDevice device;
    ArticleView* view = nullptr;

    void SetUp() override {
        const Rect rectangle{kLeft, kTop, kLeft + kNarrowWidth, kTop + kHeight};
        FontSpec spec{};
        std::memcpy(spec.FontName, u"David CLM", sizeof(u"David CLM"));
        spec.FontSize = kTestFontSize;
        spec.FontAsciiBase = kSelfBase;
        view = CreateArticleView(&device, &rectangle, &spec, 100);
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override { DestroyArticleView(view, kReleaseView); }

    void LayOut(const std::vector<TestBlock>& blocks) {
        ASSERT_EQ(LayoutArticle(view, NewArticle(blocks), kReleasePrevious), kLayoutDone);
    }
    // Paragraphs "aa", "bb", ... one line each, a blank line between them.
    void LayOutParagraphs(int count) {
        std::vector<TestBlock> blocks;
        for (int i = 0; i < count; ++i) blocks.push_back({kBody, 0, std::string(2, char('a' + i))});
        LayOut(blocks);
    }
    std::vector<std::u16string> DrawnTexts() const {
        std::vector<std::u16string> texts;
        for (const DrawnRun& run : device.Runs) texts.push_back(run.Text);
        return texts;
    }
};

void ExpectBox(const Rect& actual, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    EXPECT_EQ(actual.Left, left);
    EXPECT_EQ(actual.Top, top);
    EXPECT_EQ(actual.Right, right);
    EXPECT_EQ(actual.Bottom, bottom);
}
}  // namespace

TEST_F(ArticlePage, ARightToLeftParagraphReadsDownAlongTheRightEdge) {
    // Reading order "bbbb cccc dddd", stored in display order.
    LayOut({{0xD1, 0, "aa"}, {kBody, 0, "dddd cccc bbbb"}});

    EXPECT_EQ(DrawArticleView(view, kErase), 0);

    ASSERT_EQ(DrawnTexts(), (std::vector<std::u16string>{u"aa", u"cccc bbbb", u"dddd"}));
    ExpectBox(device.Runs[0].Box, 42, 5, 58, 25);    // the centred title
    ExpectBox(device.Runs[1].Box, 22, 45, 90, 65);   // after the title's blank line
    ExpectBox(device.Runs[2].Box, 58, 65, 90, 85);
    EXPECT_EQ(view->LinesDrawn, 4);
}

TEST_F(ArticlePage, AHitAcrossALineBreakIsHighlightedOnBothLines) {
    LayOut({{0xD1, 0, "aa"}, {kBody, 0, "dddd cccc bbbb"}});
    // "cccc dddd" in reading order: stored bytes 7 to 15.
    view->MatchStart = 7;
    view->MatchEnd = 16;

    DrawArticleView(view, kErase);

    std::vector<DrawnRun> hits;
    for (const DrawnRun& run : device.Runs)
        if (run.BackColour == kYellow) hits.push_back(run);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].Text, u"cccc");
    ExpectBox(hits[0].Box, 22, 45, 54, 65);
    EXPECT_EQ(hits[1].Text, u"dddd");
    ExpectBox(hits[1].Box, 58, 65, 90, 85);
}

TEST_F(ArticlePage, ScrollingPastTheEndShowsTheLastLineWhole) {
    LayOutParagraphs(12);

    ScrollArticleView(view, 1000, kRedraw, kClampAtEnd);

    EXPECT_EQ(view->TopLine, view->MaxTopLine);
    ASSERT_FALSE(device.Runs.empty());
    EXPECT_EQ(device.Runs.back().Text, u"ll");
    EXPECT_LE(device.Runs.back().Box.Bottom, kTop + kHeight);
    EXPECT_EQ(ScrollArticleView(view, 1, kRedraw, kClampAtEnd), 1);
}

TEST_F(ArticlePage, ScrollingToAnOffsetOnTheLastPageStopsAtTheEndOfTheRange) {
    LayOutParagraphs(12);
    const uint16_t lastLine = view->Lines[view->LineCount - 1].Offset;

    EXPECT_EQ(ScrollToOffset(view, lastLine), 1);

    EXPECT_EQ(view->TopLine, view->MaxTopLine);
}

TEST_F(ArticlePage, ATopLineLeftBeyondAShorterArticleIsPulledBack) {
    LayOutParagraphs(12);
    view->TopLine = 20;
    LayOutParagraphs(2);

    DrawArticleView(view, kErase);

    EXPECT_EQ(view->TopLine, 0);
    EXPECT_EQ(DrawnTexts(), (std::vector<std::u16string>{u"aa", u"bb"}));
}

TEST_F(ArticlePage, AClickInTheLowerHalfPagesByAPageLessOneLine) {
    ScopedFakePorts ports;
    LayOutParagraphs(12);
    // "aa", "bb" and "cc", each with its blank line: the last blank needs no room.
    DrawArticleView(view, kErase);
    ASSERT_EQ(view->LinesDrawn, 6);
    device.ClearRecording();

    EXPECT_EQ(ClickScroll(nullptr, view, 50, kTop + 80, kRedraw), 1);

    // The page now starts on the blank line after "cc".
    EXPECT_EQ(view->TopLine, 5);
    ASSERT_FALSE(device.Runs.empty());
    EXPECT_EQ(device.Runs.front().Text, u"dd");
    EXPECT_EQ(device.Runs.front().Box.Top, kTop + kLineHeight);
    EXPECT_EQ(ports.Shell.ScrollBarUpdates, 1);
}
