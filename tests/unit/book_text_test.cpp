// The book builder's text pieces: letter codes from pointed Hebrew, numbers in
// Hebrew letters, display order, and verses read from OSIS markup.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tools/book/book_canon.h"
#include "tools/book/book_source.h"
#include "tools/book/display_order.h"
#include "tools/book/hebrew_letter_codes.h"
#include "tools/book/hebrew_numerals.h"

TEST(BookLetterCodes, LettersIncludingFinalFormsMapInUnicodeOrder) {
    EXPECT_EQ(HebrewToLetterCodes("אבגדהוזחטיךכלםמןנסעףפץצקרשת"), "abcdefghijklmnopqrstuvwxyz{");
}

TEST(BookLetterCodes, PointsAndAccentsAreDroppedAndSeparatorsRemoved) {
    EXPECT_EQ(HebrewToLetterCodes("בְּ/רֵאשִׁ֖ית"), "byazj{");
    EXPECT_EQ(HebrewToLetterCodes("הָ/אָֽרֶץ"), "eayv");
}

TEST(BookLetterCodes, MaqafAndSofPasuqBecomePunctuationAndPaseqIsDropped) {
    EXPECT_EQ(HebrewToLetterCodes("עַל־פְּנֵי׃"), "sm-uqj:");
    EXPECT_EQ(HebrewToLetterCodes("א׀ב׆"), "ab");
}

TEST(BookLetterCodes, CharactersOutsideTheBookAreRefused) {
    EXPECT_THROW(HebrewToLetterCodes("abc"), std::runtime_error);      // would pass as letters
    EXPECT_THROW(HebrewToLetterCodes("\xD7"), std::runtime_error);     // cut UTF-8
    EXPECT_THROW(HebrewToLetterCodes("ײ"), std::runtime_error);        // Yiddish ligature U+05F2
    EXPECT_EQ(HebrewToLetterCodes("12, 3-4"), "12, 3-4");
}

TEST(HebrewNumerals, UnitsTensAndHundredsLargestFirst) {
    EXPECT_EQ(HebrewNumeral(1), "a");
    EXPECT_EQ(HebrewNumeral(10), "j");
    EXPECT_EQ(HebrewNumeral(19), "ji");
    EXPECT_EQ(HebrewNumeral(42), "ob");
    EXPECT_EQ(HebrewNumeral(100), "x");
    EXPECT_EQ(HebrewNumeral(150), "xq");
    EXPECT_EQ(HebrewNumeral(176), "xsf");   // the last verse of the longest psalm
    EXPECT_EQ(HebrewNumeral(500), "{x");
    EXPECT_EQ(HebrewNumeral(999), "{{xwi");
}

TEST(HebrewNumerals, FifteenAndSixteenAvoidTheDivineName) {
    EXPECT_EQ(HebrewNumeral(15), "if");
    EXPECT_EQ(HebrewNumeral(16), "ig");
    EXPECT_EQ(HebrewNumeral(115), "xif");
    EXPECT_EQ(HebrewNumeral(116), "xig");
    EXPECT_EQ(HebrewNumeral(17), "jg");
}

TEST(HebrewNumerals, NumbersOutsideTheRangeAreRefused) {
    EXPECT_THROW(HebrewNumeral(0), std::out_of_range);
    EXPECT_THROW(HebrewNumeral(1000), std::out_of_range);
}

TEST(DisplayOrder, ReversesTheReadingOrder) {
    EXPECT_EQ(ToDisplayOrder("abc de:"), ":ed cba");
    EXPECT_EQ(ToDisplayOrder(""), "");
}

TEST(DisplayOrder, BracketsAreMirroredSoTheyStillEnclose) {
    EXPECT_EQ(ToDisplayOrder("a (bc) d"), "d (cb) a");
    EXPECT_EQ(ToDisplayOrder("[a]"), "[a]");
}

TEST(DisplayOrder, DigitRunsStayLeftToRight) {
    EXPECT_EQ(ToDisplayOrder("ab 123 c"), "c 123 ba");
    EXPECT_EQ(ToDisplayOrder("a 12-34"), "34-12 a");
}

TEST(DisplayOrder, LetterCodeTavIsNotABracket) {
    EXPECT_EQ(ToDisplayOrder("a{"), "{a");
}

namespace {
// A book file in the source's markup, with the given chapters.
std::string OsisBook(const std::string& name, const std::string& chapters) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<osis xmlns=\"http://www.bibletechnologies.net/2003/OSIS/namespace\"><osisText>"
           "<header><work><title>t</title></work></header>"
           "<div type=\"book\" osisID=\"" + name + "\">" + chapters + "</div></osisText></osis>";
}

constexpr size_t kRuth = 30;   // index of Ruth among kCanonBooks
}  // namespace

TEST(OsisSource, CanonPutsRuthWhereTheTestsExpectIt) {
    EXPECT_STREQ(kCanonBooks[kRuth].SourceName, "Ruth");
}

TEST(OsisSource, WordsAreJoinedByMaqafAndSpacesAndEndWithSofPasuq) {
    const SourceBook book = ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Ruth.1.1\">\n"
        "  <w lemma=\"c/1961\">וַֽ/יְהִי</w>\n"
        "  <w>עַל</w><seg type=\"x-maqqef\">־</seg><w>פְּנֵ֥י</w>\n"
        "  <seg type=\"x-paseq\">׀</seg>\n"
        "  <w>הָ/אָֽרֶץ</w><seg type=\"x-sof-pasuq\">׃</seg>\n"
        "</verse></chapter>"), kRuth);
    ASSERT_EQ(book.Chapters.size(), 1u);
    ASSERT_EQ(book.Chapters[0].Verses.size(), 1u);
    EXPECT_EQ(book.Chapters[0].Verses[0].Text, "fjej sm-uqj eayv:");
    EXPECT_FALSE(book.Chapters[0].Verses[0].EndsParagraph);
}

TEST(OsisSource, TheWrittenTextIsKeptAndNotesAndReadingsLeftOut) {
    const SourceBook book = ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Ruth.1.1\">"
        "<w>הוצא</w><note type=\"variant\"><catchWord>הוצא</catchWord>"
        "<rdg type=\"x-qere\"><w>הַיְצֵ֣א</w></rdg></note>"
        "<note type=\"variant\"><rdg type=\"x-qere\"><w>אֵלַ֖/י</w></rdg></note>"
        "<w>אִתָּ֑/ךְ</w><note n=\"k\">We read one or more consonants differently.</note>"
        "</verse></chapter>"), kRuth);
    EXPECT_EQ(book.Chapters[0].Verses[0].Text, "efwa a{k");
}

TEST(OsisSource, LargeSmallAndSuspendedLettersAreOrdinaryLetters) {
    const SourceBook book = ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Ruth.1.1\">"
        "<w>שְׁמַ֖<seg type=\"x-large\">ע</seg></w> <w>רְשָׁ<seg type=\"x-suspended\">עִ֣</seg>ים</w> "
        "<w>אֹ֖רֶ<seg type=\"x-small\">ן</seg></w>"
        "</verse></chapter>"), kRuth);
    EXPECT_EQ(book.Chapters[0].Verses[0].Text, "zos yzsjn ayp");
}

TEST(OsisSource, AParagraphMarkAfterTheLastWordEndsTheVerseParagraph) {
    const SourceBook book = ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\">"
        "<verse osisID=\"Ruth.1.1\"><w>א</w><seg type=\"x-sof-pasuq\">׃</seg><seg type=\"x-pe\">פ</seg></verse>"
        "<verse osisID=\"Ruth.1.2\"><w>ב</w><note>KJV:Ruth.1.2</note><seg type=\"x-samekh\">ס</seg>"
        "<note>after the mark</note></verse>"
        "<verse osisID=\"Ruth.1.3\"><w>ג</w><seg type=\"x-pe\">פ</seg><w>ד</w></verse>"
        "<verse osisID=\"Ruth.1.4\"><w>ה</w><seg type=\"x-reversednun\">׆</seg></verse>"
        "</chapter>"), kRuth);
    const auto& verses = book.Chapters[0].Verses;
    ASSERT_EQ(verses.size(), 4u);
    EXPECT_TRUE(verses[0].EndsParagraph);
    EXPECT_TRUE(verses[1].EndsParagraph);
    EXPECT_FALSE(verses[2].EndsParagraph);   // the mark stands inside the verse
    EXPECT_EQ(verses[2].Text, "c d");        // and is no letter of it
    EXPECT_FALSE(verses[3].EndsParagraph);
    EXPECT_EQ(verses[0].Text, "a:");
}

TEST(OsisSource, ChaptersAndVersesMustRunInOrder) {
    EXPECT_THROW(ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Ruth.1.2\"><w>א</w></verse></chapter>"), kRuth),
        std::runtime_error);
    EXPECT_THROW(ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.2\"><verse osisID=\"Ruth.2.1\"><w>א</w></verse></chapter>"), kRuth),
        std::runtime_error);
    EXPECT_THROW(ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Gen.1.1\"><w>א</w></verse></chapter>"), kRuth),
        std::runtime_error);
}

TEST(OsisSource, MalformedOrUnexpectedMarkupIsRefused) {
    EXPECT_THROW(ParseOsisBook("<osis><osisText><div type=\"book\" osisID=\"Ruth\">", kRuth), std::runtime_error);
    EXPECT_THROW(ParseOsisBook(OsisBook("Gen", ""), kRuth), std::runtime_error);   // another book
    EXPECT_THROW(ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Ruth.1.1\"><w>א</w><seg type=\"x-unknown\">x</seg>"
        "</verse></chapter>"), kRuth), std::runtime_error);
    EXPECT_THROW(ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Ruth.1.1\">loose<w>א</w></verse></chapter>"), kRuth),
        std::runtime_error);
    EXPECT_THROW(ParseOsisBook(OsisBook("Ruth",
        "<chapter osisID=\"Ruth.1\"><verse osisID=\"Ruth.1.1\"><note>only a note</note></verse></chapter>"),
        kRuth), std::runtime_error);
}
