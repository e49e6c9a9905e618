#include <gtest/gtest.h>

#include <string>

#include "settings/app_settings.h"
#include "tests/fakes/fake_ports.h"
#include "tests/unit/hand_built_view.h"
#include "view/article_view.h"

namespace {
constexpr int32_t kRefused = 1;
constexpr int32_t kMovedNotDrawn = 3;

class ArticleScrolling : public ::testing::Test {
protected:
    AppSettingsScope settings;
    HandBuiltView article{kLeft, kTop, kWidth, kHeight};
    void* window = reinterpret_cast<void*>(0x1234);

    // One paragraph of ten lines "a0" .. "a9", one display line each; a page
    // holds five, so the scroll range ends at 5.
    void AddTenLines() {
        std::string text;
        for (int i = 0; i < 10; ++i) text += std::string(i ? " a" : "a") + char('0' + i);
        const uint16_t block = article.AddBlock(kBody, text);
        for (int i = 0; i < 10; ++i)
            article.AddLine(uint16_t(block + 3 * i), 2, int16_t(kLeft + kWidth - 16), 16, kBodyLine);
        article.Finish(5);
    }

    std::u16string FirstDrawn() const {
        return article.Device.Runs.empty() ? u"" : article.Device.Runs.front().Text;
    }
};
}  // namespace

TEST_F(ArticleScrolling, WithoutAViewNothingMoves) {
    EXPECT_EQ(ScrollArticleView(nullptr, 1, kRedraw, kClampAtEnd), kNoView);
    EXPECT_EQ(ScrollToOffset(nullptr, 0), kNoView);
    EXPECT_FALSE(PointInView(nullptr, 0, 0));
    EXPECT_EQ(ClickScroll(window, nullptr, 0, 0, kRedraw), 0);
}

TEST_F(ArticleScrolling, MovingUpPastTheStartStopsAtTheFirstLine) {
    AddTenLines();
    article.View.TopLine = 3;

    EXPECT_EQ(ScrollArticleView(&article.View, -5, kNoRedraw, kClampAtEnd), kMovedNotDrawn);
    EXPECT_EQ(article.View.TopLine, 0);
    EXPECT_TRUE(article.Device.Runs.empty());

    article.View.TopLine = 3;
    EXPECT_EQ(ScrollArticleView(&article.View, -5, kRedraw, kClampAtEnd), 0);
    EXPECT_EQ(article.View.TopLine, 0);
    EXPECT_EQ(FirstDrawn(), u"a0");
    EXPECT_EQ(article.Device.WhiteFills.size(), 1u);
}

TEST_F(ArticleScrolling, AtTheEndAMoveDownIsRefusedAndAMoveUpIsNot) {
    AddTenLines();
    article.View.TopLine = 5;

    EXPECT_EQ(ScrollArticleView(&article.View, 2, kRedraw, kClampAtEnd), kRefused);
    EXPECT_EQ(article.View.TopLine, 5);
    EXPECT_TRUE(article.Device.Runs.empty());

    EXPECT_EQ(ScrollArticleView(&article.View, -2, kRedraw, kClampAtEnd), 0);
    EXPECT_EQ(article.View.TopLine, 3);
    EXPECT_EQ(FirstDrawn(), u"a3");
}

TEST_F(ArticleScrolling, AMoveThatOvershootsTheArticleLandsOnMaxTopLine) {
    AddTenLines();
    article.View.TopLine = 2;

    EXPECT_EQ(ScrollArticleView(&article.View, 20, kNoRedraw, kClampAtEnd), kMovedNotDrawn);
    EXPECT_EQ(article.View.TopLine, 5);

    article.View.TopLine = 2;
    EXPECT_EQ(ScrollArticleView(&article.View, 20, kNoRedraw, kNoClampAtEnd), kMovedNotDrawn);
    EXPECT_EQ(article.View.TopLine, 5);
}

TEST_F(ArticleScrolling, AMoveDownFromBeforeTheEndMayPassMaxTopLineOnce) {
    AddTenLines();
    article.View.TopLine = 4;

    EXPECT_EQ(ScrollArticleView(&article.View, 4, kRedraw, kClampAtEnd), 0);
    EXPECT_EQ(article.View.TopLine, 8);
    EXPECT_EQ(FirstDrawn(), u"a8");

    article.Device.ClearRecording();
    EXPECT_EQ(ScrollArticleView(&article.View, 1, kRedraw, kClampAtEnd), kRefused);
    EXPECT_EQ(article.View.TopLine, 8);
    EXPECT_TRUE(article.Device.Runs.empty());
}

TEST_F(ArticleScrolling, AMoveThatChangesNothingDrawsNothing) {
    AddTenLines();

    EXPECT_EQ(ScrollArticleView(&article.View, -1, kRedraw, kClampAtEnd), kRefused);
    EXPECT_EQ(ScrollArticleView(&article.View, 0, kNoRedraw, kClampAtEnd), kRefused);

    EXPECT_EQ(article.View.TopLine, 0);
    EXPECT_TRUE(article.Device.WhiteFills.empty());
}

TEST_F(ArticleScrolling, AnOffsetOnTheLastPageScrollsToMaxTopLine) {
    AddTenLines();
    const uint16_t inLine8 = article.View.Lines[8].Offset + 1;

    EXPECT_EQ(ScrollToOffset(&article.View, inLine8), 1);

    EXPECT_EQ(article.View.TopLine, 5);
}

TEST_F(ArticleScrolling, AnOffsetScrollsToItsLineCountingBlankLines) {
    // Three one-line paragraphs, each followed by a blank line, then a long one.
    const char* paragraphs[] = {"aa", "bb", "cc"};
    for (const char* words : paragraphs) {
        const uint16_t offset = article.AddBlock(kBody, words);
        article.AddLine(offset, 2, kLeft, 16, kBody);
    }
    const uint16_t last = article.AddBlock(kBody, "dd ee ff gg");
    for (int i = 0; i < 4; ++i) article.AddLine(uint16_t(last + 3 * i), 2, kLeft, 16, kBodyLine);
    // The last page starts on the blank line after "cc".
    article.Finish(5);

    // "dd" is display line 6, past the end of the scroll range; "bb" is 2.
    EXPECT_EQ(ScrollToOffset(&article.View, uint16_t(last)), 1);
    EXPECT_EQ(article.View.TopLine, 5);
    EXPECT_EQ(ScrollToOffset(&article.View, article.View.Lines[1].Offset), 1);
    EXPECT_EQ(article.View.TopLine, 2);
    // The end of a line's run still belongs to it.
    EXPECT_EQ(ScrollToOffset(&article.View, uint16_t(article.View.Lines[2].Offset + 2)), 1);
    EXPECT_EQ(article.View.TopLine, 4);
}

TEST_F(ArticleScrolling, AnOffsetOutsideEveryLineChangesNothing) {
    AddTenLines();
    article.View.TopLine = 3;

    EXPECT_EQ(ScrollToOffset(&article.View, 60000), 0);
    EXPECT_EQ(ScrollToOffset(&article.View, 0), 0);   // the first block's format byte

    EXPECT_EQ(article.View.TopLine, 3);
}

TEST_F(ArticleScrolling, TheViewIncludesItsGutterOnEverySide) {
    AddTenLines();
    // Gutter 10 around (10, 5)-(210, 105).
    EXPECT_TRUE(PointInView(&article.View, 0, -5));
    EXPECT_TRUE(PointInView(&article.View, 220, 115));
    EXPECT_FALSE(PointInView(&article.View, -1, 50));
    EXPECT_FALSE(PointInView(&article.View, 221, 50));
    EXPECT_FALSE(PointInView(&article.View, 50, -6));
    EXPECT_FALSE(PointInView(&article.View, 50, 116));
}

class ClickPaging : public ArticleScrolling {
protected:
    ScopedFakePorts ports;
    void SetUp() override {
        AddTenLines();
        article.View.LinesDrawn = 5;
    }
    void SetClickPageMode(uint32_t mode) {
        AppSettings.Flags = (AppSettings.Flags & ~kFlagsClickPageModeMask) |
                            (mode << kFlagsClickPageModeShift);
    }
};

// The one page rule of the keys and the clicks.
TEST(PageStep, APageIsTheLinesDrawnLessOneOrHalfInModesTwoAndFour) {
    for (uint32_t mode = 0; mode < 8; ++mode) {
        const int32_t expected = (mode == 2 || mode == 4) ? 10 : 20;
        EXPECT_EQ(PageStep(21, mode), expected) << "mode " << mode;
    }
}

// A view too small to draw a line still pages on by one line, never back.
TEST(PageStep, WithNothingDrawnAPageIsOneLineForward) {
    EXPECT_EQ(PageStep(0, 0), 1);
    EXPECT_EQ(PageStep(0, 2), 0);
    EXPECT_EQ(PageStep(1, 0), 0);
}

TEST_F(ClickPaging, TheLowerHalfPagesOnAndTheUpperHalfBack) {
    // Default Flags: split into upper and lower halves at y = 5 + 50.
    EXPECT_EQ(ClickScroll(window, &article.View, 100, kTop + 50, kRedraw), 1);
    EXPECT_EQ(article.View.TopLine, 4);
    EXPECT_EQ(FirstDrawn(), u"a4");

    EXPECT_EQ(ClickScroll(window, &article.View, 100, kTop + 49, kRedraw), 1);
    EXPECT_EQ(article.View.TopLine, 0);
    EXPECT_EQ(ports.Shell.ScrollBarUpdates, 2);
}

TEST_F(ClickPaging, PageModesTwoAndFourPageByHalfAPage) {
    for (uint32_t mode : {2u, 4u}) {
        SetClickPageMode(mode);
        article.View.TopLine = 0;
        ClickScroll(window, &article.View, 100, kTop + 90, kNoRedraw);
        EXPECT_EQ(article.View.TopLine, 2) << "mode " << mode;
    }
    SetClickPageMode(3);
    article.View.TopLine = 0;
    ClickScroll(window, &article.View, 100, kTop + 90, kNoRedraw);
    EXPECT_EQ(article.View.TopLine, 4);
}

TEST_F(ClickPaging, WithoutTheSplitFlagTheLeftHalfPagesBack) {
    AppSettings.Flags &= ~kFlagsClickSplitVertical;
    article.View.TopLine = 4;

    // The upper half, but the right half: pages on.
    ClickScroll(window, &article.View, kLeft + kWidth / 2, kTop, kNoRedraw);
    EXPECT_EQ(article.View.TopLine, 8);
    // The lower half, but the left half: pages back.
    ClickScroll(window, &article.View, kLeft + kWidth / 2 - 1, kTop + 90, kNoRedraw);
    EXPECT_EQ(article.View.TopLine, 4);
}

TEST_F(ClickPaging, WithClickPagingOffAClickDoesNothing) {
    AppSettings.Flags &= ~kFlagsClickPaging;

    EXPECT_EQ(ClickScroll(window, &article.View, 100, kTop + 90, kRedraw), 0);

    EXPECT_EQ(article.View.TopLine, 0);
    EXPECT_TRUE(article.Device.Runs.empty());
    EXPECT_EQ(ports.Shell.ScrollBarUpdates, 0);
}

TEST_F(ClickPaging, AClickOutsideTheViewDoesNothing) {
    EXPECT_EQ(ClickScroll(window, &article.View, 100, kTop + kHeight + 11, kRedraw), 0);
    EXPECT_EQ(article.View.TopLine, 0);
    EXPECT_EQ(ports.Shell.ScrollBarUpdates, 0);
}

TEST_F(ClickPaging, AClickAtTheEndIsTakenButDoesNotMove) {
    article.View.TopLine = 5;

    EXPECT_EQ(ClickScroll(window, &article.View, 100, kTop + 90, kRedraw), 1);

    EXPECT_EQ(article.View.TopLine, 5);
    EXPECT_TRUE(article.Device.Runs.empty());
    EXPECT_EQ(ports.Shell.ScrollBarUpdates, 1);
}
