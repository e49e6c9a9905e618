#include "tools/book/article_markup.h"

#include "tools/book/book_canon.h"
#include "tools/book/display_order.h"
#include "tools/book/hebrew_letter_codes.h"
#include "tools/book/hebrew_numerals.h"

namespace {
const SourceChapter& ChapterOf(const std::vector<SourceBook>& books, const ArticleRange& article) {
    return books[article.Book].Chapters[article.Chapter];
}

// "<first>-<last>", or "<first>" when the range is one verse.
std::string VerseNumbers(const std::vector<SourceBook>& books, const ArticleRange& article) {
    const SourceChapter& chapter = ChapterOf(books, article);
    std::string numbers = HebrewNumeral(chapter.Verses[article.FirstVerse].Number);
    if (article.LastVerse != article.FirstVerse)
        numbers += "-" + HebrewNumeral(chapter.Verses[article.LastVerse].Number);
    return numbers;
}

std::string PartSuffix(const std::vector<SourceBook>& books, const ArticleRange& article) {
    return IsWholeChapter(books, article) ? std::string() : ", " + VerseNumbers(books, article);
}

void AppendBlock(std::vector<uint8_t>& bytes, uint8_t format, uint8_t layout, const std::string& logical) {
    bytes.push_back(format);
    bytes.push_back(layout);
    const std::string display = ToDisplayOrder(logical);
    bytes.insert(bytes.end(), display.begin(), display.end());
    bytes.push_back(0);
}

// The verse's block string in reading order: its number, a space, its text.
std::string VerseLine(const SourceVerse& verse) { return HebrewNumeral(verse.Number) + " " + verse.Text; }

}  // namespace

size_t VerseBlockSize(const SourceVerse& verse) { return 2 + VerseLine(verse).size() + 1; }

std::string ArticleTitle(const std::vector<SourceBook>& books, const ArticleRange& article) {
    return HebrewToLetterCodes(kCanonBooks[books[article.Book].CanonIndex].HebrewName) + " " +
           HebrewNumeral(ChapterOf(books, article).Number) + PartSuffix(books, article);
}

namespace {

std::string VerseRangeLine(const std::vector<SourceBook>& books, const ArticleRange& article) {
    const char* word = article.FirstVerse == article.LastVerse ? "פסוק " : "פסוקים ";
    return HebrewToLetterCodes(word) + VerseNumbers(books, article);
}

}  // namespace

std::string ContentsArticleTitle(const std::vector<SourceBook>& books, const ArticleRange& article) {
    return HebrewToLetterCodes("פרק ") + HebrewNumeral(ChapterOf(books, article).Number) +
           PartSuffix(books, article);
}

std::vector<uint8_t> ArticleMarkup(const std::vector<SourceBook>& books, const ArticleRange& article) {
    std::vector<uint8_t> bytes;
    AppendBlock(bytes, kTitleFormat, 0, ArticleTitle(books, article));
    AppendBlock(bytes, kVerseRangeFormat, 0, VerseRangeLine(books, article));
    const SourceChapter& chapter = ChapterOf(books, article);
    for (size_t v = article.FirstVerse; v <= article.LastVerse; ++v) {
        const SourceVerse& verse = chapter.Verses[v];
        const bool lastOfParagraph = verse.EndsParagraph || v == article.LastVerse;
        AppendBlock(bytes, lastOfParagraph ? kParagraphEndVerseFormat : kVerseFormat, kVerseLayout,
                    VerseLine(verse));
    }
    bytes.push_back(0);
    return bytes;
}
