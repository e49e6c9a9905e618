// The Rich Text body and document: what a reader gets back from the bytes,
// the exact header, separator and closing, and a measure that is never short.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "output/presentation_forms.h"
#include "output/rtf_body.h"
#include "output/rtf_document.h"
#include "tests/fakes/rtf_body_reader.h"

namespace {
std::string Body(const std::u16string& text) {
    std::string body(EncodeRtfBody(text.c_str(), nullptr), '#');
    const size_t length = EncodeRtfBody(text.c_str(), body.data());
    EXPECT_LT(length, body.size()) << "the measure holds the body and its 0";
    EXPECT_EQ(body[length], '\0');
    return body.substr(0, length);
}

// What a word processor reads from the body of text.
std::u16string ReadBack(const std::u16string& text) {
    std::u16string read;
    std::string fault;
    EXPECT_TRUE(ReadRtfBody(Body(text), &read, &fault)) << fault;
    return read;
}

const std::u16string kAlefBet = u"\u05D0\u05D1";
}  // namespace

TEST(RtfBody, HebrewLettersAreDecimalEscapesInOrderAndTheBodyEndsWithABreak) {
    EXPECT_EQ(Body(kAlefBet), "\\u1488\\u1489\\par\\par\r\n");
}

TEST(RtfBody, AnyRunOfLineEndsIsOneParagraphBreak) {
    EXPECT_EQ(Body(u"a\r\n\r\nb\n\r\rc\r\n"),
              "a\\par\\par\r\nb\\par\\par\r\nc\\par\\par\r\n\\par\\par\r\n");
}

TEST(RtfBody, ASpaceRunAfterAnEscapeGetsOneMoreSpaceToEndIt) {
    // A margin of three after Hebrew text: four spaces, of which the reader
    // takes the first as the end of the escape.
    EXPECT_EQ(Body(u"\u05D0   \r\n"), "\\u1488    \\par\\par\r\n\\par\\par\r\n");
    EXPECT_EQ(ReadBack(u"\u05D0   \r\n"), u"\u05D0   \n\n\n\n");
}

TEST(RtfBody, SpacesAfterAPlainCharacterKeepTheirNumber) {
    EXPECT_EQ(Body(u"1: 2  3"), "1: 2  3\\par\\par\r\n");
}

TEST(RtfBody, WordsOfHebrewAreSeparatedBySingleSpacesForTheReader) {
    const std::u16string verse = u"\u05D0 \u05D1\u05E8\u05D0 \u05D0\u05EA:";
    EXPECT_EQ(ReadBack(verse), verse + u"\n\n");
}

TEST(RtfBody, BackslashAndBracesAreEscaped) {
    EXPECT_EQ(Body(u"\\{x}"), "\\\\\\{x\\}\\par\\par\r\n");
    EXPECT_EQ(ReadBack(u"{\u05D0}\\"), u"{\u05D0}\\\n\n");
}

TEST(RtfBody, ADigitOrLetterAfterAnEscapeIsSetApartFromIt) {
    EXPECT_EQ(Body(u"\u05D01"), "\\u1488 1\\par\\par\r\n");
    EXPECT_EQ(Body(u"\u05D0x"), "\\u1488 x\\par\\par\r\n");
    EXPECT_EQ(Body(u"\u05D0:"), "\\u1488:\\par\\par\r\n");
    EXPECT_EQ(ReadBack(u"\u05D012 \u05D1-3"), u"\u05D012 \u05D1-3\n\n");
}

TEST(RtfBody, OtherUnitsAreEscapedWithTheirValue) {
    EXPECT_EQ(Body(u"\t\x7F\u00E0\uFFFF"), "\\u9\\u127\\u224\\u65535\\par\\par\r\n");
}

TEST(RtfBody, PresentationFormsAreWrittenAsTheirDecomposition) {
    EXPECT_EQ(Body(u"\uFB2C\uFB4B"), "\\u1513\\u1468\\u1473\\u1493\\u1465\\par\\par\r\n");
}

TEST(RtfBody, EmptyTextIsOneBreak) { EXPECT_EQ(Body(u""), "\\par\\par\r\n"); }

TEST(RtfBody, MeasureIsNeverBelowTheBodyForAnyMixOfUnits) {
    std::mt19937 random(1705);
    const char16_t pool[] = {u' ', u'\r', u'\n', u'1', u'a', u'\\', u'{', u'}', u':', 0x05D0, 0x0009,
                             0x00E0, 0xFB2C, 0xFB4B, 0xFFFF, 0x7F, 0x3E8, 0x270F, 0x2710};
    for (int round = 0; round < 2000; ++round) {
        std::u16string text(size_t(random() % 64), u' ');
        for (char16_t& unit : text) unit = pool[random() % (sizeof pool / sizeof pool[0])];
        const size_t measure = EncodeRtfBody(text.c_str(), nullptr);
        std::string body(measure + 64, '#');
        const size_t length = EncodeRtfBody(text.c_str(), body.data());
        ASSERT_LT(length, measure) << "round " << round;
        ASSERT_EQ(body[measure], '#');
    }
}

TEST(PresentationForms, TheTwentySevenFormsDecomposeToLetterAndPoints) {
    int found = 0;
    for (char16_t unit = 0xFB00; unit < 0xFB60; ++unit) {
        const Decomposition* forms = FindDecomposition(unit);
        if (!forms) continue;
        ++found;
        EXPECT_EQ(forms->Form, unit);
        EXPECT_GE(forms->Points[0], 0x05D0) << std::hex << unit;   // a letter first
        EXPECT_LE(forms->Points[0], 0x05EA) << std::hex << unit;
        for (int k = 1; k < DecompositionLength(*forms); ++k) {
            EXPECT_GE(forms->Points[k], 0x05B0) << std::hex << unit;   // then points
            EXPECT_LE(forms->Points[k], 0x05C2) << std::hex << unit;
        }
    }
    EXPECT_EQ(found, kPresentationFormCount);
    for (char16_t missing : {0xFB2E, 0xFB2F, 0xFB37, 0xFB3D, 0xFB3F, 0xFB42, 0xFB45, 0xFB4C, 0x05D0})
        EXPECT_EQ(FindDecomposition(missing), nullptr) << std::hex << missing;
    EXPECT_EQ(DecompositionLength(*FindDecomposition(0xFB2D)), 3);
    EXPECT_EQ(FindDecomposition(0xFB49)->Points[1], 0x05BC);   // dagesh
}

TEST(RtfDocument, HeaderSeparatorAndClosingAreTheirExactBytes) {
    EXPECT_EQ(kRtfHeaderLength, 180u);
    EXPECT_EQ(std::string(kRtfHeader),
              std::string("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset177\\cpg1255 David;}}{\\colortbl"
                          "\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red255\\green0\\blue0;}"
                          "\\rtldoc\\pard\\rtlpar\\qr\\lang1033\\f0\\fs20\\uc0") + "\r\n");
    EXPECT_EQ(kRtfSeparatorLength, 52u);
    EXPECT_EQ(std::string(kRtfSeparator),
              std::string("\\qc\\cf2\\fs72\\b*  *  *  *  *\\b0\\par\\par\\qr\\fs20\\cf0") + "\r\n");
    EXPECT_EQ(std::string(kRtfClosing), "}\r\n");
}

TEST(RtfDocument, ANewDocumentIsHeaderBodyClosing) {
    const std::string body = "\\u1488\\par\\par\r\n";
    std::string document(RichDocumentSize(body.size(), 0), '#');
    const size_t length = ComposeRichDocument(document.data(), nullptr, 0, body.data(), body.size());
    EXPECT_LT(length, document.size());
    EXPECT_EQ(document.substr(0, length), kRtfHeader + body + kRtfClosing);
}

// Another program's document need not say \uc0: the appended article says it
// in a group of its own, so that no letter's escape swallows what follows.
TEST(RtfDocument, AnAppendedArticleReplacesTheOldClosingWithTheSeparatorInAGroupOfItsOwn) {
    const std::string old = "{\\rtf1\\ansi A\\par\r\n}\r\n \t\r\n";
    const std::string body = "\\u1489 B\\par\\par\r\n";
    std::string document(RichDocumentSize(body.size(), old.size()), '#');
    const size_t length = ComposeRichDocument(document.data(), old.data(), old.size(), body.data(), body.size());
    EXPECT_LT(length, document.size());
    EXPECT_EQ(document.substr(0, length), "{\\rtf1\\ansi A\\par\r\n{\\pard\\rtlpar\\uc0" +
                                              std::string(kRtfSeparator) + body + "}" + kRtfClosing);
}

TEST(RtfDocument, OnlyTheLastBraceIsTakenOff) {
    const std::string old = "{\\rtf1 x}}";
    std::string document(RichDocumentSize(2, old.size()), '#');
    const size_t length = ComposeRichDocument(document.data(), old.data(), old.size(), "B\n", 2);
    EXPECT_EQ(document.substr(0, length),
              std::string("{\\rtf1 x}") + kRtfAppendedGroupOpen + kRtfSeparator + "B\n}" + kRtfClosing);
}

TEST(RtfDocument, ADocumentIsRecognisedByItsOpening) {
    EXPECT_TRUE(IsRichDocument(kRtfHeader, kRtfHeaderLength));
    EXPECT_FALSE(IsRichDocument("plain text", 10));
    EXPECT_FALSE(IsRichDocument("{\\rt", 4));
    EXPECT_FALSE(IsRichDocument(nullptr, 0));
}
