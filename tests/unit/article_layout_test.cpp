#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/unit/view_fixture.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

// The fake device: letters 8 units wide, a space 4. The view's normal font is
// 12 points at 96 dpi (em 16, so lines 20 high), the small one 9 points (lines
// 16 high); tmMaxCharWidth is 10.
namespace {
constexpr uint8_t kBodyRtl = 0xB1;       // normal, right-to-left, right-aligned, paragraph end
constexpr uint8_t kTitleRtl = 0xD1;      // centred
constexpr uint8_t kSubtitleRtl = 0xD2;   // small, centred
constexpr uint8_t kPlainLtr = 0x01;      // normal, left-to-right, left-aligned
constexpr uint8_t kParagraphLtr = 0x81;
constexpr int32_t kLineHeight = 20;
constexpr uint8_t kSpace = 0x20;

class Layout : public ViewFixture {
protected:
    void MakeView(int32_t width, int32_t height = 400, int32_t capacity = 100) {
        const Rect rectangle{10, 5, 10 + width, 5 + height};
        const FontSpec spec = TestFontSpec(u"David CLM", 12);
        view = CreateArticleView(&device, &rectangle, &spec, capacity);
        ASSERT_NE(view, nullptr);
    }
    int32_t LayOut(const std::vector<TestBlock>& blocks, int32_t releasePrevious = 1) {
        return LayoutArticle(view, NewArticle(blocks), releasePrevious);
    }
    // Fonts and the conversion buffer exist, so the next allocation a layout
    // makes is the one a test means to fail.
    void Prewarm(std::initializer_list<uint16_t> formats) {
        device.SelectFont(SelectFormatFont(view, 1));
        for (uint16_t format : formats) device.SelectFont(SelectFormatFont(view, format));
        std::vector<uint8_t> run(4096, 'a');
        int32_t width = 1 << 30;
        int32_t count = int32_t(run.size());
        FitText(&device, run.data(), &width, &count);
    }
    std::string RunOf(const ArticleLine& line) const {
        return std::string(reinterpret_cast<const char*>(view->Text) + line.Offset, line.Length);
    }
};

std::string Repeat(char byte, size_t count) { return std::string(count, byte); }
}  // namespace

TEST_F(Layout, RightToLeftBlockBreaksInReadingOrder) {
    MakeView(50);
    // The second block's string lies at offsets 100 to 110; in reading order it
    // is "abcdef ghij", stored in display order.
    ASSERT_EQ(LayOut({{kPlainLtr, 0, Repeat('x', 95)}, {kBodyRtl, 0, "jihg fedcba"}, {kBodyRtl, 0, "zz"}}),
              kLayoutDone);
    const int32_t first = view->LineCount - 3;
    const ArticleLine& upper = view->Lines[first];
    const ArticleLine& lower = view->Lines[first + 1];
    EXPECT_EQ(upper.Offset, 105);
    EXPECT_EQ(upper.Length, 6);
    EXPECT_EQ(RunOf(upper), "fedcba");
    EXPECT_EQ(lower.Offset, 100);
    EXPECT_EQ(lower.Length, 4);
    EXPECT_EQ(RunOf(lower), "jihg");
    EXPECT_EQ(upper.Width, 48);
    EXPECT_EQ(upper.X, 10 + 50 - 48);   // right-aligned
    EXPECT_EQ(lower.X, 10 + 50 - 32);
    EXPECT_EQ(upper.Format, kBodyRtl & 0x7F);
    EXPECT_EQ(lower.Format, kBodyRtl);
}

TEST_F(Layout, RightToLeftFirstLineHoldsTheStringsLastWords) {
    MakeView(60);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "ccc bbb aaa"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    EXPECT_EQ(RunOf(view->Lines[0]), "bbb aaa");
    EXPECT_EQ(view->Lines[0].Offset, 2 + 4);
    EXPECT_EQ(RunOf(view->Lines[1]), "ccc");
    EXPECT_EQ(view->Lines[1].Offset, 2);
}

TEST_F(Layout, LineEndsAtTheLastSpaceThatFits) {
    MakeView(80);
    ASSERT_EQ(LayOut({{kPlainLtr, 0, "aaaa bbbb cccc"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    EXPECT_EQ(RunOf(view->Lines[0]), "aaaa bbbb");
    EXPECT_EQ(view->Lines[0].Width, 68);
    EXPECT_EQ(view->Lines[0].X, 10);
    EXPECT_EQ(RunOf(view->Lines[1]), "cccc");
    EXPECT_EQ(view->Lines[1].Offset, 12);
}

TEST_F(Layout, SpacesAtABreakBelongToNoLine) {
    MakeView(32);
    ASSERT_EQ(LayOut({{kPlainLtr, 0, "aaaa   bbbb"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    EXPECT_EQ(RunOf(view->Lines[0]), "aaaa");
    EXPECT_EQ(RunOf(view->Lines[1]), "bbbb");
    EXPECT_EQ(view->Lines[1].Offset, 2 + 7);
}

TEST_F(Layout, HyphenStaysOnTheLineItEnds) {
    MakeView(60);
    ASSERT_EQ(LayOut({{kPlainLtr, 0, "aaaa-bbbb"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    EXPECT_EQ(RunOf(view->Lines[0]), "aaaa-");
    EXPECT_EQ(view->Lines[0].Width, 40);
    EXPECT_EQ(RunOf(view->Lines[1]), "bbbb");
}

TEST_F(Layout, HyphenAtTheFirstPositionIsNoBreak) {
    MakeView(40);
    ASSERT_EQ(LayOut({{kPlainLtr, 0, "-aaaaaaaa"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    EXPECT_EQ(RunOf(view->Lines[0]), "-aaaa");
    EXPECT_EQ(RunOf(view->Lines[1]), "aaaa");
}

TEST_F(Layout, WordWiderThanTheViewIsCutWhereTheWidthRunsOut) {
    MakeView(40);
    ASSERT_EQ(LayOut({{kPlainLtr, 0, "aaaaabbbbbcc dd"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 3);
    EXPECT_EQ(RunOf(view->Lines[0]), "aaaaa");
    EXPECT_EQ(RunOf(view->Lines[1]), "bbbbb");
    EXPECT_EQ(RunOf(view->Lines[2]), "cc dd");
}

TEST_F(Layout, CentredLineSitsBetweenMarginAndRightEdge) {
    MakeView(100);
    ASSERT_EQ(LayOut({{0x41, 4, "aaaa"}}), kLayoutDone);
    EXPECT_EQ(view->Lines[0].X, 10 + 4 + (100 - 4 - 32) / 2);
}

TEST_F(Layout, MarginIsMeasuredFromTheAlignedEdge) {
    MakeView(100);
    ASSERT_EQ(LayOut({{kPlainLtr, 7, "aa"}, {0x21, 7, "aa"}}), kLayoutDone);
    EXPECT_EQ(view->Lines[0].X, 10 + 7);
    EXPECT_EQ(view->Lines[1].X, 10 + 100 - 7 - 16);
}

TEST_F(Layout, MarginNotSmallerThanTheViewIsDropped) {
    MakeView(40);
    ASSERT_EQ(LayOut({{kPlainLtr, 40, "aa"}, {kPlainLtr, 39, "a"}}), kLayoutDone);
    EXPECT_EQ(view->Lines[0].X, 10);
    EXPECT_EQ(view->Lines[1].X, 10 + 39);
}

TEST_F(Layout, LeftToRightHangingWordIndentsTheWholeBlock) {
    MakeView(80);
    // Hang level 1: a box of 2 x tmMaxCharWidth / 2 = 10 units.
    ASSERT_EQ(LayOut({{kPlainLtr, 0x40, "aa bbbb cccc dddd"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    const ArticleLine& first = view->Lines[0];
    EXPECT_EQ(first.Offset, 2);        // the hanging word's first byte
    EXPECT_EQ(first.Length, 9);        // "bbbb cccc", the word not counted
    EXPECT_EQ(first.HangWidth, 10);
    EXPECT_EQ(first.X, 10 + 10);
    EXPECT_EQ(first.Width, 68);
    const ArticleLine& second = view->Lines[1];
    EXPECT_EQ(RunOf(second), "dddd");
    EXPECT_EQ(second.HangWidth, 0);
    EXPECT_EQ(second.X, 10 + 10);
}

TEST_F(Layout, RightToLeftHangingWordIsTheStringsTail) {
    MakeView(80);
    // Reading order "aa bbbb cccc dddd"; "aa" hangs at the right.
    ASSERT_EQ(LayOut({{0x31, 0x40, "dddd cccc bbbb aa"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    const ArticleLine& first = view->Lines[0];
    EXPECT_EQ(RunOf(first), "cccc bbbb");
    EXPECT_EQ(first.Offset, 2 + 5);
    EXPECT_EQ(first.HangWidth, 10);
    EXPECT_EQ(first.X, 10 + 80 - 10 - 68);
    const ArticleLine& second = view->Lines[1];
    EXPECT_EQ(RunOf(second), "dddd");
    EXPECT_EQ(second.Offset, 2);
    EXPECT_EQ(second.X, 10 + 80 - 10 - 32);
}

TEST_F(Layout, HangLevelThreeGivesTwiceTheCharWidth) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kPlainLtr, 0xC0, "aa bb"}}), kLayoutDone);
    EXPECT_EQ(view->Lines[0].HangWidth, 20);
}

TEST_F(Layout, ContinuationBlockKeepsThePreviousIndent) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kPlainLtr, 0x42, "aa bbbb"}, {kPlainLtr, 0x45, " cccc dd"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    EXPECT_EQ(view->Lines[0].X, 10 + 2 + 10);
    const ArticleLine& continued = view->Lines[1];
    EXPECT_EQ(continued.HangWidth, 0);
    EXPECT_EQ(continued.X, 10 + 2 + 10 + (5 - 2));
    EXPECT_EQ(RunOf(continued), "cccc dd");
}

TEST_F(Layout, FirstBlockIsNeverAContinuation) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kPlainLtr, 0x40, " aa bbbb"}}), kLayoutDone);
    EXPECT_EQ(view->Lines[0].HangWidth, 10);
    EXPECT_EQ(view->Lines[0].X, 10 + 10);
}

TEST_F(Layout, RuleLengthsFromTheLayoutByte) {
    MakeView(200);
    ASSERT_EQ(LayOut({{0x07, 0, ""}, {0x07, 10, ""}, {0x27, 10, ""}, {0x47, 10, ""}, {0x07, 210, ""},
                      {0x07, 255, ""}, {0x87, 20, ""}}),
              kLayoutDone);
    ASSERT_EQ(view->LineCount, 6);   // layout byte 0 makes no line
    EXPECT_EQ(view->Lines[0].Width, 10);
    EXPECT_EQ(view->Lines[0].X, 10);
    EXPECT_EQ(view->Lines[0].Offset, 5);   // its empty string, after the first rule's 3 bytes
    EXPECT_EQ(view->Lines[0].Length, 0);
    EXPECT_EQ(view->Lines[0].Height, kLineHeight);
    EXPECT_EQ(view->Lines[1].X, 10 + 200 - 10);   // right
    EXPECT_EQ(view->Lines[2].X, 10 + 95);         // centred
    EXPECT_EQ(view->Lines[3].Width, 200);         // 100 percent
    EXPECT_EQ(view->Lines[4].Width, 200);         // 190 percent, cut
    EXPECT_EQ(view->DisplayLineCount, 6);         // the last line loses its blank
}

TEST_F(Layout, RuleKeepsTheLineHeightOfTheTextBeforeIt) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kSubtitleRtl, 0, "aa"}, {0x87, 20, ""}, {kBodyRtl, 0, "bb"}}), kLayoutDone);
    EXPECT_EQ(view->Lines[0].Height, 16);
    EXPECT_EQ(view->Lines[1].Height, 16);
    EXPECT_EQ(view->Lines[2].Height, kLineHeight);
    EXPECT_EQ(view->DisplayLineCount, 5);
}

TEST_F(Layout, ParagraphEndsAddBlankLinesButNotAfterTheLast) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kTitleRtl, 0, "aa"}, {kBodyRtl, 0, "bb"}, {kBodyRtl, 0, "cc"}}), kLayoutDone);
    EXPECT_EQ(view->LineCount, 3);
    EXPECT_EQ(view->DisplayLineCount, 5);
    EXPECT_EQ(view->Lines[2].Format, kBodyRtl & 0x7F);
    EXPECT_EQ(view->Lines[3].Format, 0);   // the end of the table
}

TEST_F(Layout, EmptyOrBlankBlocksMakeNoLineAndNoBlank) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "aa"}, {kParagraphLtr, 0, ""}, {kBodyRtl, 0, "   "}, {kPlainLtr, 0, "bb"}}),
              kLayoutDone);
    EXPECT_EQ(view->LineCount, 2);
    EXPECT_EQ(view->DisplayLineCount, 3);
}

TEST_F(Layout, TrailingSpacesDoNotCostTheParagraphItsBlankLine) {
    MakeView(70);
    ASSERT_EQ(LayOut({{kParagraphLtr, 0, "aaaa bbbb  "}, {kPlainLtr, 0, "cc"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 2);
    EXPECT_EQ(RunOf(view->Lines[0]), "aaaa bbbb");
    EXPECT_EQ(view->Lines[0].Format, kParagraphLtr);
    EXPECT_EQ(view->DisplayLineCount, 3);
}

TEST_F(Layout, LineHeightFollowsTheBlocksFont) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kSubtitleRtl, 0, "aa"}, {kBodyRtl, 0, "bb"}}), kLayoutDone);
    EXPECT_EQ(view->Lines[0].Height, 16);
    EXPECT_EQ(view->Lines[1].Height, kLineHeight);
}

TEST_F(Layout, LayoutSelectsThePreviousFontBack) {
    MakeView(200);
    const FakeFont* before = device.Selected;
    ASSERT_EQ(LayOut({{kSubtitleRtl, 0, "aa"}}), kLayoutDone);
    EXPECT_EQ(device.Selected, before);
}

TEST_F(Layout, MaxTopLineIsZeroWhenTheArticleFits) {
    MakeView(200, 100);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "aa"}, {kBodyRtl, 0, "bb"}}), kLayoutDone);
    EXPECT_EQ(view->DisplayLineCount, 3);
    EXPECT_EQ(view->MaxTopLine, 0);
}

TEST_F(Layout, MaxTopLineMayNameTheBlankLineAfterAParagraph) {
    // Display lines: aa, blank, bb, cc. A page of 70 units holds the blank
    // line and the two lines after it, but not "aa" as well.
    MakeView(200, 70);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "aa"}, {0x31, 0, "bb"}, {kBodyRtl, 0, "cc"}}), kLayoutDone);
    EXPECT_EQ(view->DisplayLineCount, 4);
    EXPECT_EQ(view->MaxTopLine, 1);
}

TEST_F(Layout, MaxTopLineStartsTheLastFullPage) {
    MakeView(200, 60);
    ASSERT_EQ(LayOut({{0x31, 0, "aa"}, {0x31, 0, "bb"}, {0x31, 0, "cc"}, {0x31, 0, "dd"}, {0x31, 0, "ee"}}),
              kLayoutDone);
    EXPECT_EQ(view->MaxTopLine, 2);
}

TEST_F(Layout, ComputeMaxTopLineRefusesAnEmptyView) {
    MakeView(200);
    EXPECT_EQ(ComputeMaxTopLine(view), -1);
    EXPECT_EQ(ComputeMaxTopLine(nullptr), -1);
}

TEST_F(Layout, RelayoutOfTheSameBytesKeepsTextAndTopLineAndClearsTheHit) {
    MakeView(200);
    uint8_t* text = NewArticle({{kBodyRtl, 0, "aa"}, {kBodyRtl, 0, "bb"}});
    ASSERT_EQ(LayoutArticle(view, text, kReleasePrevious), kLayoutDone);
    view->TopLine = 7;
    view->MatchStart = 2;
    view->MatchEnd = 4;
    EXPECT_EQ(LayoutArticle(view, text, kKeepPrevious), kLayoutDone);
    EXPECT_EQ(view->Text, text);
    EXPECT_EQ(view->TopLine, 7);
    EXPECT_EQ(view->MatchStart, 0);
    EXPECT_EQ(view->MatchEnd, 0);
    // Asked to release the shown bytes while laying them out again, the view
    // keeps them.
    EXPECT_EQ(LayoutArticle(view, text, kReleasePrevious), kLayoutDone);
    EXPECT_EQ(view->Text, text);
    EXPECT_EQ(RunOf(view->Lines[1]), "bb");
}

TEST_F(Layout, NewArticleReplacesTheShownOne) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "aa"}, {kBodyRtl, 0, "bb"}}), kLayoutDone);
    uint8_t* next = NewArticle({{kBodyRtl, 0, "cccc"}});
    EXPECT_EQ(LayoutArticle(view, next, kReleasePrevious), kLayoutDone);
    EXPECT_EQ(view->Text, next);
    EXPECT_EQ(view->LineCount, 1);
    EXPECT_EQ(view->Lines[1].Format, 0);
}

TEST_F(Layout, NoBytesReleasesTheShownTextOnlyWhenAsked) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "aa"}}), kLayoutDone);
    uint8_t* shown = view->Text;
    EXPECT_EQ(LayoutArticle(view, nullptr, kKeepPrevious), kLayoutNoText);
    EXPECT_EQ(view->Text, shown);
    EXPECT_EQ(LayoutArticle(view, nullptr, kReleasePrevious), kLayoutNoText);
    EXPECT_EQ(view->Text, nullptr);
}

TEST_F(Layout, RefusedArticleClearsOnlyTheCountsAndTheHit) {
    MakeView(200, 40);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "aa"}, {kBodyRtl, 0, "bb"}, {kBodyRtl, 0, "cc"}}), kLayoutDone);
    uint8_t* shown = view->Text;
    view->TopLine = 2;
    view->MatchStart = 2;
    view->MatchEnd = 3;
    ASSERT_NE(view->MaxTopLine, 0);

    uint8_t* emptyTitle = NewArticle({{kBodyRtl, 0, ""}, {kBodyRtl, 0, "bb"}});
    EXPECT_EQ(LayoutArticle(view, emptyTitle, kReleasePrevious), kLayoutRefused);
    EXPECT_EQ(view->Text, shown);
    EXPECT_EQ(view->LineCount, 3);
    EXPECT_EQ(RunOf(view->Lines[0]), "aa");
    EXPECT_EQ(view->TopLine, 2);
    EXPECT_EQ(view->DisplayLineCount, 0);
    EXPECT_EQ(view->MaxTopLine, 0);
    EXPECT_EQ(view->MatchStart, 0);
    EXPECT_EQ(view->MatchEnd, 0);
    PlainFree(emptyTitle);   // a refused article stays the caller's

    uint8_t* empty = NewBuffer({0});
    EXPECT_EQ(LayoutArticle(view, empty, kReleasePrevious), kLayoutRefused);
    EXPECT_EQ(view->Text, shown);
    PlainFree(empty);
}

TEST_F(Layout, ArticleMayStartWithARule) {
    MakeView(200);
    ASSERT_EQ(LayOut({{0x47, 20, ""}, {kBodyRtl, 0, "aa"}}), kLayoutDone);
    EXPECT_EQ(view->LineCount, 2);
    EXPECT_EQ(view->Lines[0].Width, 20);
}

TEST_F(Layout, TableGrowsAndKeepsItsLines) {
    MakeView(200, 400, 100);
    std::vector<TestBlock> blocks;
    for (int i = 0; i < 300; ++i) blocks.push_back({kBodyRtl, 0, std::string(1, char('a' + i % 26))});
    ASSERT_EQ(LayOut(blocks), kLayoutDone);
    EXPECT_EQ(view->LineCount, 300);
    EXPECT_GE(view->LineCapacity, 300);
    EXPECT_EQ(view->DisplayLineCount, 599);
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(view->Lines[i].Offset, 4 * i + 2);
        ASSERT_EQ(RunOf(view->Lines[i]), std::string(1, char('a' + i % 26)));
    }
    EXPECT_EQ(view->Lines[300].Format, 0);
}

TEST_F(Layout, GrowLineTableAddsRoomFor128Lines) {
    MakeView(200, 400, 2);
    view->Lines[0] = ArticleLine{2, 3, 4, 0, 24, 20, kBodyRtl};
    view->Lines[1] = ArticleLine{6, 1, 4, 0, 8, 20, kBodyRtl};
    EXPECT_EQ(GrowLineTable(view, 2), 0);
    EXPECT_EQ(view->LineCapacity, 130);
    EXPECT_EQ(view->Lines[1].Offset, 6);
    view->Lines[130] = ArticleLine{};   // the extra entry exists
    FailAllocationAfter(0);
    EXPECT_EQ(GrowLineTable(view, 1), kGrowFailed);
    EXPECT_EQ(view->LineCapacity, 130);
    EXPECT_EQ(view->Lines[0].Offset, 2);
    EXPECT_EQ(view->Lines[1].Format, 0);   // the table now ends there
}

TEST_F(Layout, OutOfMemoryWhileGrowingEndsTheTableAfterTheLastLine) {
    MakeView(200, 400, 100);
    std::vector<TestBlock> blocks;
    for (int i = 0; i < 150; ++i) blocks.push_back({kParagraphLtr, 0, "ab"});
    ASSERT_EQ(LayOut({{kParagraphLtr, 0, "zz"}}), kLayoutDone);
    uint8_t* next = NewArticle(blocks);
    Prewarm({kParagraphLtr});
    const FakeFont* before = device.Selected;
    FailAllocationAfter(0);
    EXPECT_EQ(LayoutArticle(view, next, kReleasePrevious), kLayoutOutOfMemory);
    EXPECT_EQ(view->Text, nullptr);   // the previous text is gone, the new one not taken
    EXPECT_EQ(view->Lines[99].Format, kParagraphLtr);
    EXPECT_EQ(view->Lines[100].Format, 0);
    EXPECT_EQ(device.Selected, before);
    PlainFree(next);
}

TEST_F(Layout, OutOfMemoryForTheRightToLeftCopyStopsTheLayout) {
    MakeView(200);
    uint8_t* text = NewArticle({{kPlainLtr, 0, "aa"}, {kBodyRtl, 0, "bb"}});
    Prewarm({kPlainLtr, kBodyRtl});
    FailAllocationAfter(0);
    EXPECT_EQ(LayoutArticle(view, text, kReleasePrevious), kLayoutOutOfMemory);
    EXPECT_EQ(view->Text, nullptr);
    EXPECT_EQ(view->Lines[0].Format, kPlainLtr);
    EXPECT_EQ(view->Lines[1].Format, 0);
    PlainFree(text);
}

TEST_F(Layout, OutOfMemoryForTheFirstTable) {
    MakeView(200, 400, 0);
    uint8_t* text = NewArticle({{kBodyRtl, 0, "aa"}});
    FailAllocationAfter(0);
    EXPECT_EQ(LayoutArticle(view, text, kReleasePrevious), kLayoutOutOfMemory);
    EXPECT_EQ(view->Lines, nullptr);
    EXPECT_EQ(view->Text, nullptr);
    FailAllocationAfter(-1);
    EXPECT_EQ(LayoutArticle(view, text, kReleasePrevious), kLayoutDone);
    EXPECT_EQ(view->LineCapacity, 128);
}

TEST_F(Layout, OutOfMemoryForTheConversionStopsTheLayout) {
    MakeView(200);
    uint8_t* text = NewArticle({{kPlainLtr, 0, "aa"}});
    Prewarm({kPlainLtr});
    PlainFree(SharedConversion.Units);
    SharedConversion = ConversionBuffer{};
    FailAllocationAfter(0);
    EXPECT_EQ(LayoutArticle(view, text, kReleasePrevious), kLayoutOutOfMemory);
    EXPECT_EQ(view->Lines[0].Format, 0);
    PlainFree(text);
}

TEST_F(Layout, FailedRelayoutOfOtherBytesLeavesNoLinesOverTheShownText) {
    MakeView(200);
    ASSERT_EQ(LayOut({{kPlainLtr, 0, "aa"}}), kLayoutDone);
    uint8_t* other = NewArticle({{kPlainLtr, 0, "bb"}, {kBodyRtl, 0, "cc"}});
    Prewarm({kPlainLtr, kBodyRtl});
    FailAllocationAfter(0);
    EXPECT_EQ(LayoutArticle(view, other, kKeepPrevious), kLayoutOutOfMemory);
    EXPECT_NE(view->Text, nullptr);
    EXPECT_EQ(view->Lines[0].Format, 0);
    PlainFree(other);
}

TEST_F(Layout, ViewNarrowerThanALetterTakesOneLetterPerLine) {
    MakeView(1);
    ASSERT_EQ(LayOut({{kBodyRtl, 0, "cb  a"}, {kPlainLtr, 0x40, "de fg"}}), kLayoutDone);
    ASSERT_EQ(view->LineCount, 6);
    EXPECT_EQ(RunOf(view->Lines[0]), "a");
    EXPECT_EQ(RunOf(view->Lines[1]), "b");
    EXPECT_EQ(RunOf(view->Lines[2]), "c");
    EXPECT_EQ(view->Lines[0].Width, 8);
    // The hanging word makes the first line of its block on its own.
    EXPECT_EQ(view->Lines[3].Length, 0);
    EXPECT_EQ(view->Lines[3].HangWidth, 10);
    EXPECT_EQ(RunOf(view->Lines[4]), "f");
    EXPECT_EQ(RunOf(view->Lines[5]), "g");
}

TEST_F(Layout, EveryLineCostsAtMostFourMeasurements) {
    const std::vector<TestBlock> blocks = {
        {kBodyRtl, 0, "aaa-bbbbbbbbb ccc-dddddddddd eee-ffffffff ggg-hhhhhhhhhh"},
        {kPlainLtr, 0x40, "aaa-bbbbbbbbb ccc-dddddddddd eee-ffffffff ggg-hhhhhhhhhh"},
        {kBodyRtl, 0, "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii"},
    };
    for (int32_t width : {1, 40, 60, 90, 500}) {
        MakeView(width);
        device.ClearRecording();
        ASSERT_EQ(LayOut(blocks), kLayoutDone);
        EXPECT_LE(device.MeasureCalls, 4 * view->LineCount) << "width " << width;
        DestroyArticleView(view, kReleaseView);
        view = nullptr;
    }
}

TEST_F(Layout, FitTextMeasuresWithoutTheReverseStep) {
    MakeView(200);
    device.CharWidth = [](char16_t unit, const FakeFont&) { return unit == 0x05D0 ? 20 : 8; };
    AppSettings.Flags = kFlagsReverse;
    const uint8_t run[] = {'a', 'b', 0};
    int32_t width = 25;
    int32_t count = 2;
    FitText(&device, run, &width, &count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(width, 20);
    EXPECT_EQ(AppSettings.Flags, kFlagsReverse);
}

TEST_F(Layout, FitTextGivesTheWidthOfTheFittedPrefix) {
    MakeView(200);
    const uint8_t run[] = "aaaa bbbb";
    int32_t width = 50;
    int32_t count = 9;
    FitText(&device, run, &width, &count);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(width, 44);
}

TEST_F(Layout, FitTextStopsAtTheStringsEnd) {
    MakeView(200);
    const uint8_t run[] = {'a', 'a', 0, 'b', 'b'};
    int32_t width = 1000;
    int32_t count = 5;
    FitText(&device, run, &width, &count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(width, 16);
}

TEST_F(Layout, TruncatedStringEndsAtTheArticlesSize) {
    MakeView(200);
    // No terminator and no end marker: the string stops at the last byte.
    std::vector<uint8_t> bytes{kPlainLtr, 0, 'a', 'b', 'c'};
    ASSERT_EQ(LayoutSizedArticle(view, bytes.data(), uint32_t(bytes.size()), kKeepPrevious), kLayoutDone);
    EXPECT_EQ(view->LineCount, 1);
    EXPECT_EQ(view->Lines[0].Length, 3);
    view->Text = nullptr;   // not the view's to release
}

TEST_F(Layout, FormatByteAtTheVeryEndEndsTheArticle) {
    MakeView(200);
    std::vector<uint8_t> bytes{kPlainLtr, 0, 'a', 0, kBodyRtl};
    ASSERT_EQ(LayoutSizedArticle(view, bytes.data(), uint32_t(bytes.size()), kKeepPrevious), kLayoutDone);
    EXPECT_EQ(view->LineCount, 1);
    view->Text = nullptr;
}

TEST_F(Layout, StringEndingAtTheLoadersZeroEndsTheWalk) {
    MakeView(200);
    // The data stops inside a string: its terminator is the loader's zero at
    // u, and the byte after it ends the article.
    uint8_t* text = NewBuffer({kPlainLtr, 0, 'a', 'b'});
    ASSERT_EQ(LayoutArticle(view, text, kReleasePrevious), kLayoutDone);
    EXPECT_EQ(view->LineCount, 1);
    EXPECT_EQ(RunOf(view->Lines[0]), "ab");
}

TEST_F(Layout, CorruptArticlesNeverLeaveTheirBytes) {
    // Run under the sanitizer build: every buffer is exactly its size.
    std::mt19937 random(1705);
    for (int round = 0; round < 3000; ++round) {
        const size_t size = 1 + random() % 200;
        std::vector<uint8_t> bytes(size);
        for (uint8_t& byte : bytes) {
            const uint32_t pick = random() % 8;
            byte = pick == 0 ? 0 : pick == 1 ? kSpace : pick == 2 ? '-' : uint8_t(random());
        }
        const int32_t width = int32_t(random() % 120);
        MakeView(width == 0 ? 1 : width, 1 + int32_t(random() % 300), int32_t(random() % 3));
        const int32_t status = LayoutSizedArticle(view, bytes.data(), uint32_t(size), kKeepPrevious);
        EXPECT_TRUE(status == kLayoutDone || status == kLayoutRefused) << "round " << round;
        for (int32_t i = 0; status == kLayoutDone && i < view->LineCount; ++i)
            ASSERT_LE(size_t(view->Lines[i].Offset) + view->Lines[i].Length, size);
        view->Text = nullptr;
        DestroyArticleView(view, kReleaseView);
        view = nullptr;
    }
}

TEST_F(Layout, OffsetsStopAtTheSixteenBitLimit) {
    MakeView(1000, 400, 100);
    // 700 blocks of 100 bytes: the string of the block at 65,500 is cut at
    // offset 65,535 and nothing after it is laid out.
    std::vector<TestBlock> blocks(700, TestBlock{kPlainLtr, 0, Repeat('a', 97)});
    ASSERT_EQ(LayOut(blocks), kLayoutDone);
    ASSERT_EQ(view->LineCount, 656);
    const ArticleLine& last = view->Lines[655];
    EXPECT_EQ(last.Offset, 65502);
    EXPECT_EQ(last.Length, 34);
}
