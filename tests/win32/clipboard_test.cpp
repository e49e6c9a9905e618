// Copy (Ctrl+C) and Append to ClipBoard (Ctrl+E) in the real reader: the one
// format placed for each letter base, what an append keeps, and what a Linux
// program and a word processor get from the clipboard: the article's verses
// in reading order, word for word.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/allocation.h"
#include "resources/resource_ids.h"
#include "store/record_loader.h"
#include "tests/win32/support/book_articles.h"
#include "tests/win32/support/clipboard_contents.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/linux_command.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/scoped_resource_records.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_input.h"

namespace {
constexpr char kRtfHeaderStart[] = "{\\rtf1\\ansi\\deff0{\\fonttbl";
constexpr char kStarRow[] = "*  *  *  *  *";

struct StoredBlock {
    uint8_t Format;
    std::string Text;   // as stored: display order
};

// The article's blocks as the book stores them.
std::vector<StoredBlock> ArticleBlocks(int number) {
    ScopedResourceRecords records;
    std::vector<StoredBlock> blocks;
    uint8_t* bytes = LoadRecord(number, nullptr);
    if (!bytes) return blocks;
    for (size_t at = 0; bytes[at] != 0;) {
        StoredBlock block{bytes[at], reinterpret_cast<const char*>(bytes + at + 2)};
        at += 2 + block.Text.size() + 1;
        blocks.push_back(block);
    }
    PlainFree(bytes);
    return blocks;
}

// A stored string's characters with the letters counted from base, in
// stored order or turned around into reading order.
std::u16string Characters(const std::string& stored, char16_t base, bool readingOrder) {
    std::u16string text;
    for (char c : stored) {
        const unsigned char b = static_cast<unsigned char>(c);
        text += b >= 0x61 && b <= 0x7B ? char16_t(base + (b - 0x61)) : b == 0x7E ? u'{' : char16_t(b);
    }
    if (readingOrder) text.assign(text.rbegin(), text.rend());
    return text;
}

// The article as plain text with the letters at base, each block in stored
// order, as the clipboard holds it for a font whose letters sit below 257.
std::u16string StoredOrderText(int number, char16_t base) {
    std::u16string text;
    for (const StoredBlock& block : ArticleBlocks(number))
        text += Characters(block.Text, base, false) + ((block.Format & 0x80) ? u"\r\n\r\n" : u"\r\n");
    return text;
}

// The lines a reader sees of the article in a word processor: each block
// with text, in reading order.
std::vector<std::u16string> ReadingLines(int number) {
    std::vector<std::u16string> lines;
    for (const StoredBlock& block : ArticleBlocks(number))
        if (!block.Text.empty()) lines.push_back(Characters(block.Text, 0x05D0, true));
    return lines;
}

// The lines of a text with something on them, without their CR.
std::vector<std::u16string> NonEmptyLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::u16string line;
    for (char16_t unit : text + u"\n") {
        if (unit == u'\r') continue;
        if (unit != u'\n') {
            line += unit;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line.clear();
    }
    return lines;
}

// The separator as a line of text: five stars and white space between them,
// which the word processor may write as spaces of other widths.
bool IsStarRow(const std::u16string& line) {
    int stars = 0;
    for (char16_t unit : line) {
        if (unit == u'*') ++stars;
        else if (unit != u' ' && !(unit >= 0x2000 && unit <= 0x200A)) return false;
    }
    return stars == 5 && line.front() == u'*' && line.back() == u'*';
}

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class ClipboardCommands : public ReaderTest {
protected:
    void SetUp() override {
        ReaderTest::SetUp();
        ASSERT_TRUE(EmptyTheClipboard()) << "the clipboard could not be emptied";
        files_ = TestFilesDir("clipboard");
        ASSERT_FALSE(files_.empty()) << "ORVENDEL_BINARY_DIR names the build tree";
    }

    // The reader on the article, with the letters at base (0: as stored by
    // default, the Unicode Hebrew letters).
    void StartOn(int article, DWORD base = 0) {
        WriteSettingDword(kValueLesson, article);
        if (base) WriteSettingDword(kValueFontAsciiBase, base);
        LaunchReader();
    }
    void Command(WORD command) {
        SendCommand(Window(), command);
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }

    // What an X11 program reads for target, once the session offers what the
    // clipboard holds (expected, without a terminator; line ends may come
    // as LF alone).
    std::string X11Clipboard(const std::string& target, const std::string& expected) {
        const std::string path = files_ + "/x11_" + (target == "text/rtf" ? "rtf" : "utf8");
        std::string bytes, failure;
        for (int attempt = 0; attempt < 20; ++attempt) {
            failure.clear();
            if (ReadX11Clipboard(target, path, &bytes, &failure)) {
                while (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
                if (WithoutCr(bytes) == WithoutCr(expected)) return bytes;
            }
            Sleep(250);
        }
        ADD_FAILURE() << "xclip -t " << target << " did not give the clipboard's data: "
                      << (failure.empty() ? "it gave " + std::to_string(bytes.size()) + " other bytes" : failure);
        return bytes;
    }

    // The clipboard's document as a Linux word processor reads it after
    // taking it from the X11 clipboard: its lines with text.
    std::vector<std::u16string> WordProcessorLines(const std::string& name) {
        const std::optional<std::string> document = ClipboardRichText();
        if (!document) {
            ADD_FAILURE() << "no Rich Text on the clipboard";
            return {};
        }
        const std::string rtf = X11Clipboard("text/rtf", *document);
        const std::string path = files_ + "/" + name + ".rtf";
        EXPECT_TRUE(WriteWholeFile(WinePath(path), rtf));
        std::string text, failure;
        if (!WordProcessorText(path, &text, &failure)) {
            ADD_FAILURE() << failure;
            return {};
        }
        std::vector<std::u16string> lines = NonEmptyLines(FromUtf8(text));
        for (std::u16string& line : lines)
            if (IsStarRow(line)) line = ToU16(kStarRow);
        return lines;
    }

    static std::string WithoutCr(const std::string& text) {
        std::string kept;
        for (char c : text)
            if (c != '\r') kept += c;
        return kept;
    }
    static std::u16string ToU16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

    // Line by line, so that a failure names the first line that differs.
    static void ExpectLines(const std::vector<std::u16string>& read, const std::vector<std::u16string>& expected) {
        ASSERT_FALSE(expected.empty());
        for (size_t i = 0; i < std::min(read.size(), expected.size()); ++i)
            ASSERT_EQ(read[i], expected[i]) << "line " << i << ": read " << ToUtf8(read[i])
                                            << "\nexpected " << ToUtf8(expected[i]);
        EXPECT_EQ(read.size(), expected.size());
    }

    std::string files_;
};
}  // namespace

TEST_F(ClipboardCommands, CopyWithAUnicodeFontPlacesOneRichTextDocument) {
    StartOn(1);
    ASSERT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'C'})) << "Ctrl+C could not be typed";
    ASSERT_TRUE(WaitUntilInputHandled(Window()));
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{RichTextFormat()});
    const std::string document = ClipboardRichText().value_or("");
    EXPECT_EQ(document.rfind(kRtfHeaderStart, 0), 0u);
    EXPECT_EQ(Occurrences(document, "\\rtf1"), 1u);
    ASSERT_GE(document.size(), 3u);
    EXPECT_EQ(document.substr(document.size() - 3), "}\r\n");
    // Genesis 1:1 begins with its number alef, then bereshit.
    EXPECT_NE(document.find("\\u1488  \\u1489\\u1512\\u1488\\u1513\\u1497\\u1514 "), std::string::npos);
}

TEST_F(ClipboardCommands, CopyWithReverseOnKeepsTheDrawingOrder) {
    StartOn(1);
    Command(IDM_REVERSE);
    Command(IDM_COPY);
    const std::string document = ClipboardRichText().value_or("");
    // Genesis 1:1 as it is stored, from its last word: ":הארץ ואת".
    EXPECT_NE(document.find(":\\u1509\\u1512\\u1488\\u1492  \\u1514\\u1488\\u1493"), std::string::npos);
    EXPECT_EQ(document.find("\\u1488  \\u1489\\u1512\\u1488\\u1513\\u1497\\u1514 "), std::string::npos);
    EXPECT_TRUE(IsChecked(IDM_REVERSE)) << "the copy leaves Reverse as it was";
}

TEST_F(ClipboardCommands, CopyWithAWindows1255FontPlacesOnlyUnicodeText) {
    StartOn(1, 224);
    Command(IDM_COPY);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{CF_UNICODETEXT});
    EXPECT_EQ(ClipboardUnicodeText().value_or(u"<none>"), StoredOrderText(1, 0xE0));
}

TEST_F(ClipboardCommands, CopyWithALatinFontGivesTheLetterCodes) {
    StartOn(1, 97);
    Command(IDM_COPY);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{CF_UNICODETEXT});
    EXPECT_EQ(ClipboardUnicodeText().value_or(u"<none>"), StoredOrderText(1, u'a'));
}

TEST_F(ClipboardCommands, CopyReplacesWhatTheClipboardHeld) {
    ASSERT_TRUE(PutClipboardUnicodeText(u"earlier"));
    StartOn(2);
    Command(IDM_COPY);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{RichTextFormat()});
}

TEST_F(ClipboardCommands, AppendedUnicodeTextFollowsTheOldText) {
    StartOn(1, 224);
    Command(IDM_COPY);
    Command(IDM_NEXT_ARTICLE);
    ASSERT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'E'})) << "Ctrl+E could not be typed";
    ASSERT_TRUE(WaitUntilInputHandled(Window()));
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{CF_UNICODETEXT});
    EXPECT_EQ(ClipboardUnicodeText().value_or(u"<none>"), StoredOrderText(1, 0xE0) + StoredOrderText(2, 0xE0));
}

TEST_F(ClipboardCommands, AppendedRichTextIsOneDocumentWithAStarRowBetween) {
    StartOn(1);
    Command(IDM_COPY);
    Command(IDM_NEXT_ARTICLE);
    Command(IDM_APPEND_TO_CLIPBOARD);
    Command(IDM_NEXT_ARTICLE);
    Command(IDM_APPEND_TO_CLIPBOARD);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{RichTextFormat()});
    const std::string document = ClipboardRichText().value_or("");
    EXPECT_EQ(Occurrences(document, "\\rtf1"), 1u);
    EXPECT_EQ(Occurrences(document, kStarRow), 2u);
    EXPECT_EQ(document.substr(document.size() - 3), "}\r\n");
    EXPECT_EQ(Occurrences(document, "}\r\n"), 1u) << "one closing brace";
}

TEST_F(ClipboardCommands, AppendingRichTextToPlainTextStartsANewDocument) {
    ASSERT_TRUE(PutClipboardUnicodeText(u"plain words\r\n"));
    StartOn(1);
    Command(IDM_APPEND_TO_CLIPBOARD);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{RichTextFormat()});
    const std::string document = ClipboardRichText().value_or("");
    EXPECT_EQ(document.rfind(kRtfHeaderStart, 0), 0u);
    EXPECT_EQ(Occurrences(document, kStarRow), 0u);
    EXPECT_FALSE(ClipboardUnicodeText().has_value()) << "the plain text is gone";
}

TEST_F(ClipboardCommands, UnicodeTextAppendedToAnotherProgramsTextStartsOnANewLine) {
    ASSERT_TRUE(PutClipboardUnicodeText(u"a note"));
    StartOn(1, 224);
    Command(IDM_APPEND_TO_CLIPBOARD);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{CF_UNICODETEXT});
    EXPECT_EQ(ClipboardUnicodeText().value_or(u"<none>"), u"a note\r\n" + StoredOrderText(1, 0xE0));
}

TEST_F(ClipboardCommands, AppendingUnicodeTextToAnEmptyClipboardIsACopy) {
    StartOn(3, 224);
    Command(IDM_APPEND_TO_CLIPBOARD);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{CF_UNICODETEXT});
    EXPECT_EQ(ClipboardUnicodeText().value_or(u"<none>"), StoredOrderText(3, 0xE0));
}

// What a reader pastes: the clipboard read from Linux and opened in a word
// processor.

TEST_F(ClipboardCommands, AWordProcessorReadsTheCopiedArticleInReadingOrder) {
    StartOn(1);
    Command(IDM_COPY);
    ExpectLines(WordProcessorLines("genesis_1"), ReadingLines(1));
}

TEST_F(ClipboardCommands, AWordProcessorReadsTheLargestArticleWhole) {
    int largest = 0;
    {
        ScopedResourceRecords records;
        largest = LargestArticle();
    }
    ASSERT_GT(largest, 0);
    RecordProperty("LargestArticle", largest);
    StartOn(largest);
    Command(IDM_COPY);
    ExpectLines(WordProcessorLines("largest"), ReadingLines(largest));
}

TEST_F(ClipboardCommands, AWordProcessorReadsTwoAppendedArticlesInOrderWithTheStarsBetween) {
    StartOn(1);
    Command(IDM_COPY);
    Command(IDM_NEXT_ARTICLE);
    Command(IDM_APPEND_TO_CLIPBOARD);
    std::vector<std::u16string> expected = ReadingLines(1);
    expected.push_back(ToU16(kStarRow));
    for (const std::u16string& line : ReadingLines(2)) expected.push_back(line);
    ExpectLines(WordProcessorLines("genesis_1_appended"), expected);
}

// A word processor's own document (its escapes carry a fallback character,
// as "\\uc0" does not say) taken from the X11 clipboard: the article appended
// to it reads whole, and the user's lines stay as they were.
TEST_F(ClipboardCommands, AnArticleAppendedToAWordProcessorsDocumentReadsWholeAfterTheUsersText) {
    const std::vector<std::u16string> userLines = {u"A reader's note, in Latin and \u05E2\u05D1\u05E8\u05D9\u05EA.",
                                                   u"\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD: a greeting, 3 words."};
    const std::string notePath = files_ + "/users_note.txt";
    ASSERT_TRUE(WriteWholeFile(WinePath(notePath), ToUtf8(userLines[0]) + "\n" + ToUtf8(userLines[1]) + "\n"));
    std::string rtf, failure;
    ASSERT_TRUE(WordProcessorRichText(notePath, &rtf, &failure)) << failure;
    ASSERT_EQ(rtf.find("\\uc0"), std::string::npos) << "the word processor's document says \\uc0 itself";
    ASSERT_TRUE(PutX11Clipboard("text/rtf", files_ + "/users_note.rtf", &failure)) << failure;
    bool offered = false;
    for (int attempt = 0; attempt < 40 && !offered; ++attempt) {
        offered = ClipboardRichText().value_or("").rfind("{\\rtf", 0) == 0;
        if (!offered) Sleep(250);
    }
    ASSERT_TRUE(offered) << "the session did not offer the word processor's document as Rich Text";

    StartOn(1);
    Command(IDM_APPEND_TO_CLIPBOARD);
    std::vector<std::u16string> expected = userLines;
    expected.push_back(ToU16(kStarRow));
    for (const std::u16string& line : ReadingLines(1)) expected.push_back(line);
    ExpectLines(WordProcessorLines("users_note_appended"), expected);
}

TEST_F(ClipboardCommands, ALinuxProgramGetsWindows1255LettersAsUnicodeText) {
    StartOn(1, 224);
    Command(IDM_COPY);
    EXPECT_EQ(PlacedClipboardFormats(), std::vector<UINT>{CF_UNICODETEXT});
    const std::u16string held = ClipboardUnicodeText().value_or(u"");
    const std::u16string read = FromUtf8(X11Clipboard("UTF8_STRING", ToUtf8(held)));
    ASSERT_FALSE(read.empty());
    int letters = 0;
    for (char16_t unit : read) {
        if (unit >= 0xE0 && unit <= 0xFA) ++letters;
        else EXPECT_TRUE(unit == u' ' || unit == u'\r' || unit == u'\n' || unit == u':' || unit == u'-' || unit == u',')
                 << "U+" << std::hex << int(unit);
    }
    EXPECT_GT(letters, 100);
}
