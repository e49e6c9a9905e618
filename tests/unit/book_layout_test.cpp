// Every article of the built book laid out on the fake device: every letter of
// every string lands on exactly one line, lines stay inside their own string
// and the view, right-to-left paragraphs read downwards, and no line costs
// more than four measurements. Skipped where the build made no book.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/fakes/article_bytes.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_text_device.h"
#include "tools/book/book_records.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/line_runs.h"

namespace {
const std::filesystem::path kGenerated = std::filesystem::path(ORVENDEL_BOOK_BUILD_DIR) / "generated";

struct StringSpan {
    uint8_t Format;
    int32_t Start;
    int32_t End;   // the terminator's offset
};

// The strings of an article, walked by its markup with the size known.
std::vector<StringSpan> StringsOf(const std::vector<uint8_t>& article) {
    std::vector<StringSpan> strings;
    size_t offset = 0;
    while (offset + 2 < article.size() && article[offset] != 0) {
        size_t end = offset + 2;
        while (end < article.size() && article[end] != 0) ++end;
        strings.push_back({article[offset], int32_t(offset + 2), int32_t(end)});
        offset = end + 1;
    }
    return strings;
}

class BookLayout : public ::testing::TestWithParam<int32_t> {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::is_directory(kGenerated / "records")) return;
        ScopedFakePorts ports;
        for (int number = 1; number <= kArticleCount; ++number) {
            const uint16_t identifier = uint16_t(kRecordIdBase + number);
            std::ifstream file(kGenerated / RecordFileName(identifier), std::ios::binary);
            ports.Records.Records[identifier] = {std::istreambuf_iterator<char>(file),
                                                 std::istreambuf_iterator<char>()};
        }
        for (int number = 1; number <= kArticleCount; ++number) {
            uint8_t* bytes = LoadRecord(number, nullptr);
            if (!bytes) {
                articles_.clear();
                return;
            }
            // The data ends in a terminator and the end marker, and the loader
            // adds two zero bytes: keep everything up to the first of those.
            size_t size = 0;
            while (!(bytes[size] == 0 && bytes[size + 1] == 0 && bytes[size + 2] == 0)) ++size;
            articles_.emplace_back(bytes, bytes + size + 3);
            PlainFree(bytes);
        }
    }
    static void TearDownTestSuite() { articles_.clear(); }

    void SetUp() override {
        if (articles_.empty()) GTEST_SKIP() << "this build has no book";
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
    }
    void TearDown() override { ClearAppSettings(); }

    static std::vector<std::vector<uint8_t>> articles_;
};
std::vector<std::vector<uint8_t>> BookLayout::articles_;
}  // namespace

TEST_P(BookLayout, EveryLetterLandsOnExactlyOneLineInsideTheView) {
    const int32_t width = GetParam();
    FakeTextDevice device;
    const Rect rectangle{10, 10, 10 + width, 10 + 560};
    const FontSpec spec = TestFontSpec(u"David CLM", 12);
    ArticleView* view = CreateArticleView(&device, &rectangle, &spec, 100);
    ASSERT_NE(view, nullptr);

    for (size_t number = 1; number <= articles_.size(); ++number) {
        std::vector<uint8_t>& article = articles_[number - 1];
        SCOPED_TRACE(testing::Message() << "article " << number);
        device.MeasureCalls = 0;
        ASSERT_EQ(LayoutSizedArticle(view, article.data(), uint32_t(article.size()), kKeepPrevious), kLayoutDone);
        ASSERT_LE(device.MeasureCalls, 4 * view->LineCount);

        std::vector<int> cover(article.size(), 0);
        int32_t paragraphEnds = 0;
        for (int32_t i = 0; i < view->LineCount; ++i) {
            const ArticleLine& line = view->Lines[i];
            ASSERT_NE(line.Format, 0);
            // Read the way drawing reads them: the main run and, on a block's
            // first line, the hanging word.
            const ByteRun main = MainRunOf(article.data(), line);
            const ByteRun word = HangingWordOf(article.data(), line);
            ASSERT_GT(main.Count + word.Count, 0);
            if (main.Count > 0) {
                const bool rightToLeft = (line.Format & kFormatRightToLeft) != 0;
                ASSERT_NE(article[size_t(main.Start + (rightToLeft ? main.Count - 1 : 0))], ' ');
            }
            ASSERT_GE(line.X - (word.Count > 0 && !(line.Format & kFormatRightToLeft) ? line.HangWidth : 0), 10);
            if (main.Count > 1) {
                ASSERT_LE(line.X + line.Width, 10 + width);
            }
            for (const ByteRun& run : {main, word})
                for (int32_t b = run.Start; b < run.Start + run.Count; ++b) ++cover[size_t(b)];
            if (line.Format & kFormatParagraphEnd) ++paragraphEnds;
        }
        ASSERT_EQ(view->Lines[view->LineCount].Format, 0);
        ASSERT_EQ(view->DisplayLineCount, view->LineCount + paragraphEnds);
        ASSERT_LE(view->MaxTopLine, view->DisplayLineCount);

        int32_t line = 0;
        for (const StringSpan& string : StringsOf(article)) {
            for (int32_t b = string.Start; b < string.End; ++b) {
                ASSERT_LE(cover[size_t(b)], 1) << "byte " << b;
                if (article[size_t(b)] != ' ') {
                    ASSERT_EQ(cover[size_t(b)], 1) << "byte " << b;
                }
            }
            // The block's lines follow each other in the table and stay in its
            // string; a right-to-left block's lines go from the string's end
            // to its start.
            int32_t previousOffset = -1;
            while (line < view->LineCount && view->Lines[line].Offset >= string.Start &&
                   view->Lines[line].Offset < string.End) {
                const ArticleLine& current = view->Lines[line];
                ASSERT_LE(current.Offset + current.Length, string.End);
                if (previousOffset >= 0 && (string.Format & kFormatRightToLeft)) {
                    ASSERT_LT(current.Offset, previousOffset);
                } else if (previousOffset >= 0) {
                    ASSERT_GT(current.Offset, previousOffset);
                }
                previousOffset = current.Offset;
                ++line;
            }
        }
        ASSERT_EQ(line, view->LineCount);
    }
    view->Text = nullptr;   // the articles stay the test's
    DestroyArticleView(view, kReleaseView);
}

INSTANTIATE_TEST_SUITE_P(Widths, BookLayout, ::testing::Values(120, 300, 760));
