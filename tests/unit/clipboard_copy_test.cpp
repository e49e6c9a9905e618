// Copy and Append to ClipBoard on the fake clipboard: the one format chosen by
// the letter base, the order of the letters, what an append keeps, and that a
// failure never loses what the clipboard held.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/clipboard_copy.h"
#include "output/rtf_document.h"
#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_clipboard.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_text_device.h"
#include "tests/fakes/rtf_body_reader.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
constexpr uint8_t kTitle = 0xD1;
constexpr uint8_t kVerse = 0xB1;
const std::string kFirstVerseStored = "ba a";   // "א אב" in display order

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class ClipboardCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
        AppSettings.Flags = kDefaultFlags;
        const Rect rectangle{0, 0, 400, 300};
        const FontSpec spec = TestFontSpec(u"Face", 12);
        view_ = CreateArticleView(&device_, &rectangle, &spec, 10);
        Show({{kTitle, 0, "ba"}, {kVerse, 0xC0, kFirstVerseStored}});
    }
    void TearDown() override {
        FailAllocationAfter(-1);
        DestroyArticleView(view_, kReleaseView);
        ClearAppSettings();
        EXPECT_TRUE(clipboard().Faults.empty()) << clipboard().Faults.front();
        EXPECT_FALSE(clipboard().IsOpen());
        EXPECT_EQ(clipboard().BlocksOfTheProgram(), 0) << "every block freed or handed over";
    }

    void Show(const std::vector<TestBlock>& blocks) {
        const std::vector<uint8_t> markup = ArticleMarkup(blocks);
        ASSERT_EQ(LayoutSizedArticle(view_, NewBuffer(markup), uint32_t(markup.size()) + 2, kReleasePrevious), kLayoutDone);
    }
    void Copy() { CopyArticle(view_, kReplaceClipboard); }
    void Append() { CopyArticle(view_, kAppendToClipboard); }

    FakeClipboard& clipboard() { return fake_.Clipboard; }
    std::vector<uint32_t> OnlyRichText() { return {clipboard().RichTextFormat()}; }
    std::vector<uint32_t> OnlyUnicodeText() { return {kClipboardUnicodeText}; }

    // The body of a document holding one article, as a reader reads it.
    std::u16string ReadBody(const std::string& document) {
        const std::string head = kRtfHeader, tail = kRtfClosing;
        EXPECT_EQ(document.substr(0, head.size()), head);
        EXPECT_EQ(document.substr(document.size() - tail.size()), tail);
        std::u16string text;
        std::string fault;
        EXPECT_TRUE(ReadRtfBody(document.substr(head.size(), document.size() - head.size() - tail.size()),
                                &text, &fault))
            << fault;
        return text;
    }

    FakeTextDevice device_;
    ArticleView* view_ = nullptr;
    ScopedFakePorts ports_;
    ScopedFakeClipboard fake_;
};
}  // namespace

TEST_F(ClipboardCopy, UnicodeFontGivesOnlyRichTextWithTheLettersInReadingOrder) {
    Copy();
    EXPECT_EQ(clipboard().Formats(), OnlyRichText());
    const std::string document = clipboard().RichText();
    EXPECT_EQ(document, std::string(kRtfHeader) +
                            "\\u1488\\u1489\\par\\par\r\n"
                            "\\u1488  \\u1488\\u1489\\par\\par\r\n"
                            "\\par\\par\r\n" + kRtfClosing);
    EXPECT_EQ(ReadBody(document), u"\u05D0\u05D1\n\n\u05D0 \u05D0\u05D1\n\n\n\n");
    EXPECT_EQ(AppSettings.Flags, kDefaultFlags) << "Reverse is put back";
}

TEST_F(ClipboardCopy, TheDocumentsBlockHoldsNothingAfterItsTerminator) {
    Copy();
    const std::vector<uint8_t> block = clipboard().BlockBytes(clipboard().RichTextFormat());
    const size_t length = clipboard().RichText().size();
    ASSERT_GT(block.size(), length);
    EXPECT_EQ(std::vector<uint8_t>(block.begin() + length, block.end()),
              std::vector<uint8_t>(block.size() - length, 0));
}

TEST_F(ClipboardCopy, UnicodeFontWithReverseOnKeepsTheDisplayOrder) {
    AppSettings.Flags |= kFlagsReverse;
    Copy();
    EXPECT_EQ(ReadBody(clipboard().RichText()), u"\u05D1\u05D0\n\n\u05D1\u05D0 \u05D0\n\n\n\n");
    EXPECT_EQ(AppSettings.Flags, kDefaultFlags | kFlagsReverse);
}

TEST_F(ClipboardCopy, Windows1255FontGivesOnlyUnicodeTextInDisplayOrder) {
    AppSettings.Font.FontAsciiBase = kWindows1255Base;
    clipboard().HoldRichText("{\\rtf1 earlier}");
    Copy();
    EXPECT_EQ(clipboard().Formats(), OnlyUnicodeText());
    EXPECT_EQ(clipboard().UnicodeText(), u"\u00E1\u00E0\r\n\r\n\u00E1\u00E0 \u00E0\r\n\r\n");
}

TEST_F(ClipboardCopy, Windows1255FontWithReverseOnGivesReadingOrder) {
    AppSettings.Font.FontAsciiBase = kWindows1255Base;
    AppSettings.Flags |= kFlagsReverse;
    Copy();
    EXPECT_EQ(clipboard().UnicodeText(), u"\u00E0\u00E1\r\n\r\n\u00E0 \u00E0\u00E1\r\n\r\n");
}

TEST_F(ClipboardCopy, LatinFontGivesTheLetterCodesThemselves) {
    AppSettings.Font.FontAsciiBase = kLatinBase;
    AppSettings.Flags |= kFlagsReverse;
    Copy();
    EXPECT_EQ(clipboard().Formats(), OnlyUnicodeText());
    EXPECT_EQ(clipboard().UnicodeText(), u"ba\r\n\r\nba a\r\n\r\n");
}

TEST_F(ClipboardCopy, AppendedUnicodeTextFollowsTheOldText) {
    AppSettings.Font.FontAsciiBase = kLatinBase;
    Copy();
    Show({{kVerse, 0, "c"}});
    Append();
    EXPECT_EQ(clipboard().Formats(), OnlyUnicodeText());
    EXPECT_EQ(clipboard().UnicodeText(), u"ba\r\n\r\nba a\r\n\r\nc\r\n\r\n");
}

TEST_F(ClipboardCopy, AppendToAnEmptyClipboardIsACopy) {
    AppSettings.Font.FontAsciiBase = kLatinBase;
    Append();
    EXPECT_EQ(clipboard().UnicodeText(), u"ba\r\n\r\nba a\r\n\r\n");
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    Append();
    EXPECT_EQ(clipboard().Formats(), OnlyRichText());
    EXPECT_EQ(Occurrences(clipboard().RichText(), kRtfHeader), 1u);
    EXPECT_EQ(Occurrences(clipboard().RichText(), kRtfSeparator), 0u);
}

TEST_F(ClipboardCopy, AppendedTextStartsOnALineOfItsOwn) {
    AppSettings.Font.FontAsciiBase = kLatinBase;
    clipboard().HoldUnicodeText(u"a note");
    Append();
    EXPECT_EQ(clipboard().UnicodeText(), u"a note\r\nba\r\n\r\nba a\r\n\r\n");
}

TEST_F(ClipboardCopy, AppendingRichTextTwiceKeepsOneHeaderAStarRowBeforeEachLaterArticleAndOneClosing) {
    Copy();
    Show({{kVerse, 0, "c"}});
    Append();
    Show({{kVerse, 0, "d"}});
    Append();
    EXPECT_EQ(clipboard().Formats(), OnlyRichText());
    const std::string document = clipboard().RichText();
    EXPECT_EQ(Occurrences(document, kRtfHeader), 1u);
    EXPECT_EQ(Occurrences(document, kRtfSeparator), 2u);
    // Three in the header's tables, one for each appended article's group, one closing.
    EXPECT_EQ(Occurrences(document, "}"), 6u);
    EXPECT_EQ(document.substr(document.size() - 3), "}\r\n");
    const size_t first = document.find("\\u1488\\u1489");
    const size_t second = document.find("\\u1490");
    const size_t third = document.find("\\u1491");
    const size_t separator = document.find(kRtfSeparator);
    EXPECT_LT(first, separator);
    EXPECT_LT(separator, second);
    EXPECT_LT(document.find(kRtfSeparator, separator + 1), third);
    EXPECT_LT(second, third);
}

TEST_F(ClipboardCopy, RichTextAppendedToPlainTextIsANewDocumentAndThePlainTextIsGone) {
    clipboard().HoldUnicodeText(u"plain\r\n");
    Append();
    EXPECT_EQ(clipboard().Formats(), OnlyRichText());
    EXPECT_EQ(clipboard().RichText().substr(0, kRtfHeaderLength), kRtfHeader);
    EXPECT_EQ(Occurrences(clipboard().RichText(), kRtfSeparator), 0u);
}

TEST_F(ClipboardCopy, RichTextAppendedToDataThatIsNoDocumentStartsANewOne) {
    clipboard().HoldRichText("not a document}");
    Append();
    const std::string document = clipboard().RichText();
    EXPECT_EQ(document.substr(0, kRtfHeaderLength), kRtfHeader);
    EXPECT_EQ(document.find("not a document"), std::string::npos);
}

TEST_F(ClipboardCopy, ABlockThatCannotBeMadeLosesNothingOnTheClipboard) {
    clipboard().HoldUnicodeText(u"kept\r\n");
    clipboard().FailAlloc = true;
    Copy();
    Append();
    AppSettings.Font.FontAsciiBase = kLatinBase;
    Copy();
    Append();
    EXPECT_EQ(clipboard().Formats(), OnlyUnicodeText());
    EXPECT_EQ(clipboard().UnicodeText(), u"kept\r\n");
}

TEST_F(ClipboardCopy, ABlockThatCannotBeLockedLosesNothingOnTheClipboard) {
    clipboard().HoldRichText("{\\rtf1 kept}");
    clipboard().FailLock = true;
    Copy();
    AppSettings.Font.FontAsciiBase = kLatinBase;
    Copy();
    clipboard().FailLock = false;
    EXPECT_EQ(clipboard().Formats(), OnlyRichText());
    EXPECT_EQ(clipboard().RichText(), "{\\rtf1 kept}");
}

TEST_F(ClipboardCopy, AClipboardThatCannotBeOpenedIsLeftAsItIs) {
    clipboard().HoldUnicodeText(u"kept");
    clipboard().FailOpen = true;
    Copy();
    Append();
    AppSettings.Font.FontAsciiBase = kLatinBase;
    Append();
    EXPECT_EQ(clipboard().UnicodeText(), u"kept");
    EXPECT_EQ(clipboard().Opens, 0);
}

TEST_F(ClipboardCopy, AnAppendThatCannotReadTheClipboardReplacesNothing) {
    clipboard().HoldRichText("{\\rtf1 collected}");
    clipboard().FailOpen = true;
    Append();
    clipboard().FailOpen = false;
    EXPECT_EQ(clipboard().RichText(), "{\\rtf1 collected}");
    AppSettings.Font.FontAsciiBase = kLatinBase;
    clipboard().HoldUnicodeText(u"collected\r\n");
    clipboard().FailOpen = true;
    Append();
    clipboard().FailOpen = false;
    EXPECT_EQ(clipboard().UnicodeText(), u"collected\r\n");
}

TEST_F(ClipboardCopy, AnAppendWhoseSecondOpenFailsLeavesTheOldData) {
    clipboard().HoldRichText("{\\rtf1 collected}");
    clipboard().OpensBeforeFailure = 1;   // the read opens, the write does not
    Append();
    clipboard().FailOpen = false;
    EXPECT_EQ(clipboard().RichText(), "{\\rtf1 collected}");
}

TEST_F(ClipboardCopy, ABlockTheClipboardRefusesIsFreed) {
    clipboard().FailSetData = true;
    Copy();
    EXPECT_TRUE(clipboard().Formats().empty());
}

TEST_F(ClipboardCopy, NoViewOrNoTextDoesNothing) {
    CopyArticle(nullptr, kReplaceClipboard);
    ArticleView empty{};
    CopyArticle(&empty, kAppendToClipboard);
    EXPECT_EQ(clipboard().Opens, 0);
}

TEST_F(ClipboardCopy, ARuleAndMarginsReachTheDocument) {
    Show({{kVerse, 3, "a"}, {0x87, 10, ""}});
    Copy();
    EXPECT_EQ(ReadBody(clipboard().RichText()), u"\u05D0   \n\n----------\n\n\n\n");
}

TEST_F(ClipboardCopy, ReadClipboardCopiesTheDataWithoutItsTerminator) {
    clipboard().HoldUnicodeText(u"abc");
    size_t length = 0;
    uint8_t* copy = ReadClipboard(&length, 0);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(copy), 3), u"abc");
    PlainFree(copy);
    EXPECT_EQ(ReadClipboard(&length, clipboard().RichTextFormat()), nullptr);
    EXPECT_EQ(length, 0u);
}

TEST_F(ClipboardCopy, ReadClipboardStopsAtTheEndOfABlockWithoutTerminator) {
    clipboard().Hold(clipboard().RichTextFormat(), {'{', '\\', 'r', 't', 'f'});
    size_t length = 0;
    uint8_t* copy = ReadClipboard(&length, clipboard().RichTextFormat());
    EXPECT_EQ(length, 5u);
    PlainFree(copy);
    clipboard().Hold(kClipboardUnicodeText, {'a', 0, 'b'});   // one unit and half of another
    copy = ReadClipboard(&length, 0);
    EXPECT_EQ(length, 2u);
    PlainFree(copy);
}

TEST_F(ClipboardCopy, ReadClipboardOfAnEmptyTextIsNone) {
    clipboard().HoldUnicodeText(u"");
    size_t length = 1;
    EXPECT_EQ(ReadClipboard(&length, 0), nullptr);
    EXPECT_EQ(length, 0u);
}
