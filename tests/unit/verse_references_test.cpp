// References over the built book: every verse's reference reads back to it,
// typed in Hebrew letters or as Latin keys through the search keyboard's
// mapping; bad references get their answer; a quoted verse holds the book's
// own words in reading order. Skipped where the build made no book (the
// sanitizer build).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "output/article_text.h"
#include "platform/allocation.h"
#include "search/search_keys.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/unit/built_book_records.h"
#include "verses/article_verses.h"
#include "verses/verse_quote.h"
#include "verses/verse_reference.h"
#include "view/letter_codes.h"

namespace {
constexpr uint32_t kBookVerses = 23213;
constexpr size_t kBookBooks = 39;

// Letter codes in reading order as Unicode Hebrew text.
std::u16string Unicode(const std::string& letters) {
    std::u16string text;
    for (char c : letters)
        text += (c >= 'a' && c <= '{') ? char16_t(kUnicodeBase + (c - 'a')) : char16_t(c);
    return text;
}

// The Latin key that types c on the search keyboard.
char16_t LatinKeyOf(char c) {
    for (int i = 0; HebrewKeyTable.Keys[i] != 0; ++i) {
        const uint8_t code = HebrewKeyTable.Codes[i];
        const bool letter = code >= kFirstWindows1255Letter && code <= kLastWindows1255Letter;
        if ((letter && c == char('a' + (code - kFirstWindows1255Letter))) || (!letter && code == uint8_t(c)))
            return char16_t(HebrewKeyTable.Keys[i]);
    }
    return char16_t(c);   // the space and the hyphen have no key of their own
}

// Letter codes typed as Latin keys, each mapped as the field maps it.
std::u16string TypedOnLatinKeys(const std::string& letters, int32_t base) {
    std::u16string typed;
    for (char c : letters) {
        const char16_t key = LatinKeyOf(c);
        char16_t mapped = key;
        MappedCharacter(key, base, &mapped);
        typed += mapped;
    }
    return typed;
}

class BookReferences : public BuiltBookTest {
protected:
    void SetUp() override {
        BuiltBookTest::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(BuildVerseIndex(&index_));
    }

    ReferenceAnswer Read(const std::u16string& typed, int32_t base = kUnicodeBase) {
        return ReadReference(index_, typed.data(), typed.size(), base);
    }
    // The answer's line read as Unicode text in reading order.
    std::u16string Says(const std::u16string& typed) {
        return LineText(Read(typed).Line);
    }

    VerseIndex index_;
};

// Hebrew in the line comes in display order: reversed.
std::u16string Shown(const std::u16string& reading) { return std::u16string(reading.rbegin(), reading.rend()); }
}  // namespace

TEST_F(BookReferences, EveryVerseReadsBackFromItsReferenceTypedInLettersOrOnLatinKeys) {
    EXPECT_EQ(index_.Books.size(), kBookBooks);
    EXPECT_EQ(index_.Articles.size(), size_t(kArticleCount));
    EXPECT_EQ(index_.VerseCount, kBookVerses);
    uint32_t verses = 0;
    for (uint8_t b = 0; b < index_.Books.size(); ++b) {
        for (uint8_t c = 1; c <= index_.Books[b].VerseCounts.size(); ++c) {
            for (uint16_t v = 1; v <= ChapterVerseCount(index_, b, c); ++v, ++verses) {
                const VerseSpan span{b, c, v, v};
                const std::string reference = FormatReference(index_, span);
                ASSERT_NE(ArticleHoldingVerse(index_, b, c, v), 0) << reference;
                for (const std::u16string& typed :
                     {Unicode(reference), TypedOnLatinKeys(reference, kUnicodeBase)}) {
                    const ReferenceAnswer answer = Read(typed);
                    ASSERT_TRUE(answer.Valid) << reference;
                    EXPECT_EQ(answer.Span.Book, b);
                    EXPECT_EQ(answer.Span.Chapter, c);
                    ASSERT_EQ(answer.Span.FirstVerse, v) << reference;
                    EXPECT_EQ(answer.Span.LastVerse, v);
                    EXPECT_EQ(LineText(answer.Line), Shown(Unicode(reference)));
                }
            }
        }
    }
    EXPECT_EQ(verses, kBookVerses);
    // In a legacy font's character base the mapped keys read the same.
    const ReferenceAnswer legacy = Read(TypedOnLatinKeys("zofam b d, h-jb", kWindows1255Base), kWindows1255Base);
    ASSERT_TRUE(legacy.Valid);
    EXPECT_EQ(FormatReference(index_, legacy.Span), "zofam b d, h-jb");
}

TEST_F(BookReferences, TheFormsAReaderTypesAreUnderstood) {
    const std::map<std::u16string, std::string> understood = {
        {u"בראשית ה, כא", "byazj{ e, la"},
        {u"בראשית 5:21", "byazj{ e, la"},
        {u"בראשית 5.21", "byazj{ e, la"},
        {u"בר ה כא", "byazj{ e, la"},                  // a prefix that fits one book
        {u"בראשית כ\"א כ\"א", "byazj{ la, la"},         // gershayim
        {u"בראשית ה' א׳", "byazj{ e, a"},              // geresh, as typed or as the Hebrew mark
        {u"בראשית ה", "byazj{ e, a"},                  // a chapter alone: its first verse
        {u"בראשית", "byazj{ a, a"},
        {u"בראשית א, א-ג", "byazj{ a, a-c"},
        {u"בראשית 1:1-3", "byazj{ a, a-c"},
        {u"שמואל ב ג ד", "zofam b c, d"},
        {u"שמואל 2 3 4", "zofam b c, d"},
        {u"שמוא ב ג ד", "zofam b c, d"},               // a numbered book's prefix and number
        {u"מלכ א 1", "omljn a a, a"},
        {u"ש\"א טז, א", "zofam a ig, a"},             // short form; 16 as written
        {u"דה\"ב לו, כג", "dbyj ejojn b mf, lc"},
        {u"תהילים קיט, קעו", "{emjn xji, xsf"},
        {u"תה קיט:טו", "{emjn xji, if"},
        {u"שיר השירים ב", "zjy ezjyjn b, a"},
        {u"שיר ה", "zjy ezjyjn e, a"},
    };
    for (const auto& [typed, reference] : understood) {
        const ReferenceAnswer answer = Read(typed);
        ASSERT_TRUE(answer.Valid) << reference;
        EXPECT_EQ(FormatReference(index_, answer.Span), reference);
    }
    // The field holds digits typed among Hebrew left to right.
    const std::u16string field = u"5:21 " + Shown(u"בראשית");
    EXPECT_EQ(TypedReadingOrder(field.data(), field.size()), u"בראשית 5:21");
    const std::u16string letters = Shown(u"בראשית ה, כא");
    EXPECT_EQ(TypedReadingOrder(letters.data(), letters.size()), u"בראשית ה, כא");
}

TEST_F(BookReferences, BadReferencesSayWhatIsWrong) {
    EXPECT_EQ(Says(u""), u"Type a book, a chapter and a verse");
    EXPECT_EQ(Says(u"בראשת ה"), u"No book is called " + Shown(u"בראשת"));
    EXPECT_EQ(Says(u"ד ה"), Shown(u"ד") + u" could be " + Shown(u"דברים") + u", " + Shown(u"דניאל") + u", " +
                                Shown(u"דברי הימים א") + u", " + Shown(u"דברי הימים ב"));
    EXPECT_EQ(Says(u"שמ א"), Shown(u"שמ א") + u" could be " + Shown(u"שמות") + u", " + Shown(u"שמואל א"));
    EXPECT_EQ(Says(u"בראשית נא"), Shown(u"בראשית") + u" has 50 chapters");
    EXPECT_EQ(Says(u"בראשית 0"), Shown(u"בראשית") + u" has 50 chapters");
    EXPECT_EQ(Says(u"דברים א, מז"), Shown(u"דברים א") + u" has 46 verses");
    EXPECT_EQ(Says(u"בראשית א, כט-לב"), Shown(u"בראשית א") + u" has 31 verses");
    EXPECT_EQ(Says(u"בראשית א, ג-א"), Shown(u"בראשית א, ג-א") + u" runs backwards");
    EXPECT_EQ(Says(u"בראשית הי"), Shown(u"הי") + u" is not a number");
    EXPECT_EQ(Says(u"בראשית א-ג"), u"A range is of verses within one chapter");
    EXPECT_EQ(Says(u"בראשית א, א-"), u"A range needs its last verse");
    EXPECT_EQ(Says(u"בראשית א א א"), u"Unexpected " + Shown(u"א"));
    EXPECT_EQ(Says(u"בראשית א; א"), u"Unexpected " + Shown(u"; א"));
    EXPECT_EQ(Says(u"5:21"), u"Type a book, a chapter and a verse");
    EXPECT_FALSE(Read(u"בראשית 99999").Valid);
}

TEST_F(BookReferences, QuotedVersesHoldTheBooksWordsInReadingOrder) {
    // The article's text as Copy gives it, in reading order: a line per verse,
    // its number first.
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    for (int number = 1; number <= kArticleCount; ++number) {
        const IndexedArticle& held = index_.Articles[size_t(number - 1)];
        uint32_t length = 0;
        uint8_t* article = LoadRecord(number, nullptr, &length);
        ASSERT_NE(article, nullptr);
        uint32_t bytes = 0;
        char16_t* text = AllocArticleText(article, length + kRecordTerminators, &bytes);
        AppSettings.Flags = kFlagsReverse;
        ASSERT_EQ(ArticleToText(article, length + kRecordTerminators, text, bytes), kTextBuilt);
        AppSettings.Flags = 0;
        std::u16string expected;
        const std::u16string plain = text;
        for (uint16_t v = held.FirstVerse; v <= held.LastVerse; ++v) {
            const std::u16string numbered = Unicode(HebrewNumeralText(v)) + u" ";
            const size_t at = plain.find(u"\r\n" + numbered);
            ASSERT_NE(at, std::u16string::npos) << number << ":" << v;
            const size_t end = plain.find(u"\r\n", at + 2);
            expected += plain.substr(at + 2, end - at - 2) + u"\r\n";
        }
        const VerseSpan span{held.Book, held.Chapter, held.FirstVerse, held.LastVerse};
        const std::u16string reference = u"(" + Unicode(FormatReference(index_, span)) + u")";
        if (held.FirstVerse != held.LastVerse) {
            EXPECT_EQ(QuoteVerses(index_, span), expected + reference) << number;
        }
        const std::u16string first = expected.substr(0, expected.find(u"\r\n"));
        const VerseSpan one{held.Book, held.Chapter, held.FirstVerse, held.FirstVerse};
        EXPECT_EQ(QuoteVerses(index_, one),
                  first.substr(first.find(u' ') + 1) + u" (" + Unicode(FormatReference(index_, one)) + u")")
            << number;
        PlainFree(text);
        PlainFree(article);
    }
    EXPECT_EQ(QuoteVerses(index_, VerseSpan{0, 1, 1, 1}),
              u"בראשית ברא אלהים את השמים ואת הארץ: (בראשית א, א)");
    // A range over a split chapter's articles is quoted whole.
    const uint8_t psalms = 26;
    const std::u16string longest = QuoteVerses(index_, VerseSpan{psalms, 119, 1, 176});
    size_t lines = 0;
    for (size_t at = 0; (at = longest.find(u"\r\n", at)) != std::u16string::npos; at += 2) ++lines;
    EXPECT_EQ(lines, 176u);
    EXPECT_GT(ArticleHoldingVerse(index_, psalms, 119, 176), ArticleHoldingVerse(index_, psalms, 119, 1));
}
