// Contents buffers written by hand, and a test of one index list on the fake
// device with letters drawn as their own bytes; it leaves the global state
// and allocation as it found them.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "tests/fakes/fake_text_device.h"
#include "toc/contents.h"
#include "toc/index_view.h"

class ContentsBuilder {
public:
    ContentsBuilder& Entry(uint16_t key, uint8_t flags, uint8_t level, const std::string& title) {
        bytes_.push_back(uint8_t(key & 0xFF));
        bytes_.push_back(uint8_t(key >> 8));
        bytes_.push_back(flags);
        bytes_.push_back(level);
        bytes_.insert(bytes_.end(), title.begin(), title.end());
        bytes_.push_back(0);
        return *this;
    }
    ContentsBuilder& Section(uint16_t id, uint8_t flags, uint8_t level, const std::string& title) {
        return Entry(uint16_t(0xBFFE - id), flags, level, title);
    }
    ContentsBuilder& Article(uint16_t number, uint8_t level, const std::string& title) {
        return Entry(ArticleKey(number), 0x01, level, title);
    }
    // The bytes with the end entry.
    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> all = bytes_;
        all.insert(all.end(), 5, 0);
        return all;
    }
    // A copy the caller (or the view it is given to) owns.
    uint8_t* Owned() const { return Copy(Bytes()); }
    static uint8_t* Copy(const std::vector<uint8_t>& bytes) {
        auto* copy = static_cast<uint8_t*>(PlainAlloc(bytes.size()));
        std::memcpy(copy, bytes.data(), bytes.size());
        return copy;
    }

private:
    std::vector<uint8_t> bytes_;
};

// Letters map to themselves at this base, so drawn text reads as the bytes.
constexpr int32_t kIndexSelfBase = 97;
// The list area: 200 wide and 100 high at (10, 5). With FontSize 0 a normal
// row is 16 high on the fake device, a large one 24.
constexpr Rect kListArea{10, 5, 210, 105};
constexpr uint16_t kNormalRow = 16;
constexpr uint16_t kLargeRow = 24;

class IndexFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kIndexSelfBase;
        for (int i = 0; i < 3; ++i) AppSettings.GlyphBitmaps[i] = &glyphs[i];
        view = CreateIndexView(&device, &kListArea, &AppSettings.Font, kIndexViewCapacity);
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override {
        FailAllocationAfter(-1);
        DestroyIndexView(view, kReleaseView);
        PlainFree(AppSettings.Bookmarks);
        ClearAppSettings();
    }

    int32_t Lay(const ContentsBuilder& contents) { return LayoutIndex(view, contents.Owned(), kReleasePrevious); }
    std::string RowText(int32_t i) const {
        const IndexRow& row = view->Rows[i];
        return std::string(reinterpret_cast<const char*>(view->Contents) + row.TextOffset,
                           row.TextLength);
    }
    // The texts of the shown rows, top to bottom.
    std::vector<std::string> ShownTexts() const {
        std::vector<std::string> texts;
        for (int32_t i = 0; i < view->RowCount; ++i)
            if (view->Rows[i].Flags & kEntryShown) texts.push_back(RowText(i));
        return texts;
    }
    IndexRow* RowWithText(const std::string& text) {
        for (int32_t i = 0; i < view->RowCount; ++i)
            if (RowText(i) == text) return &view->Rows[i];
        return nullptr;
    }
    void SetBookmarks(const std::vector<uint16_t>& numbers) {
        PlainFree(AppSettings.Bookmarks);
        auto* list = static_cast<uint16_t*>(PlainAlloc((numbers.size() + 1) * sizeof(uint16_t)));
        for (size_t i = 0; i < numbers.size(); ++i) list[i] = numbers[i];
        list[numbers.size()] = 0;
        AppSettings.Bookmarks = list;
        AppSettings.BookmarkCount = uint16_t(numbers.size());
    }

    int glyphs[3] = {};   // stand-ins for the three glyph bitmaps
    FakeTextDevice device;
    IndexView* view = nullptr;
};

// A small book: two divisions (the first with two chapters), shown large and
// bold, chapters and articles hidden until opened.
inline ContentsBuilder SmallBook() {
    ContentsBuilder book;
    book.Section(0, 0x8C, 1, "da")
        .Section(1, 0x01, 2, "ca")
        .Article(1, 3, "aa")
        .Article(2, 3, "ab")
        .Section(4, 0x01, 2, "cb")
        .Article(3, 3, "ac")
        .Section(6, 0x8C, 1, "db")
        .Section(7, 0x01, 2, "cc")
        .Article(4, 3, "ad");
    return book;
}
