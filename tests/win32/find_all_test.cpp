// Find All (Ctrl+L) in the real reader, as a user works it: the stored
// pattern's hits counted at once, a typed letter counting again, Down and
// Enter going to the second hit exactly where the second Search Again from
// the book's start stops, F3 going on to the third, Escape changing nothing,
// and a row's reference read off the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "search/search_pattern.h"
#include "settings/app_settings.h"
#include "tests/win32/support/article_view_rect.h"
#include "tests/win32/support/hebrew_ocr.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/linux_command.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/scoped_resource_records.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"
#include "verses/book_hits.h"
#include "verses/display_order.h"
#include "verses/verse_reference.h"
#include "view/letter_codes.h"

namespace {

constexpr wchar_t kFindAllCaption[] = L"Find All";
constexpr uint32_t kHitYellow = 0xFFFF00;
constexpr uint32_t kBoxRed = 0xFF0000;

class FindAll : public ReaderTest {
protected:
    void SetUp() override {
        ReaderTest::SetUp();
        ScopedResourceRecords records;
        ASSERT_TRUE(BuildVerseIndex(&index_));
        ASSERT_TRUE(LoadBookText(&text_));
        AppSettings.Font.FontAsciiBase = kUnicodeBase;   // the standard settings' letters
    }

    void LaunchOnArticleOneWith(const std::u16string& readingOrder) {
        std::vector<uint8_t> pattern = DisplayOrderLetterCodes(readingOrder);
        pattern.push_back(0);
        WriteSettingBinary(kValueSearchString, pattern);
        WriteSettingDword(kValueLesson, 1);
        WriteSettingDword(kValueLastPosition, 0);
        LaunchReader();
    }
    HWND OpenFindAll() {
        EXPECT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'L'}));
        HWND dialog = WaitForProgramDialog(reader.ProcessId(), kFindAllCaption);
        EXPECT_NE(dialog, nullptr) << "Ctrl+L did not open Find All";
        EXPECT_TRUE(WaitUntilHandled(Window()));
        return dialog;
    }
    void Keys(HWND window, std::initializer_list<WORD> chord) {
        ASSERT_TRUE(TypeKeys(window, chord));
        ASSERT_TRUE(WaitUntilInputHandled(Window()));
    }
    // The hits of what the field holds, as the model lists them.
    const HitList& HitsOfField(HWND dialog) {
        const std::wstring shown = WindowText(GetDlgItem(dialog, IDC_FIND_FIELD));
        const std::u16string units(shown.begin() + 1, shown.end());   // past the order mark
        uint8_t pattern[kPatternMaxLength + 1] = {};
        ConvertPatternInto(units.c_str(), pattern);
        FindAllHits(text_, index_, pattern, &list_);
        return list_;
    }
    std::wstring Status(HWND dialog) { return WindowText(GetDlgItem(dialog, IDC_FIND_STATUS)); }
    static std::wstring Wide(const std::string& latin) { return std::wstring(latin.begin(), latin.end()); }

    // The right part of a list row, where its reference stands, as the
    // dialog shows it.
    Capture ReferenceOfRow(HWND dialog, HWND list, int row) {
        const Capture whole = CaptureClientArea(dialog);
        RECT area{};
        GetClientRect(list, &area);
        MapWindowPoints(list, dialog, reinterpret_cast<POINT*>(&area), 2);
        const int height = int(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        const int top = area.top + (row - int(SendMessageW(list, LB_GETTOPINDEX, 0, 0))) * height;
        Capture part;
        part.Width = int(area.right - area.left) * 2 / 5;
        part.Height = height;
        for (int y = top; y < top + height; ++y)
            for (int x = area.right - part.Width; x < area.right; ++x) part.Pixels.push_back(whole.At(x, y));
        return part;
    }
    int CountPixels(const Capture& capture, int top, int bottom, uint32_t colour) {
        int n = 0;
        for (int y = top; y < bottom && y < capture.Height; ++y)
            for (int x = 0; x < capture.Width; ++x) n += capture.At(x, y) == colour;
        return n;
    }

    VerseIndex index_;
    BookText text_;
    HitList list_{};
};

}  // namespace

TEST_F(FindAll, CountsAsYouTypeGoesToTheChosenHitAsSearchAgainWouldAndEscapeChangesNothing) {
    LaunchOnArticleOneWith(u"אלהים");
    const Capture before = CaptureClientArea(Window());

    // The stored pattern is counted at once; a letter typed counts again.
    HWND dialog = OpenFindAll();
    ASSERT_NE(dialog, nullptr);
    const HitList& stored = HitsOfField(dialog);
    const std::string storedCount = HitCountText(stored);
    ASSERT_GT(stored.Hits.size(), 1000u);
    EXPECT_EQ(Status(dialog), Wide(storedCount));
    HWND list = GetDlgItem(dialog, IDC_FIND_LIST);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), LRESULT(HitRowCount(stored)));
    Keys(dialog, {'V'});   // ה
    const std::string typedCount = HitCountText(HitsOfField(dialog));
    EXPECT_NE(typedCount, storedCount);
    EXPECT_EQ(Status(dialog), Wide(typedCount));
    // A list far longer than the window: Ctrl+End and Page Up from the field.
    const LRESULT rows = SendMessageW(list, LB_GETCOUNT, 0, 0);
    ASSERT_EQ(rows, LRESULT(HitRowCount(list_)));
    Keys(dialog, {VK_CONTROL, VK_END});
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), rows - 1);
    Keys(dialog, {VK_PRIOR});
    const LRESULT pageUp = SendMessageW(list, LB_GETCURSEL, 0, 0);
    EXPECT_LT(pageUp, rows - 2);
    EXPECT_GE(SendMessageW(list, LB_GETTOPINDEX, 0, 0), pageUp - 1);
    SaveCaptureAsBmp(CaptureClientArea(dialog), WinePath(TestFilesDir("find_all") + "/long_list.bmp"));

    // Escape: the article, its place and the stored pattern stay.
    Keys(dialog, {VK_ESCAPE});
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    ASSERT_TRUE(WaitUntilHandled(Window()));
    EXPECT_EQ(CaptureClientArea(Window()).Pixels, before.Pixels);

    // Down selects the second hit, whose row names its verse.
    dialog = OpenFindAll();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Status(dialog), Wide(storedCount)) << "Escape changed the stored pattern";
    list = GetDlgItem(dialog, IDC_FIND_LIST);
    const std::vector<BookHit> hits = HitsOfField(dialog).Hits;
    Keys(dialog, {VK_DOWN});
    const int row = int(SendMessageW(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(row, int(RowOfHit(list_, 1)));
    std::string failure;
    const std::u16string read = RecogniseHebrewLine(ReferenceOfRow(dialog, list, row), "find_all_row", 4, &failure);
    ASSERT_TRUE(failure.empty()) << failure;
    const std::string letters = FormatReference(index_, HitVerse(text_, index_, hits[1]));
    std::u16string bookName;
    for (char c : letters.substr(0, letters.find(' '))) bookName += char16_t(0x05D0 + (uint8_t(c) - kFirstLetterCode));
    EXPECT_EQ(WordsFoundInOrder({bookName}, HebrewWords(read)), 1) << ToUtf8(read);

    // Enter: the second hit shown as the second Search Again from the book's
    // start shows it, and F3 goes on to the third as it does there.
    Keys(dialog, {VK_RETURN});
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    ASSERT_TRUE(WaitUntilHandled(Window()));
    const Capture second = CaptureClientArea(Window());
    const int band = second.Height - 80;
    EXPECT_GT(CountPixels(second, 0, band, kHitYellow), 20) << "no hit highlighted";
    EXPECT_GT(CountPixels(second, band, second.Height, kBoxRed), 100) << "no location box";
    Keys(Window(), {VK_F3});
    const Capture third = CaptureClientArea(Window());
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), hits[2].Article);

    LaunchOnArticleOneWith(u"אלהים");
    Keys(Window(), {VK_F3});
    Keys(Window(), {VK_F3});
    EXPECT_EQ(CaptureClientArea(Window()).Pixels, second.Pixels) << "not where Search Again stops second";
    Keys(Window(), {VK_F3});
    EXPECT_EQ(CaptureClientArea(Window()).Pixels, third.Pixels) << "not where Search Again stops third";
}
