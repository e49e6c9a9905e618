// How the book builder divides chapters into articles and writes an article's
// markup and the contents record.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/book/article_division.h"
#include "tools/book/article_markup.h"
#include "tools/book/contents_record.h"
#include "tools/book/display_order.h"
#include "tools/book/hebrew_letter_codes.h"

namespace {
constexpr size_t kGenesis = 0;
constexpr size_t kJoshua = 5;

// A chapter of verses with the given texts; a text ending in '|' ends a
// paragraph (the '|' is not kept).
SourceChapter Chapter(int number, const std::vector<std::string>& texts) {
    SourceChapter chapter{number, {}};
    for (const std::string& text : texts) {
        const bool ends = !text.empty() && text.back() == '|';
        chapter.Verses.push_back({int(chapter.Verses.size()) + 1, ends ? text.substr(0, text.size() - 1) : text, ends});
    }
    return chapter;
}

std::string Letters(const char* hebrew) { return HebrewToLetterCodes(hebrew); }

struct Block {
    uint8_t Format;
    uint8_t Layout;
    std::string Text;   // as stored (display order)
};

// Walks the markup; fails the test when it is not blocks ended by a 0.
std::vector<Block> Blocks(const std::vector<uint8_t>& bytes) {
    std::vector<Block> blocks;
    size_t i = 0;
    while (i < bytes.size() && bytes[i] != 0) {
        EXPECT_LT(i + 2, bytes.size());
        Block block{bytes[i], bytes[i + 1], {}};
        size_t end = i + 2;
        while (end < bytes.size() && bytes[end] != 0) ++end;
        block.Text.assign(bytes.begin() + i + 2, bytes.begin() + end);
        blocks.push_back(block);
        i = end + 1;
    }
    EXPECT_EQ(i + 1, bytes.size()) << "the end marker is the last byte";
    return blocks;
}
}  // namespace

TEST(ArticleDivision, OneArticlePerChapterWhenTheCountsMatch) {
    const std::vector<SourceBook> books = {{kGenesis, {Chapter(1, {"a", "b"}), Chapter(2, {"c"})}}};
    const std::vector<ArticleRange> articles = DivideIntoArticles(books, 2);
    ASSERT_EQ(articles.size(), 2u);
    EXPECT_TRUE(IsWholeChapter(books, articles[0]));
    EXPECT_EQ(articles[1].Chapter, 1u);
    EXPECT_EQ(articles[1].LastVerse, 0u);
}

TEST(ArticleDivision, TheLargestArticleSplitsAtTheParagraphEndNearestItsMiddle) {
    // Eight equal verses; paragraph ends after verses 2 and 5: the middle lies
    // after verse 4, so the end after verse 5 is nearer than a plain boundary.
    const std::vector<SourceBook> books = {{kGenesis, {
        Chapter(1, {"aaaa"}),
        Chapter(2, {"bbbb", "bbbb|", "bbbb", "bbbb", "bbbb|", "bbbb", "bbbb", "bbbb"})}}};
    const std::vector<ArticleRange> articles = DivideIntoArticles(books, 3);
    ASSERT_EQ(articles.size(), 3u);
    EXPECT_EQ(articles[1].Chapter, 1u);
    EXPECT_EQ(articles[1].FirstVerse, 0u);
    EXPECT_EQ(articles[1].LastVerse, 4u);
    EXPECT_EQ(articles[2].FirstVerse, 5u);
    EXPECT_EQ(articles[2].LastVerse, 7u);
    EXPECT_FALSE(IsWholeChapter(books, articles[2]));
}

TEST(ArticleDivision, WithoutParagraphEndsTheVerseBoundaryNearestTheMiddleWins) {
    // Verse blocks of 15, 6, 6 and 15 bytes: the middle lies right after the
    // second verse.
    const std::vector<SourceBook> books = {{kGenesis, {Chapter(1, {"aaaaaaaaaa", "b", "c", "dddddddddd"})}}};
    std::vector<ArticleRange> articles = DivideIntoArticles(books, 2);
    ASSERT_EQ(articles.size(), 2u);
    EXPECT_EQ(articles[0].LastVerse, 1u);
    EXPECT_EQ(articles[1].FirstVerse, 2u);

    // Three equal verses: two boundaries equally near the middle, the earlier wins.
    const std::vector<SourceBook> even = {{kGenesis, {Chapter(1, {"aaaa", "bbbb", "cccc"})}}};
    articles = DivideIntoArticles(even, 2);
    EXPECT_EQ(articles[0].LastVerse, 0u);
}

TEST(ArticleDivision, OfEquallyLargeArticlesTheEarliestSplitsFirst) {
    const std::vector<SourceBook> books = {{kGenesis, {Chapter(1, {"aaaa", "aaaa"}), Chapter(2, {"bbbb", "bbbb"})}}};
    const std::vector<ArticleRange> articles = DivideIntoArticles(books, 3);
    ASSERT_EQ(articles.size(), 3u);
    EXPECT_EQ(articles[0].Chapter, 0u);
    EXPECT_EQ(articles[1].Chapter, 0u);
    EXPECT_TRUE(IsWholeChapter(books, articles[2]));
}

TEST(ArticleDivision, OneVerseArticlesAreNeverSplit) {
    const std::vector<SourceBook> books = {{kGenesis, {Chapter(1, {"a very long verse indeed"}), Chapter(2, {"b", "c"})}}};
    const std::vector<ArticleRange> articles = DivideIntoArticles(books, 3);
    EXPECT_TRUE(IsWholeChapter(books, articles[0]));
    EXPECT_EQ(articles[2].Chapter, 1u);
    EXPECT_THROW(DivideIntoArticles(books, 4), std::runtime_error);
    EXPECT_THROW(DivideIntoArticles(books, 1), std::runtime_error);
}

TEST(ArticleMarkup, TitleRangeAndOneBlockPerVerseInDisplayOrder) {
    const std::vector<SourceBook> books = {{kGenesis, {Chapter(1, {"ab cd:", "ef-gh:|", "ij:"})}}};
    const std::vector<Block> blocks = Blocks(ArticleMarkup(books, {0, 0, 0, 2}));
    ASSERT_EQ(blocks.size(), 5u);
    EXPECT_EQ(blocks[0].Format, 0xD1);
    EXPECT_EQ(blocks[0].Layout, 0);
    EXPECT_EQ(blocks[0].Text, ToDisplayOrder(Letters("בראשית א")));
    EXPECT_EQ(blocks[1].Format, 0xD2);
    EXPECT_EQ(blocks[1].Text, ToDisplayOrder(Letters("פסוקים א-ג")));
    EXPECT_EQ(blocks[2].Format, 0x31);
    EXPECT_EQ(blocks[2].Layout, 0xC0);
    EXPECT_EQ(blocks[2].Text, ":dc ba a");   // the number is the first word read
    EXPECT_EQ(blocks[3].Format, 0xB1);       // ends a paragraph
    EXPECT_EQ(blocks[3].Text, ":hg-fe b");
    EXPECT_EQ(blocks[4].Format, 0xB1);       // ends the article
}

TEST(ArticleMarkup, PartOfAChapterNamesItsVersesInTheTitle) {
    const std::vector<SourceBook> books = {{kJoshua, {Chapter(1, std::vector<std::string>(20, "a:"))}}};
    const std::vector<uint8_t> bytes = ArticleMarkup(books, {0, 0, 9, 19});
    const std::vector<Block> blocks = Blocks(bytes);
    EXPECT_EQ(blocks[0].Text, ToDisplayOrder(Letters("יהושע א, י-כ")));
    EXPECT_EQ(blocks[1].Text, ToDisplayOrder(Letters("פסוקים י-כ")));
    EXPECT_EQ(blocks[2].Text, ":a j");
    EXPECT_EQ(ContentsArticleTitle(books, {0, 0, 9, 19}), Letters("פרק א, י-כ"));
    EXPECT_EQ(ContentsArticleTitle(books, {0, 0, 0, 19}), Letters("פרק א"));
}

TEST(ArticleMarkup, AOneVerseArticleNamesItsOneVerse) {
    const std::vector<SourceBook> books = {{kJoshua, {Chapter(22, {"a:", "b:"})}}};
    const std::vector<Block> blocks = Blocks(ArticleMarkup(books, {0, 0, 1, 1}));
    EXPECT_EQ(blocks[0].Text, ToDisplayOrder(Letters("יהושע כב, ב")));
    EXPECT_EQ(blocks[1].Text, ToDisplayOrder(Letters("פסוק ב")));
}

TEST(ArticleMarkup, VerseBlockSizeCountsFormatLayoutStringAndNul) {
    EXPECT_EQ(VerseBlockSize({12, "abc", false}), 2u + 6u + 1u);   // "jb abc"
}

TEST(ContentsRecord, DivisionsBooksAndArticlesWithTheirKeysFlagsAndLevels) {
    const std::vector<SourceBook> books = {
        {kGenesis, {Chapter(1, {"a", "b"}), Chapter(2, {"c"})}},
        {kJoshua, {Chapter(1, {"d"})}}};
    const std::vector<ArticleRange> articles = {{0, 0, 0, 0}, {0, 0, 1, 1}, {0, 1, 0, 0}, {1, 0, 0, 0}};
    const std::vector<uint8_t> record = ContentsRecord(books, articles);

    struct Entry {
        uint16_t Key;
        uint8_t Flags, Level;
        std::string Title;
    };
    std::vector<Entry> entries;
    size_t i = 0;
    while (record.at(i + 2) != 0) {
        Entry entry{uint16_t(record[i] | record[i + 1] << 8), record[i + 2], record[i + 3], {}};
        size_t end = i + 4;
        while (record.at(end) != 0) ++end;
        entry.Title.assign(record.begin() + i + 4, record.begin() + end);
        entries.push_back(entry);
        i = end + 1;
    }
    EXPECT_EQ(std::vector<uint8_t>(record.begin() + i, record.end()), std::vector<uint8_t>(5, 0));

    ASSERT_EQ(entries.size(), 10u);   // 4 divisions, 2 books, 4 articles
    EXPECT_EQ(record[0], 0xFE);
    EXPECT_EQ(record[1], 0xBF);
    EXPECT_EQ(entries[0].Flags, 0x8C);
    EXPECT_EQ(entries[0].Level, 1);
    EXPECT_EQ(entries[0].Title, ToDisplayOrder(Letters("תורה")));
    EXPECT_EQ(entries[1].Key, 0xBFFD);
    EXPECT_EQ(entries[1].Flags, 0x01);
    EXPECT_EQ(entries[1].Level, 2);
    EXPECT_EQ(entries[1].Title, ToDisplayOrder(Letters("בראשית")));
    EXPECT_EQ(entries[2].Key, 0x4001);
    EXPECT_EQ(entries[2].Level, 3);
    EXPECT_EQ(entries[2].Title, ToDisplayOrder(Letters("פרק א, א")));
    EXPECT_EQ(entries[4].Key, 0x4003);
    EXPECT_EQ(entries[4].Title, ToDisplayOrder(Letters("פרק ב")));
    EXPECT_EQ(entries[5].Key, 0xBFFE - 5);
    EXPECT_EQ(entries[5].Title, ToDisplayOrder(Letters("נביאים ראשונים")));
    EXPECT_EQ(entries[6].Title, ToDisplayOrder(Letters("יהושע")));
    EXPECT_EQ(entries[7].Key, 0x4004);
    EXPECT_EQ(entries[8].Title, ToDisplayOrder(Letters("נביאים אחרונים")));
    EXPECT_EQ(entries[9].Key, 0xBFFE - 9);
}
