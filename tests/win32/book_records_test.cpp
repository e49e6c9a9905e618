// The book embedded as resources, read back the way the program reads it:
// every record found by the resource record source and decompressed by the
// record loader; and the verse numbers' hang box measured with the Hebrew
// fonts the reader is used with.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "platform/ports.h"
#include "store/record_loader.h"
#include "platform/win32/resource_record_source.h"
#include "tests/fakes/fake_ports.h"

namespace {

struct Block {
    uint8_t Format;
    uint8_t Layout;
    std::string Text;   // display order
};

class BookRecords : public testing::Test {
protected:
    ResourceRecordSource source{GetModuleHandleW(nullptr)};
    FakeMessagePort messages;
    PlatformPorts saved = Ports;

    void SetUp() override {
        Ports.Records = &source;
        Ports.Messages = &messages;
    }
    void TearDown() override { Ports = saved; }

    // u as the record's container gives it.
    static size_t UncompressedLength(int number) {
        const uint16_t identifier = uint16_t(number + kRecordIdBase);
        HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(identifier), MAKEINTRESOURCEW(10));
        if (!resource || SizeofResource(nullptr, resource) < 10) return 0;
        const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, resource)));
        return size_t(bytes[8]) << 8 | bytes[9];
    }

    // The decompressed bytes, or empty when the loader gave nothing.
    static std::vector<uint8_t> Load(int number) {
        int32_t status = 0;
        uint8_t* buffer = LoadRecord(number, &status);
        if (!buffer) {
            ADD_FAILURE() << "record " << number << ": status " << status;
            return {};
        }
        const size_t u = UncompressedLength(number);
        EXPECT_EQ(buffer[u], 0) << "record " << number;
        std::vector<uint8_t> bytes(buffer, buffer + u);
        PlainFree(buffer);
        return bytes;
    }

    static std::vector<Block> Blocks(const std::vector<uint8_t>& bytes) {
        std::vector<Block> blocks;
        size_t i = 0;
        while (i + 2 < bytes.size() && bytes[i] != 0) {
            const auto end = std::find(bytes.begin() + i + 2, bytes.end(), uint8_t(0));
            blocks.push_back({bytes[i], bytes[i + 1], std::string(bytes.begin() + i + 2, end)});
            i = size_t(end - bytes.begin()) + 1;
        }
        return blocks;
    }
};

// Display characters of letter codes in a Unicode font.
std::wstring UnicodeLetters(const std::string& codes) {
    std::wstring text;
    for (char c : codes) text += (c >= 'a' && c <= '{') ? wchar_t(0x05D0 + (c - 'a')) : wchar_t(c);
    return text;
}

}  // namespace

TEST_F(BookRecords, AllArticlesAndTheContentsLoadFromTheProgramsResources) {
    size_t total = 0;
    for (int number = 1; number <= kArticleCount; ++number) {
        const std::vector<uint8_t> bytes = Load(number);
        ASSERT_GE(bytes.size(), 2u) << number;
        EXPECT_EQ(bytes[bytes.size() - 1], 0) << number;
        EXPECT_EQ(bytes[bytes.size() - 2], 0) << number;
        const std::vector<Block> blocks = Blocks(bytes);
        ASSERT_GE(blocks.size(), 3u) << number;
        EXPECT_EQ(blocks[0].Format, 0xD1) << number;
        EXPECT_EQ(blocks[1].Format, 0xD2) << number;
        total += bytes.size();
    }
    const std::vector<uint8_t> contents = Load(kContentsRecordNumber);
    ASSERT_GE(contents.size(), 5u);
    EXPECT_EQ(contents[0], 0xFE);   // the first division's key, little-endian
    EXPECT_EQ(contents[1], 0xBF);
    EXPECT_EQ(contents[2], 0x8C);
    EXPECT_TRUE(messages.Shown.empty());
    std::printf("book: %zu article bytes, contents %zu bytes\n", total, contents.size());

    int32_t status = 0;
    EXPECT_EQ(LoadRecord(kArticleCount + 1, &status), nullptr);
    EXPECT_EQ(status, kStatusNoRecord);
}

// The verse number hangs right-aligned in a box of (L + 1) × tmMaxCharWidth ÷ 2
// at the right edge; the widest number of the book must fit it in every Hebrew
// font tried, or it would be cut. (In the narrow faces, Miriam and Simple, the
// widest three-letter numbers leave less than a space before the verse; level
// 3 is the widest box there is.)
TEST_F(BookRecords, EveryVerseNumberFitsItsHangBoxInTheHebrewFonts) {
    std::set<std::string> numbers;
    std::set<uint8_t> layouts;
    for (int number = 1; number <= kArticleCount; ++number) {
        const std::vector<Block> blocks = Blocks(Load(number));
        for (size_t b = 2; b < blocks.size(); ++b) {
            const std::string& text = blocks[b].Text;
            // Stored in display order: the first word read is the last stored.
            numbers.insert(std::string(text.rbegin(), text.rbegin() + (text.size() - text.rfind(' ') - 1)));
            layouts.insert(blocks[b].Layout);
        }
    }
    ASSERT_EQ(layouts.size(), 1u);
    const int level = *layouts.begin() >> 6;
    ASSERT_GT(level, 0);
    EXPECT_EQ(*layouts.begin() & 0x3F, 0) << "no margin";

    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    // The Hebrew character set, so that Wine gives the Culmus faces themselves
    // (asked for with the ANSI set it replaces most of them with a Latin face).
    const wchar_t* faces[] = {L"David CLM", L"Frank Ruehl CLM", L"Miriam CLM", L"Simple CLM", L"DejaVu Sans"};
    for (const wchar_t* face : faces) {
        for (int height : {-13, -16, -21, -32}) {
            HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, HEBREW_CHARSET, 0, 0, 0, 0, face);
            HGDIOBJ previous = SelectObject(dc, font);
            wchar_t selected[LF_FACESIZE] = {};
            GetTextFaceW(dc, LF_FACESIZE, selected);
            EXPECT_STREQ(selected, face) << "the font is installed";
            TEXTMETRICW metrics = {};
            GetTextMetricsW(dc, &metrics);
            const int box = (level + 1) * metrics.tmMaxCharWidth / 2;
            SIZE space = {};
            GetTextExtentPoint32W(dc, L" ", 1, &space);
            int widest = 0;
            std::string widestNumber;
            for (const std::string& number : numbers) {
                const std::wstring text = UnicodeLetters(number);
                SIZE size = {};
                GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
                if (size.cx > widest) {
                    widest = size.cx;
                    widestNumber = number;
                }
            }
            EXPECT_LE(widest, box) << "height " << height;
            std::printf("%ls %d: tmMaxCharWidth %ld, box at level %d: %d, widest number \"%s\" %d, gap %d "
                        "(a space %ld); a level 2 box would be %ld\n",
                        face, height, metrics.tmMaxCharWidth, level, box, widestNumber.c_str(),
                        widest, box - widest, space.cx, 3 * metrics.tmMaxCharWidth / 2);
            SelectObject(dc, previous);
            DeleteObject(font);
        }
    }
    DeleteDC(dc);
}
