// The book as the build embeds it: every record read back through the
// program's own loader, the contents record, spot checks of the text, and a
// second build from the same source giving the same bytes. Skipped where the
// build made no book (the sanitizer build).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tools/book/book_records.h"
#include "tools/book/book_source.h"
#include "tools/book/display_order.h"
#include "tools/book/hebrew_letter_codes.h"
#include "tools/book/hebrew_numerals.h"

namespace {
const std::filesystem::path kGenerated = std::filesystem::path(ORVENDEL_BOOK_BUILD_DIR) / "generated";
const std::filesystem::path kSource = std::filesystem::path(ORVENDEL_BOOK_BUILD_DIR) / "book-source/package/wlc";

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Block {
    uint8_t Format;
    uint8_t Layout;
    std::string Text;   // as stored, in display order
};

// Letter codes in reading order, as a reader of the article meets them.
std::string Reading(const std::string& stored) { return std::string(stored.rbegin(), stored.rend()); }
std::string Letters(const char* hebrew) { return HebrewToLetterCodes(hebrew); }

class EmbeddedBook : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::is_directory(kGenerated / "records")) return;
        for (int id = kRecordIdBase + 1; id <= kRecordIdBase + kArticleCount; ++id)
            records_[uint16_t(id)] = ReadFile(kGenerated / RecordFileName(uint16_t(id)));
        records_[kContentsRecordId] = ReadFile(kGenerated / RecordFileName(kContentsRecordId));
    }
    static void TearDownTestSuite() { records_.clear(); }

    void SetUp() override {
        if (records_.empty()) GTEST_SKIP() << "this build has no book";
        ports_.Records.Records = records_;
    }

    // The decompressed record through LoadRecord, with its length u.
    std::vector<uint8_t> Load(int number) {
        int32_t status = 0;
        uint8_t* buffer = LoadRecord(number, &status);
        EXPECT_NE(buffer, nullptr) << "record " << number << " status " << status;
        if (!buffer) return {};
        const std::vector<uint8_t>& record = records_[uint16_t(number + kRecordIdBase)];
        const size_t u = size_t(record[8]) << 8 | record[9];
        EXPECT_EQ(buffer[u], 0) << "record " << number;
        std::vector<uint8_t> bytes(buffer, buffer + u);
        PlainFree(buffer);
        return bytes;
    }

    // The article's blocks; fails the test when the markup is not blocks
    // ending in the last string's NUL and the end marker.
    std::vector<Block> Blocks(int number) {
        const std::vector<uint8_t> bytes = Load(number);
        std::vector<Block> blocks;
        size_t i = 0;
        while (i < bytes.size() && bytes[i] != 0) {
            Block block{bytes[i], i + 1 < bytes.size() ? bytes[i + 1] : uint8_t(0), {}};
            size_t end = i + 2;
            while (end < bytes.size() && bytes[end] != 0) ++end;
            if (end >= bytes.size()) {
                ADD_FAILURE() << "article " << number << ": a string runs past the data";
                break;
            }
            block.Text.assign(bytes.begin() + i + 2, bytes.begin() + end);
            blocks.push_back(block);
            i = end + 1;
        }
        EXPECT_EQ(i + 1, bytes.size()) << "article " << number << ": the end marker is the last byte";
        return blocks;
    }

    // The article holding the given verse of the chapter whose title (in
    // reading order) is chapterTitle, and that verse's text in reading order.
    std::string VerseText(const char* chapterTitle, int verse) {
        const std::string title = Letters(chapterTitle);
        for (int n = 1; n <= kArticleCount; ++n) {
            const std::vector<Block> blocks = Blocks(n);
            const std::string articleTitle = Reading(blocks[0].Text);
            if (articleTitle != title && articleTitle.rfind(title + ",", 0) != 0) continue;
            for (size_t b = 2; b < blocks.size(); ++b) {
                const std::string line = Reading(blocks[b].Text);
                const std::string numeral = line.substr(0, line.find(' '));
                if (numeral == HebrewNumeral(verse)) return line.substr(numeral.size() + 1);
            }
        }
        ADD_FAILURE() << "no verse " << verse << " in that chapter";
        return {};
    }

    static std::map<uint16_t, std::vector<uint8_t>> records_;
    ScopedFakePorts ports_;
};

std::map<uint16_t, std::vector<uint8_t>> EmbeddedBook::records_;
}  // namespace


TEST_F(EmbeddedBook, EveryRecordHasItsContainerAndDecompressesToExactlyItsLength) {
    for (const auto& [identifier, record] : records_) {
        ASSERT_GE(record.size(), 14u);
        const auto word = [&](size_t at) { return size_t(record[at]) << 8 | record[at + 1]; };
        const bool contents = identifier == kContentsRecordId;
        EXPECT_EQ(word(0), record.size() - 6) << identifier;
        EXPECT_EQ(word(2), contents ? 1u : size_t(identifier - kRecordIdBase)) << identifier;
        EXPECT_EQ(word(4), contents ? 255u : size_t(identifier - kRecordIdBase)) << identifier;
        EXPECT_EQ(word(6), word(0) - 8) << identifier;
        EXPECT_TRUE(std::all_of(record.end() - 4, record.end(), [](uint8_t b) { return b == 0; })) << identifier;
        const int number = contents ? kContentsRecordNumber : identifier - kRecordIdBase;
        EXPECT_EQ(Load(number).size(), word(8)) << identifier;
    }
    EXPECT_TRUE(ports_.Messages.Shown.empty());
}

TEST_F(EmbeddedBook, EveryArticleIsTitleVerseRangeAndNumberedVerses) {
    for (int n = 1; n <= kArticleCount; ++n) {
        const std::vector<Block> blocks = Blocks(n);
        ASSERT_GE(blocks.size(), 3u) << "article " << n;
        EXPECT_EQ(blocks[0].Format, 0xD1) << n;
        EXPECT_EQ(blocks[0].Layout, 0) << n;
        EXPECT_EQ(blocks[1].Format, 0xD2) << n;
        EXPECT_EQ(blocks[1].Layout, 0) << n;
        for (size_t b = 2; b < blocks.size(); ++b) {
            const Block& verse = blocks[b];
            EXPECT_TRUE(verse.Format == 0x31 || verse.Format == 0xB1) << n << " block " << b;
            EXPECT_EQ(verse.Layout, 0xC0) << n;
            ASSERT_FALSE(verse.Text.empty()) << n;
            EXPECT_NE(verse.Text.front(), ' ') << n;   // a leading space would make it a continuation
            EXPECT_NE(verse.Text.back(), ' ') << n;
            EXPECT_EQ(verse.Text.find("  "), std::string::npos) << n;
            EXPECT_TRUE(std::all_of(verse.Text.begin(), verse.Text.end(), [](char c) {
                return (c >= 'a' && c <= '{') || c == ' ' || c == '-' || c == ':';
            })) << n << " block " << b;
        }
        EXPECT_EQ(blocks.back().Format, 0xB1) << "the last verse ends article " << n;
    }
}

TEST_F(EmbeddedBook, ContentsListsEveryArticleOnceInOrderUnderItsBook) {
    const std::vector<uint8_t> contents = Load(kContentsRecordNumber);
    ASSERT_LE(contents.size(), 65535u);
    ASSERT_GE(contents.size(), 5u);
    EXPECT_EQ(std::vector<uint8_t>(contents.end() - 5, contents.end()), std::vector<uint8_t>(5, 0));

    std::vector<int> booksPerDivision;
    std::string book;   // display order
    int next = 1, position = 0;
    size_t i = 0;
    while (contents.at(i + 2) != 0) {
        const uint16_t key = uint16_t(contents[i] | contents[i + 1] << 8);
        const uint8_t flags = contents[i + 2], level = contents[i + 3];
        size_t end = i + 4;
        while (contents.at(end) != 0) ++end;
        const std::string title(contents.begin() + i + 4, contents.begin() + end);
        ASSERT_FALSE(title.empty());
        if (level == 1) {
            EXPECT_EQ(flags, 0x8C);
            EXPECT_EQ(key, 0xBFFE - position);
            booksPerDivision.push_back(0);
        } else if (level == 2) {
            EXPECT_EQ(flags, 0x01);
            EXPECT_EQ(key, 0xBFFE - position);
            ASSERT_FALSE(booksPerDivision.empty());
            ++booksPerDivision.back();
            book = title;
        } else {
            ASSERT_EQ(level, 3);
            EXPECT_EQ(flags, 0x01);
            ASSERT_EQ(key, 0x4000 + next) << "articles listed once each, in order";
            // The article's own title starts, read right to left, with its book.
            const std::string articleTitle = Blocks(next)[0].Text;
            EXPECT_TRUE(articleTitle.size() > book.size() &&
                        articleTitle.compare(articleTitle.size() - book.size() - 1, std::string::npos,
                                             " " + book) == 0)
                << "article " << next;
            ++next;
        }
        ++position;
        i = end + 1;
    }
    EXPECT_EQ(next, kArticleCount + 1);
    EXPECT_EQ(i + 5, contents.size());
    EXPECT_EQ(booksPerDivision, (std::vector<int>{5, 6, 15, 13}));
}

TEST_F(EmbeddedBook, GenesisOpensWithItsFirstVerse) {
    const std::vector<Block> blocks = Blocks(1);
    ASSERT_GE(blocks.size(), 3u);
    // "א בראשית ברא אלהים את השמים ואת הארץ:" in display order.
    EXPECT_EQ(blocks[2].Text, ":vyae {af njoze {a njema ayb {jzayb a");
}

TEST_F(EmbeddedBook, ASplitChapterNamesTheVersesOfEachPart) {
    const std::vector<Block> first = Blocks(1);
    const std::vector<Block> second = Blocks(2);
    EXPECT_EQ(Reading(first[0].Text), Letters("בראשית א, א-יט"));
    EXPECT_EQ(Reading(first[1].Text), Letters("פסוקים א-יט"));
    EXPECT_EQ(first.size(), 2u + 19u);
    EXPECT_EQ(Reading(second[0].Text), Letters("בראשית א, כ-לא"));
    EXPECT_EQ(Reading(second[1].Text), Letters("פסוקים כ-לא"));
    EXPECT_EQ(second.size(), 2u + 12u);
    EXPECT_EQ(Reading(second[2].Text).substr(0, 2), Letters("כ "));
}

TEST_F(EmbeddedBook, AVerseWithAReadingNoteKeepsTheWrittenText) {
    // Genesis 8:17 writes הוצא and is read היצא.
    const std::string verse = VerseText("בראשית ח", 17);
    EXPECT_NE(verse.find(" " + Letters("הוצא") + " "), std::string::npos);
    EXPECT_EQ(verse.find(Letters("היצא")), std::string::npos);
}

TEST_F(EmbeddedBook, LargeLettersAreReadAsOrdinaryLetters) {
    // Deuteronomy 6:4, with the large ayin and dalet.
    EXPECT_EQ(VerseText("דברים ו", 4), Letters("שמע ישראל יהוה אלהינו יהוה אחד:"));
}

TEST_F(EmbeddedBook, ASecondBuildFromTheSameSourceGivesTheSameBytes) {
    if (!std::filesystem::is_directory(kSource)) GTEST_SKIP() << "the book's source is not unpacked here";
    const BuiltBook again = BuildBook(LoadBookSource(kSource.string()));
    ASSERT_EQ(again.Records.size(), records_.size());
    for (const BookRecord& record : again.Records)
        EXPECT_EQ(record.Record, records_[record.Identifier]) << "record " << record.Identifier;
    const std::vector<uint8_t> script = ReadFile(kGenerated / "book.rc");
    EXPECT_EQ(std::string(script.begin(), script.end()), BookResourceScript(again.Records));
}
