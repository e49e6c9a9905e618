#include <gtest/gtest.h>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "tests/unit/hand_built_view.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
constexpr uint8_t kTitle = 0xD1;          // normal, right-to-left, centred, paragraph end
constexpr uint8_t kSubtitle = 0xD2;       // small
constexpr uint8_t kHeading = 0x0C;        // large and bold: drawn in blue
constexpr uint8_t kLeftToRight = 0x01;
constexpr uint8_t kCentredRule = 0x47;

Rect Box(int32_t x, int32_t y, int32_t w, int32_t h) { return Rect{x, y, x + w, y + h}; }

void ExpectBox(const Rect& actual, const Rect& expected) {
    EXPECT_EQ(actual.Left, expected.Left);
    EXPECT_EQ(actual.Top, expected.Top);
    EXPECT_EQ(actual.Right, expected.Right);
    EXPECT_EQ(actual.Bottom, expected.Bottom);
}

// Right-aligned x of a run of the given width in the test view.
int16_t RightAligned(int32_t width) { return int16_t(kLeft + kWidth - width); }

class ArticleDrawing : public ::testing::Test {
protected:
    AppSettingsScope settings;
    HandBuiltView article{kLeft, kTop, kWidth, kHeight};

    // Five body paragraphs "aa" .. "ee", one line each, each followed by a
    // blank line except the last: display lines 0 to 8.
    void AddFiveParagraphs() {
        const char* words[] = {"aa", "bb", "cc", "dd", "ee"};
        for (int i = 0; i < 5; ++i) {
            const uint16_t offset = article.AddBlock(kBody, words[i]);
            article.AddLine(offset, 2, RightAligned(16), 16, i < 4 ? kBody : kBodyLine);
        }
        article.Finish(4);
    }

    std::vector<std::u16string> DrawnTexts() const {
        std::vector<std::u16string> texts;
        for (const DrawnRun& run : article.Device.Runs) texts.push_back(run.Text);
        return texts;
    }
};
}  // namespace

TEST_F(ArticleDrawing, LinesAreDrawnInTheirBoxesDownFromTheTop) {
    const uint16_t title = article.AddBlock(kTitle, "abc");
    const uint16_t body = article.AddBlock(kBodyLine, "de fg");
    article.AddLine(title, 3, int16_t(kLeft + (kWidth - 24) / 2), 24, kTitle);
    article.AddLine(body, 5, RightAligned(36), 36, kBodyLine);
    article.Finish();

    EXPECT_EQ(DrawArticleView(&article.View, kErase), 0);

    ASSERT_EQ(article.Device.Runs.size(), 2u);
    EXPECT_EQ(article.Device.Runs[0].Text, u"abc");
    ExpectBox(article.Device.Runs[0].Box, Box(98, kTop, 24, kLineHeight));
    EXPECT_EQ(article.Device.Runs[1].Text, u"de fg");
    // Below the title's blank line.
    ExpectBox(article.Device.Runs[1].Box, Box(174, kTop + 40, 36, kLineHeight));
    EXPECT_EQ(article.View.LinesDrawn, 3);
    EXPECT_EQ(article.View.PageEnd, article.ZeroEntry());
}

TEST_F(ArticleDrawing, TopLineOnABlankLineShowsTheBlankSpaceFirst) {
    AddFiveParagraphs();
    article.View.TopLine = 3;   // the blank line after "bb"

    DrawArticleView(&article.View, kErase);

    ASSERT_FALSE(article.Device.Runs.empty());
    EXPECT_EQ(article.Device.Runs[0].Text, u"cc");
    EXPECT_EQ(article.Device.Runs[0].Box.Top, kTop + kLineHeight);
    // "cc", its blank, "dd" and its blank fill the 80 units below the blank.
    EXPECT_EQ(DrawnTexts(), (std::vector<std::u16string>{u"cc", u"dd"}));
    EXPECT_EQ(article.View.LinesDrawn, 4);
    EXPECT_EQ(article.View.PageEnd, &article.View.Lines[4]);
}

TEST_F(ArticleDrawing, TopLineAtTheDisplayLineCountDrawsAnEmptyPage) {
    AddFiveParagraphs();
    article.View.TopLine = article.View.DisplayLineCount;

    EXPECT_EQ(DrawArticleView(&article.View, kErase), 0);

    EXPECT_TRUE(article.Device.Runs.empty());
    EXPECT_EQ(article.Device.WhiteFills.size(), 1u);
    EXPECT_EQ(article.View.LinesDrawn, 0);
    EXPECT_EQ(article.View.PageEnd, article.ZeroEntry());
    EXPECT_EQ(article.View.TopLine, article.View.DisplayLineCount);
}

TEST_F(ArticleDrawing, TheWalkToTheTopLineStopsAtTheEndOfTheTable) {
    AddFiveParagraphs();
    // Counts that promise more lines than the table holds.
    article.View.DisplayLineCount = 50;
    article.View.TopLine = 40;

    EXPECT_EQ(DrawArticleView(&article.View, kErase), 0);

    EXPECT_TRUE(article.Device.Runs.empty());
    EXPECT_EQ(article.View.PageEnd, article.ZeroEntry());
}

TEST_F(ArticleDrawing, TopLineBeyondTheArticleIsMovedToMaxTopLine) {
    AddFiveParagraphs();
    article.View.TopLine = 40;

    DrawArticleView(&article.View, kErase);

    EXPECT_EQ(article.View.TopLine, 4);
    EXPECT_EQ(DrawnTexts(), (std::vector<std::u16string>{u"cc", u"dd", u"ee"}));
}

TEST_F(ArticleDrawing, ALineTallerThanTheViewIsNeverDrawn) {
    const uint16_t first = article.AddBlock(kBodyLine, "ab");
    const uint16_t tall = article.AddBlock(kBodyLine, "cd");
    const uint16_t after = article.AddBlock(kBodyLine, "ef");
    article.AddLine(first, 2, RightAligned(16), 16, kBodyLine);
    article.AddLine(tall, 2, RightAligned(16), 16, kBodyLine, kHeight + 1);
    article.AddLine(after, 2, RightAligned(16), 16, kBodyLine);
    article.Finish(1);

    DrawArticleView(&article.View, kErase);
    EXPECT_EQ(DrawnTexts(), std::vector<std::u16string>{u"ab"});
    EXPECT_EQ(article.View.LinesDrawn, 1);
    EXPECT_EQ(article.View.PageEnd, &article.View.Lines[1]);

    article.Device.ClearRecording();
    article.View.TopLine = 1;
    DrawArticleView(&article.View, kErase);
    EXPECT_TRUE(article.Device.Runs.empty());
    EXPECT_EQ(article.View.LinesDrawn, 0);
}

TEST_F(ArticleDrawing, ALineIsDrawnOnlyWhenItFitsButItsBlankLineNeedsNoRoom) {
    article.View.Height = 30;
    AddFiveParagraphs();

    DrawArticleView(&article.View, kErase);

    // "aa" fits (10 left), its blank line takes the page below zero.
    EXPECT_EQ(DrawnTexts(), std::vector<std::u16string>{u"aa"});
    EXPECT_EQ(article.View.LinesDrawn, 2);
    EXPECT_EQ(article.View.PageEnd, &article.View.Lines[1]);
}

TEST_F(ArticleDrawing, ARuleIsAOneUnitLineAcrossTheMiddleOfItsLine) {
    const uint16_t rule = article.AddBlock(kCentredRule, "");
    const uint16_t body = article.AddBlock(kBodyLine, "ab");
    article.AddLine(rule, 0, 60, 100, kCentredRule, 21);
    article.AddLine(body, 2, RightAligned(16), 16, kBodyLine);
    article.Finish();

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(article.Device.BlackRectangles.size(), 1u);
    ExpectBox(article.Device.BlackRectangles[0], Rect{60, kTop + 10, 160, kTop + 11});
    ASSERT_EQ(article.Device.Runs.size(), 1u);
    EXPECT_EQ(article.Device.Runs[0].Box.Top, kTop + 21);
}

TEST_F(ArticleDrawing, EraseFillsTheViewRectangleWhite) {
    AddFiveParagraphs();

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(article.Device.WhiteFills.size(), 1u);
    ExpectBox(article.Device.WhiteFills[0], Box(kLeft, kTop, kWidth, kHeight));
}

TEST_F(ArticleDrawing, WithoutEraseNothingAroundTheLinesIsCleared) {
    const uint16_t rule = article.AddBlock(kCentredRule, "");
    article.AddLine(rule, 0, 60, 100, kCentredRule);
    article.Finish();

    DrawArticleView(&article.View, kNoErase);

    EXPECT_TRUE(article.Device.WhiteFills.empty());
    EXPECT_EQ(article.Device.BlackRectangles.size(), 1u);
}

TEST_F(ArticleDrawing, LargeBoldRunsAreBlueAndAllOthersBlack) {
    const uint16_t heading = article.AddBlock(kHeading, "ab");
    const uint16_t large = article.AddBlock(0x04, "cd");
    const uint16_t bold = article.AddBlock(0x08 | kLeftToRight, "ef");
    const uint16_t body = article.AddBlock(kBodyLine, "gh");
    article.AddLine(heading, 2, kLeft, 16, kHeading);
    article.AddLine(large, 2, kLeft, 16, 0x04);
    article.AddLine(bold, 2, kLeft, 16, 0x08 | kLeftToRight);
    article.AddLine(body, 2, RightAligned(16), 16, kBodyLine);
    article.Finish();
    const Colour green = MakeColour(0, 128, 0);
    article.Device.Text = green;

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(article.Device.Runs.size(), 4u);
    EXPECT_EQ(article.Device.Runs[0].TextColour, kBlue);
    EXPECT_EQ(article.Device.Runs[1].TextColour, kBlack);
    EXPECT_EQ(article.Device.Runs[2].TextColour, kBlack);
    EXPECT_EQ(article.Device.Runs[3].TextColour, kBlack);
    EXPECT_EQ(article.Device.Text, green);
}

TEST_F(ArticleDrawing, EachLineIsDrawnInItsBlocksFont) {
    const uint16_t heading = article.AddBlock(kHeading, "ab");
    const uint16_t title = article.AddBlock(kTitle, "cd");
    const uint16_t body = article.AddBlock(kBody, "ef");
    const uint16_t subtitle = article.AddBlock(kSubtitle, "gh");
    article.AddLine(heading, 2, kLeft, 16, kHeading);
    // Lines inside their paragraphs, so that all four fit the page.
    article.AddLine(title, 2, kLeft, 16, kTitle & ~kFormatParagraphEnd);
    article.AddLine(body, 2, kLeft, 16, kBody & ~kFormatParagraphEnd);
    article.AddLine(subtitle, 2, kLeft, 16, kSubtitle & ~kFormatParagraphEnd);
    article.Finish();
    const FakeFont* before = article.Device.Selected;

    DrawArticleView(&article.View, kErase);

    const std::vector<DrawnRun>& runs = article.Device.Runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].Font->Weight, 700);
    EXPECT_EQ(runs[1].Font->Weight, 400);
    // Alignment and paragraph end do not change the font.
    EXPECT_EQ(runs[1].Font, runs[2].Font);
    EXPECT_NE(runs[3].Font, runs[2].Font);
    EXPECT_LT(std::abs(runs[3].Font->EmHeight), std::abs(runs[2].Font->EmHeight));
    EXPECT_EQ(article.Device.Selected, before);
}

TEST_F(ArticleDrawing, ALeftToRightHangingWordHangsLeftOfTheLine) {
    // "ab", two spaces, then the main run "cdef"; the box is 20 wide.
    const uint16_t block = article.AddBlock(kLeftToRight, "ab  cdef");
    article.AddLine(block, 4, kLeft + 20, 32, kLeftToRight, kLineHeight, 20);
    article.Finish();

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(article.Device.Runs.size(), 2u);
    EXPECT_EQ(article.Device.Runs[0].Text, u"ab");
    ExpectBox(article.Device.Runs[0].Box, Box(kLeft, kTop, 16, kLineHeight));
    EXPECT_EQ(article.Device.Runs[1].Text, u"cdef");
    ExpectBox(article.Device.Runs[1].Box, Box(kLeft + 20, kTop, 32, kLineHeight));
}

TEST_F(ArticleDrawing, ARightToLeftHangingWordIsRightAlignedInItsBox) {
    // Display order: the main run "cdef", a space, then the reading-first word "ab".
    const uint16_t block = article.AddBlock(kBody, "cdef ab");
    const int16_t x = RightAligned(20 + 32);
    article.AddLine(block, 4, x, 32, kBodyLine, kLineHeight, 20);
    article.Finish();

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(article.Device.Runs.size(), 2u);
    EXPECT_EQ(article.Device.Runs[0].Text, u"ab");
    ExpectBox(article.Device.Runs[0].Box, Box(kLeft + kWidth - 16, kTop, 16, kLineHeight));
    EXPECT_EQ(article.Device.Runs[1].Text, u"cdef");
    ExpectBox(article.Device.Runs[1].Box, Box(x, kTop, 32, kLineHeight));
}

TEST_F(ArticleDrawing, ASingleWordRightToLeftBlockStillShowsItsHangingWord) {
    const uint16_t block = article.AddBlock(kBody, "ab");
    article.AddLine(block, 0, RightAligned(20), 0, kBodyLine, kLineHeight, 20);
    article.Finish();

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(DrawnTexts(), std::vector<std::u16string>{u"ab"});
    ExpectBox(article.Device.Runs[0].Box, Box(kLeft + kWidth - 16, kTop, 16, kLineHeight));
}

TEST_F(ArticleDrawing, AHangingWordWiderThanItsBoxIsCutAndStaysRightAligned) {
    const uint16_t block = article.AddBlock(kBody, "cd abc");
    const int16_t x = RightAligned(20 + 16);
    article.AddLine(block, 2, x, 16, kBodyLine, kLineHeight, 20);
    article.Finish();

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(DrawnTexts(), (std::vector<std::u16string>{u"ab", u"cd"}));
    ExpectBox(article.Device.Runs[0].Box, Box(kLeft + kWidth - 16, kTop, 16, kLineHeight));
}

TEST_F(ArticleDrawing, ReverseChangesOnlyTheOrderOfTheDrawnCharacters) {
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    const uint16_t block = article.AddBlock(kBodyLine, "ab(c");
    article.AddLine(block, 4, RightAligned(32), 32, kBodyLine);
    article.Finish();

    DrawArticleView(&article.View, kErase);
    AppSettings.Flags |= kFlagsReverse;
    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(article.Device.Runs.size(), 2u);
    EXPECT_EQ(article.Device.Runs[0].Text, u"\u05D0\u05D1(\u05D2");
    EXPECT_EQ(article.Device.Runs[1].Text, u"\u05D2)\u05D1\u05D0");
    ExpectBox(article.Device.Runs[1].Box, article.Device.Runs[0].Box);
}

TEST_F(ArticleDrawing, WithoutTextOrLineTableNothingIsDrawn) {
    AddFiveParagraphs();
    ArticleLine* lines = article.View.Lines;

    article.View.Lines = nullptr;
    EXPECT_EQ(DrawArticleView(&article.View, kErase), kNoView);
    article.View.Lines = lines;
    article.View.Text = nullptr;
    EXPECT_EQ(DrawArticleView(&article.View, kErase), kNoView);
    EXPECT_EQ(DrawArticleView(nullptr, kErase), kNoView);

    EXPECT_TRUE(article.Device.WhiteFills.empty());
    EXPECT_TRUE(article.Device.Runs.empty());
}

TEST_F(ArticleDrawing, APageStartDrawsFromThatEntryAtTheTopEdge) {
    AddFiveParagraphs();
    article.View.PageStart = &article.View.Lines[3];

    DrawArticleView(&article.View, kNoErase);

    EXPECT_EQ(DrawnTexts(), (std::vector<std::u16string>{u"dd", u"ee"}));
    EXPECT_EQ(article.Device.Runs[0].Box.Top, kTop);
    EXPECT_EQ(article.View.PageEnd, article.ZeroEntry());
}

TEST_F(ArticleDrawing, APageStartAtTheEndOfTheTableDrawsAnEmptyPage) {
    AddFiveParagraphs();
    article.View.PageStart = article.View.Lines + article.View.LineCount;

    EXPECT_EQ(DrawArticleView(&article.View, kNoErase), 0);

    EXPECT_TRUE(article.Device.Runs.empty());
    EXPECT_EQ(article.View.LinesDrawn, 0);
    EXPECT_EQ(article.View.PageEnd, article.ZeroEntry());
}

namespace {
class ArticleHighlight : public ArticleDrawing {
protected:
    std::vector<DrawnRun> YellowRuns() const {
        std::vector<DrawnRun> runs;
        for (const DrawnRun& run : article.Device.Runs)
            if (run.BackColour == kYellow) runs.push_back(run);
        return runs;
    }
    void Highlight(int32_t start, int32_t end) {
        article.View.MatchStart = uint16_t(start);
        article.View.MatchEnd = uint16_t(end);
    }
};
}  // namespace

TEST_F(ArticleHighlight, AHitAcrossTwoRightToLeftLinesIsHighlightedOnEachLinesOwnBytes) {
    // Display order "abc def ghi": the upper line holds the reading-first
    // words "def ghi" (the string's end), the lower line "abc".
    const uint16_t block = article.AddBlock(kBody, "abc def ghi");
    article.AddLine(uint16_t(block + 4), 7, RightAligned(52), 52, kBodyLine);
    article.AddLine(block, 3, RightAligned(24), 24, kBodyLine);
    article.Finish();
    // The hit "c def": its last bytes "def" lie on the upper line.
    Highlight(block + 2, block + 7);

    EXPECT_EQ(DrawArticleView(&article.View, kErase), 0);

    const std::vector<DrawnRun> hits = YellowRuns();
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].Text, u"def");
    ExpectBox(hits[0].Box, Box(RightAligned(52), kTop, 24, kLineHeight));
    EXPECT_EQ(hits[0].TextColour, kBlue);
    EXPECT_EQ(hits[1].Text, u"c");
    ExpectBox(hits[1].Box, Box(RightAligned(24) + 16, kTop + kLineHeight, 8, kLineHeight));
    EXPECT_EQ(hits[1].TextColour, kBlue);
}

TEST_F(ArticleHighlight, AHitStartingBeforeTheRunIsHighlightedFromTheRunsStart) {
    const uint16_t block = article.AddBlock(kBodyLine, "xyz abcde");
    article.Finish();
    Highlight(block, block + 6);

    DrawMatchPart(&article.View, article.View.Text, article.View.Text + block + 4, 5, 50, 7);

    ASSERT_EQ(YellowRuns().size(), 1u);
    EXPECT_EQ(YellowRuns()[0].Text, u"ab");
    ExpectBox(YellowRuns()[0].Box, Box(50, 7, 16, article.Device.Metrics().Height));
}

TEST_F(ArticleHighlight, AHitEndingAfterTheRunIsHighlightedToTheRunsEnd) {
    const uint16_t block = article.AddBlock(kBodyLine, "abcde xyz");
    article.Finish();
    Highlight(block + 2, block + 9);

    DrawMatchPart(&article.View, article.View.Text, article.View.Text + block, 5, 50, 7);

    ASSERT_EQ(YellowRuns().size(), 1u);
    EXPECT_EQ(YellowRuns()[0].Text, u"cde");
    ExpectBox(YellowRuns()[0].Box, Box(50 + 16, 7, 24, article.Device.Metrics().Height));
}

TEST_F(ArticleHighlight, AHitOutsideTheRunDrawsNothing) {
    const uint16_t block = article.AddBlock(kBodyLine, "abcde xyz");
    article.Finish();
    Highlight(block + 6, block + 9);

    DrawMatchPart(&article.View, article.View.Text, article.View.Text + block, 5, 50, 7);
    Highlight(block, block + 3);
    DrawMatchPart(&article.View, article.View.Text, article.View.Text + block + 6, 3, 50, 7);

    EXPECT_TRUE(article.Device.Runs.empty());
}

TEST_F(ArticleHighlight, HighlightingNeverReadsPastTheArticle) {
    const uint16_t block = article.AddBlock(kBodyLine, "ab");
    article.Finish();
    article.Text.shrink_to_fit();
    article.View.Text = article.Text.data();
    Highlight(block, 0xFFFF);

    // A count far beyond the string stops at its terminator.
    DrawMatchPart(&article.View, article.View.Text, article.View.Text + block, 0x7FFF, 50, 7);

    ASSERT_EQ(YellowRuns().size(), 1u);
    EXPECT_EQ(YellowRuns()[0].Text, u"ab");
    EXPECT_EQ(YellowRuns()[0].Box.Right - YellowRuns()[0].Box.Left, 16);
}

TEST_F(ArticleHighlight, TheHitIsBlueOnYellowAndTheColoursAreRestored) {
    const uint16_t block = article.AddBlock(kBodyLine, "abcd");
    article.AddLine(block, 4, RightAligned(32), 32, kBodyLine);
    article.Finish();
    Highlight(block + 1, block + 3);
    const Colour green = MakeColour(0, 128, 0);
    article.Device.Text = green;
    ArticleLine* previousPageEnd = &article.View.Lines[0];
    article.View.PageEnd = previousPageEnd;

    DrawArticleView(&article.View, kErase);

    ASSERT_EQ(article.Device.Runs.size(), 2u);
    EXPECT_EQ(article.Device.Runs[0].Text, u"abcd");
    EXPECT_EQ(article.Device.Runs[0].BackColour, kWhite);
    EXPECT_EQ(article.Device.Runs[1].Text, u"bc");
    EXPECT_EQ(article.Device.Runs[1].TextColour, kBlue);
    EXPECT_EQ(article.Device.Runs[1].BackColour, kYellow);
    EXPECT_EQ(article.Device.Text, green);
    EXPECT_EQ(article.Device.Back, kWhite);
    // A page with a highlight leaves the page end of the last plain draw.
    EXPECT_EQ(article.View.PageEnd, previousPageEnd);
}

TEST_F(ArticleHighlight, WithoutEraseTheHitIsDrawnOverTheText) {
    const uint16_t block = article.AddBlock(kBodyLine, "abcd");
    article.AddLine(block, 4, RightAligned(32), 32, kBodyLine);
    article.Finish();
    Highlight(block, block + 4);

    DrawArticleView(&article.View, kNoErase);

    EXPECT_TRUE(article.Device.WhiteFills.empty());
    ASSERT_EQ(article.Device.Runs.size(), 2u);
    ExpectBox(article.Device.Runs[1].Box, article.Device.Runs[0].Box);
    EXPECT_EQ(article.Device.Runs[1].BackColour, kYellow);
}

TEST_F(ArticleHighlight, ReverseTurnsTheHitsCharactersButNotItsBox) {
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    const uint16_t block = article.AddBlock(kBodyLine, "abcd");
    article.AddLine(block, 4, RightAligned(32), 32, kBodyLine);
    article.Finish();
    Highlight(block + 1, block + 3);

    DrawArticleView(&article.View, kErase);
    AppSettings.Flags |= kFlagsReverse;
    DrawArticleView(&article.View, kErase);

    const std::vector<DrawnRun> hits = YellowRuns();
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].Text, u"\u05D1\u05D2");
    EXPECT_EQ(hits[1].Text, u"\u05D2\u05D1");
    ExpectBox(hits[0].Box, Box(RightAligned(32) + 8, kTop, 16, kLineHeight));
    ExpectBox(hits[1].Box, hits[0].Box);
}

TEST_F(ArticleHighlight, AHitInTheMainRunOfAHangingLineIsHighlighted) {
    // Left to right: hanging word "ab", then the main run "cdef".
    const uint16_t block = article.AddBlock(kLeftToRight, "ab  cdef");
    article.AddLine(block, 4, kLeft + 20, 32, kLeftToRight, kLineHeight, 20);
    article.Finish();
    Highlight(block + 6, block + 8);   // "ef", beyond Offset + Length

    DrawArticleView(&article.View, kErase);

    const std::vector<DrawnRun> hits = YellowRuns();
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Text, u"ef");
    ExpectBox(hits[0].Box, Box(kLeft + 20 + 16, kTop, 16, kLineHeight));
}

TEST_F(ArticleHighlight, OnlyTheHitsPartOfAHangingWordIsHighlighted) {
    const uint16_t block = article.AddBlock(kBody, "cdef ab");
    const int16_t x = RightAligned(20 + 32);
    article.AddLine(block, 4, x, 32, kBodyLine, kLineHeight, 20);
    article.Finish();
    Highlight(block + 3, block + 6);   // "f a": the end of the main run and the word's "a"

    DrawArticleView(&article.View, kErase);

    const std::vector<DrawnRun> hits = YellowRuns();
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].Text, u"a");
    ExpectBox(hits[0].Box, Box(kLeft + kWidth - 16, kTop, 8, kLineHeight));
    EXPECT_EQ(hits[1].Text, u"f");
    ExpectBox(hits[1].Box, Box(x + 24, kTop, 8, kLineHeight));
}

TEST_F(ArticleDrawing, APageDrawsWithoutMemoryOnceTheConversionBufferHasGrown) {
    AddFiveParagraphs();
    DrawArticleView(&article.View, kErase);
    const std::vector<std::u16string> firstPage = DrawnTexts();
    article.Device.ClearRecording();

    FailAllocationAfter(0);
    DrawArticleView(&article.View, kErase);
    FailAllocationAfter(-1);

    EXPECT_EQ(DrawnTexts(), firstPage);
}
