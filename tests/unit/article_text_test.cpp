// The article as plain text: one line per block in storage order, margins,
// rules, paragraph ends, the letter base and the Reverse step, and a buffer
// that is never written past.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/article_text.h"
#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_ports.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
class ArticleText : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kWindows1255Base;
        AppSettings.MainWindow = &mainWindow_;
        saved_ = SharedConversion;
        SharedConversion = ConversionBuffer{};
    }
    void TearDown() override {
        FailAllocationAfter(-1);
        PlainFree(SharedConversion.Units);
        SharedConversion = saved_;
        ClearAppSettings();
    }

    // The article's text as ArticleToText writes it into a buffer sized by
    // AllocArticleText; "<status n>" when it did not build.
    std::u16string Text(const std::vector<TestBlock>& blocks) {
        const std::vector<uint8_t> bytes = ArticleMarkup(blocks);
        uint32_t size = 0;
        char16_t* buffer = AllocArticleText(bytes.data(), uint32_t(bytes.size()), &size);
        const int32_t status = ArticleToText(bytes.data(), uint32_t(bytes.size()), buffer, size);
        std::u16string text = std::u16string(u"<status ") + char16_t(u'0' + status) + u">";
        if (status == kTextBuilt) text = buffer;
        PlainFree(buffer);
        return text;
    }

    static std::u16string Units(std::initializer_list<char16_t> units) { return std::u16string(units); }

    ScopedFakePorts ports_;
    int mainWindow_ = 0;

private:
    ConversionBuffer saved_{};
};

constexpr uint8_t kBody = 0x31;            // normal size, right-to-left, right-aligned
constexpr uint8_t kBodyParagraph = 0xB1;   // and a paragraph end
constexpr uint8_t kRule = 0x07;
constexpr char16_t kAlef224 = 0xE0;
constexpr char16_t kBet224 = 0xE1;
}  // namespace

TEST_F(ArticleText, TextBlockIsItsLettersThenItsMarginThenALineEnd) {
    EXPECT_EQ(Text({{kBody, 3, "ab"}}), Units({kAlef224, kBet224}) + u"   \r\n");
}

TEST_F(ArticleText, MarginIsTheLowSixBitsOnly) {
    EXPECT_EQ(Text({{kBody, 0xC2, "a"}}), Units({kAlef224}) + u"  \r\n");
}

TEST_F(ArticleText, ParagraphEndAddsASecondLineEnd) {
    EXPECT_EQ(Text({{kBodyParagraph, 0, "a"}, {kBody, 0, "b"}}),
              Units({kAlef224}) + u"\r\n\r\n" + Units({kBet224}) + u"\r\n");
}

TEST_F(ArticleText, RuleLengthsUpTo160AreDashesBeyondTwiceTheExcess) {
    EXPECT_EQ(Text({{kRule, 10, ""}}), std::u16string(10, u'-') + u"\r\n");
    EXPECT_EQ(Text({{kRule, 170, ""}}), std::u16string(20, u'-') + u"\r\n");
    EXPECT_EQ(Text({{kRule, 160, ""}}), std::u16string(160, u'-') + u"\r\n");
    EXPECT_EQ(Text({{kRule, 255, ""}}), std::u16string(190, u'-') + u"\r\n");
    EXPECT_EQ(Text({{kRule | kFormatParagraphEnd, 0, ""}}), u"\r\n\r\n");
}

TEST_F(ArticleText, AppendRuleReturnsThePositionAfterTheDashes) {
    const uint8_t block[] = {kRule, 162, 0};
    char16_t out[8] = {u'x', u'x', u'x', u'x', u'x', u'x', u'x', u'x'};
    EXPECT_EQ(AppendRule(block, out), out + 4);
    EXPECT_EQ(std::u16string(out, 5), u"----x");
}

TEST_F(ArticleText, EmptyTextBlockIsAnEmptyLine) {
    EXPECT_EQ(Text({{0x81, 0, ""}, {kBody, 0, "a"}}), u"\r\n\r\n" + Units({kAlef224}) + u"\r\n");
}

TEST_F(ArticleText, BytesAboveTheLettersKeepTheirOwnCharacterAndTildeIsABrace) {
    EXPECT_EQ(Text({{kBody, 0, "\xC7~1:"}}), Units({0xC7}) + u"{1:\r\n");
}

TEST_F(ArticleText, ReverseTurnsEachBlockAroundWithItsBracketsButNotItsMargin) {
    AppSettings.Flags |= kFlagsReverse;
    EXPECT_EQ(Text({{kBody, 1, "(ab"}, {kBody, 0, "a)"}}),
              Units({kBet224, kAlef224}) + u") \r\n(" + Units({kAlef224}) + u"\r\n");
}

TEST_F(ArticleText, LatinBaseIsNeverReversed) {
    AppSettings.Font.FontAsciiBase = kLatinBase;
    AppSettings.Flags |= kFlagsReverse;
    EXPECT_EQ(Text({{kBody, 0, "ab{"}}), u"ab{\r\n");
}

TEST_F(ArticleText, CountsAreLengthMarginsAndRulesAndTheSizeHoldsThem) {
    const std::vector<uint8_t> bytes = ArticleMarkup({{kBodyParagraph, 0xC5, "abc"},
                                                      {kRule, 10, ""},
                                                      {kRule | kFormatParagraphEnd, 170, ""},
                                                      {kBody, 2, "d"}});
    ArticleTextCounts counts;
    EXPECT_EQ(MeasureArticleText(bytes.data(), uint32_t(bytes.size()), &counts), 4u + 2u);
    const uint32_t length = uint32_t(bytes.size()) - 1;   // up to the end marker
    EXPECT_EQ(counts.Length, length + length / 2);
    EXPECT_EQ(counts.Margins, 5u + 2u);
    EXPECT_EQ(counts.ShortRules, 10u);
    EXPECT_EQ(counts.WideRules, 20u);

    uint32_t size = 0;
    char16_t* buffer = AllocArticleText(bytes.data(), uint32_t(bytes.size()), &size);
    EXPECT_EQ(size, 2 * (counts.Length + 2 * 6 + 7 + 10 + 20) + 2);
    PlainFree(buffer);
}

TEST_F(ArticleText, TooSmallABufferShowsTheOverflowMessageAndIsNotWrittenPast) {
    const std::vector<uint8_t> bytes = ArticleMarkup({{kBody, 0, "abcdef"}});
    std::vector<char16_t> buffer(16, u'#');
    const uint32_t room = 6 * sizeof(char16_t);   // the letters fit, the line end does not
    EXPECT_EQ(ArticleToText(bytes.data(), uint32_t(bytes.size()), buffer.data(), room), kTextOverflow);
    ASSERT_EQ(ports_.Messages.Shown.size(), 1u);
    const ShownMessage& shown = ports_.Messages.Shown[0];
    EXPECT_EQ(shown.Text, u"(obuf > (start + size))");
    EXPECT_FALSE(shown.HasCaption);
    EXPECT_EQ(shown.Owner, &mainWindow_);
    EXPECT_EQ(shown.Style, kMbOk);
    EXPECT_EQ(std::u16string(buffer.begin() + 6, buffer.end()), std::u16string(10, u'#'));
}

TEST_F(ArticleText, TheTerminatorMustFitToo) {
    const std::vector<uint8_t> bytes = ArticleMarkup({{kBody, 0, "a"}});
    std::vector<char16_t> buffer(4, u'#');
    EXPECT_EQ(ArticleToText(bytes.data(), uint32_t(bytes.size()), buffer.data(), 3 * sizeof(char16_t)),
              kTextOverflow);
    EXPECT_EQ(buffer[3], u'#');
    EXPECT_EQ(ArticleToText(bytes.data(), uint32_t(bytes.size()), buffer.data(), 4 * sizeof(char16_t)),
              kTextBuilt);
    EXPECT_EQ(buffer[3], 0);
}

TEST_F(ArticleText, AnArticleCutShortEndsWithinItsBytes) {
    // A string without its terminator and no end marker: nothing past the
    // four readable bytes is looked at.
    const std::vector<uint8_t> bytes = {kBody, 0, 'a', 'b', 'c', 'd'};
    uint32_t size = 0;
    char16_t* buffer = AllocArticleText(bytes.data(), 4, &size);
    ASSERT_EQ(ArticleToText(bytes.data(), 4, buffer, size), kTextBuilt);
    EXPECT_EQ(std::u16string(buffer), Units({kAlef224, kBet224}) + u"\r\n");
    PlainFree(buffer);
}

TEST_F(ArticleText, AConversionWithoutMemoryBuildsNothingAndShowsNothing) {
    const std::vector<uint8_t> bytes = ArticleMarkup({{kBody, 0, "ab"}});
    uint32_t size = 0;
    char16_t* buffer = AllocArticleText(bytes.data(), uint32_t(bytes.size()), &size);
    FailAllocationAfter(0);
    EXPECT_EQ(ArticleToText(bytes.data(), uint32_t(bytes.size()), buffer, size), kTextNoMemory);
    EXPECT_TRUE(ports_.Messages.Shown.empty());
    PlainFree(buffer);
}
