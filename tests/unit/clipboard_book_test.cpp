// Every article of the built book through the clipboard's text and Rich Text
// encoding: the text buffer and the body's measure always hold what is
// written, and a reader gets every block back in reading order. Skipped where
// the build made no book (the sanitizer build).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "output/article_text.h"
#include "output/rtf_body.h"
#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/rtf_body_reader.h"
#include "tools/book/book_records.h"
#include "view/letter_codes.h"

namespace {
const std::filesystem::path kGenerated = std::filesystem::path(ORVENDEL_BOOK_BUILD_DIR) / "generated";

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class BookOnTheClipboard : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::is_directory(kGenerated / "records")) return;
        for (int id = kRecordIdBase + 1; id <= kRecordIdBase + kArticleCount; ++id)
            records_[uint16_t(id)] = ReadFile(kGenerated / RecordFileName(uint16_t(id)));
    }
    static void TearDownTestSuite() { records_.clear(); }

    void SetUp() override {
        if (records_.empty()) GTEST_SKIP() << "this build has no book";
        ports_.Records.Records = records_;
        ClearAppSettings();
    }
    void TearDown() override { ClearAppSettings(); }

    // Each article's text in the given base and Reverse state, checked
    // against its buffer and its body's measure; the body read back must be
    // the text with each run of line ends one paragraph break.
    void CheckEveryArticle(int32_t base, bool reverse) {
        AppSettings.Font.FontAsciiBase = base;
        AppSettings.Flags = reverse ? kFlagsReverse : 0;
        for (int number = 1; number <= kArticleCount; ++number) {
            uint32_t length = 0;
            uint8_t* article = LoadRecord(number, nullptr, &length);
            ASSERT_NE(article, nullptr) << number;
            const uint32_t size = length + kRecordTerminators;
            uint32_t bytes = 0;
            char16_t* text = AllocArticleText(article, size, &bytes);
            ASSERT_EQ(ArticleToText(article, size, text, bytes), kTextBuilt) << number;
            const std::u16string plain = text;
            EXPECT_LE((plain.size() + 1) * sizeof(char16_t), bytes) << number;

            const size_t measure = EncodeRtfBody(text, nullptr);
            std::string body(measure, '\0');
            const size_t written = EncodeRtfBody(text, body.data());
            ASSERT_LT(written, measure) << "article " << number << ": the body and its 0 fit the measure";
            body.resize(written);
            std::u16string read;
            std::string fault;
            ASSERT_TRUE(ReadRtfBody(body, &read, &fault)) << number << ": " << fault;
            EXPECT_EQ(read, Paragraphs(plain) + u"\n\n") << number;

            PlainFree(text);
            PlainFree(article);
        }
        EXPECT_TRUE(ports_.Messages.Shown.empty());
    }

    // The plain text as a reader of the body sees it: each run of CR and LF
    // one break of two paragraph marks.
    static std::u16string Paragraphs(const std::u16string& plain) {
        std::u16string out;
        for (size_t i = 0; i < plain.size();) {
            if (plain[i] != u'\r' && plain[i] != u'\n') {
                out += plain[i++];
                continue;
            }
            while (i < plain.size() && (plain[i] == u'\r' || plain[i] == u'\n')) ++i;
            out += u"\n\n";
        }
        return out;
    }

    static std::map<uint16_t, std::vector<uint8_t>> records_;
    ScopedFakePorts ports_;
};

std::map<uint16_t, std::vector<uint8_t>> BookOnTheClipboard::records_;
}  // namespace

TEST_F(BookOnTheClipboard, UnicodeLettersInReadingOrderFitAndReadBack) { CheckEveryArticle(kUnicodeBase, true); }

TEST_F(BookOnTheClipboard, UnicodeLettersInDisplayOrderFitAndReadBack) { CheckEveryArticle(kUnicodeBase, false); }

TEST_F(BookOnTheClipboard, Windows1255LettersFitAndReadBack) { CheckEveryArticle(kWindows1255Base, false); }

TEST_F(BookOnTheClipboard, TheFirstVerseReadsInReadingOrder) {
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    AppSettings.Flags = kFlagsReverse;   // as the copy sets it for a Unicode font with Reverse off
    uint32_t length = 0;
    uint8_t* article = LoadRecord(1, nullptr, &length);
    ASSERT_NE(article, nullptr);
    uint32_t bytes = 0;
    char16_t* text = AllocArticleText(article, length + kRecordTerminators, &bytes);
    ASSERT_EQ(ArticleToText(article, length + kRecordTerminators, text, bytes), kTextBuilt);
    const std::u16string plain = text;
    EXPECT_NE(plain.find(u"\r\n\r\n\u05D0 \u05D1\u05E8\u05D0\u05E9\u05D9\u05EA \u05D1\u05E8\u05D0 "
                         u"\u05D0\u05DC\u05D4\u05D9\u05DD \u05D0\u05EA \u05D4\u05E9\u05DE\u05D9\u05DD "
                         u"\u05D5\u05D0\u05EA \u05D4\u05D0\u05E8\u05E5:\r\n"),
              std::u16string::npos);
    PlainFree(text);
    PlainFree(article);
}
