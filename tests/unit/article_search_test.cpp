#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "search/article_search.h"
#include "search/search_pattern.h"
#include "search/string_list.h"
#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "view/letter_codes.h"

namespace {

class ArticleSearch : public ::testing::Test {
protected:
    void SetUp() override { ClearAppSettings(); }
    void TearDown() override { ClearAppSettings(); }

    void Store(const std::string& pattern) {
        std::memset(AppSettings.SearchString, 0, sizeof AppSettings.SearchString);
        std::memcpy(AppSettings.SearchString, pattern.data(), pattern.size());
    }
    std::string Stored() const { return reinterpret_cast<const char*>(AppSettings.SearchString); }
    void Convert(const std::u16string& text, int32_t base = kLatinBase) {
        AppSettings.Font.FontAsciiBase = base;
        ConvertPattern(text.c_str());
    }
};

// Segment starts: "AB" at 0 (text 2..3, end 4), "xyab" at 5 (text 7..10, end
// 11), "ab" at 12 (text 14..15, end 16), end marker at 17.
const std::vector<uint8_t> kArticle =
    ArticleMarkup({{0xD1, 0, "AB"}, {0xB1, 0, "xyab"}, {0xB1, 0, "ab"}});

}  // namespace

TEST_F(ArticleSearch, StringListHasOneNodePerSegment) {
    StringSpan* list = BuildStringList(kArticle.data());
    std::vector<std::pair<long, long>> spans;
    for (StringSpan* node = list; node; node = node->Next)
        spans.push_back({node->SegmentStart - kArticle.data(), node->End - kArticle.data()});
    FreeStringList(list);
    EXPECT_EQ(spans, (std::vector<std::pair<long, long>>{{0, 4}, {5, 11}, {12, 16}}));
    const uint8_t empty[2] = {0, 0};
    EXPECT_EQ(BuildStringList(empty), nullptr);
    FreeStringList(nullptr);
}

TEST_F(ArticleSearch, StringListStopsAtTheReadableBytes) {
    // A corrupt article that ends inside a segment's header: nothing past the
    // size is read, and that segment holds no string.
    const uint8_t bytes[] = {0xB1, 0, 'a', 0, 0xB1};
    StringSpan* list = BuildStringList(bytes, sizeof bytes);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Next, nullptr);
    FreeStringList(list);
}

TEST_F(ArticleSearch, StartInTheHeaderSearchesThatStringWhole) {
    Store("ab");
    int32_t length = -1;
    EXPECT_EQ(SearchArticle(kArticle.data(), 5, &length), 10u);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(SearchArticle(kArticle.data(), 0, &length), 10u);   // "AB" differs in case
}

TEST_F(ArticleSearch, StartInsideAStringSearchesDownFromThereThenLaterStrings) {
    Store("ab");
    int32_t length = 0;
    EXPECT_EQ(SearchArticle(kArticle.data(), 9, &length), 15u);   // below xyab's hit: the next string
    EXPECT_EQ(SearchArticle(kArticle.data(), 11, &length), 10u);  // at the terminator
}

TEST_F(ArticleSearch, StartPastTheLastStringFindsNothing) {
    Store("ab");
    int32_t length = -5;
    EXPECT_EQ(SearchArticle(kArticle.data(), 17, &length), 0u);
    EXPECT_EQ(SearchArticle(kArticle.data(), 65535, &length), 0u);
    EXPECT_EQ(length, -5);
}

TEST_F(ArticleSearch, NoMatchCrossesAStringsEnd) {
    // b then a occur only across "xyab" and the next "ab".
    Store("b*a");
    int32_t length = 0;
    EXPECT_EQ(SearchArticle(kArticle.data(), 0, &length), 0u);
    Store("b??a");
    EXPECT_EQ(SearchArticle(kArticle.data(), 0, &length), 0u);
}

TEST_F(ArticleSearch, KnownSizeGivesTheSameHitsAsTheFraming) {
    const uint32_t size = uint32_t(kArticle.size());
    for (const char* pattern : {"ab", "a*b", "y?b", "*b", "A", "q"}) {
        Store(pattern);
        for (uint16_t start : {0, 5, 9, 12, 15, 17}) {
            int32_t framed = 0, sized = 0;
            EXPECT_EQ(SearchArticle(kArticle.data(), start, &framed),
                      SearchArticle(kArticle.data(), start, &sized, size))
                << pattern << " from " << start;
            EXPECT_EQ(framed, sized);
        }
    }
}

TEST_F(ArticleSearch, ConvertPatternStoresLetterCodesInTheFieldsOrder) {
    Convert(u"\u05D2\u05D1\u05D0", kUnicodeBase);
    EXPECT_EQ(Stored(), "cba");
    Convert(u"\u00E0*?1", kWindows1255Base);
    EXPECT_EQ(Stored(), "a*?1");
    Convert(u"abz{", kLatinBase);   // at base 97 the characters are the codes
    EXPECT_EQ(Stored(), "abz{");
}

TEST_F(ArticleSearch, ConvertPatternCollapsesSpaceRunsAndKeepsSingleEnds) {
    Convert(u" a   b ");
    EXPECT_EQ(Stored(), " a b ");
}

TEST_F(ArticleSearch, ConvertPatternKeepsLowBitsAndLeavesOutWhatWouldEndIt) {
    Convert(u"\u0141\u0100b", kLatinBase);   // 0x41; 0x00 left out
    EXPECT_EQ(Stored(), "Ab");
    Convert(u"a \u0120b", kLatinBase);       // low bits 0x20 count as a space
    EXPECT_EQ(Stored(), "a b");
}

TEST_F(ArticleSearch, ConvertPatternReadsAtMost33Units) {
    Convert(std::u16string(40, u'c'));
    EXPECT_EQ(Stored(), std::string(kPatternMaxLength, 'c'));
    Convert(u"");
    EXPECT_EQ(AppSettings.SearchString[0], 0);
}
