// Go to Verse (Ctrl+G), the verse mark, Copy Verse (Ctrl+Shift+C) and the
// article's context menu in the real reader, as a user meets them: a
// reference typed on the Latin keyboard, the article and the marked verse at
// the top of the page, the quote on the clipboard and in a word processor.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/win32/support/article_view_rect.h"
#include "tests/win32/support/clipboard_contents.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/linux_command.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/scoped_resource_records.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/window_capture.h"
#include "tests/win32/support/window_input.h"
#include "verses/verse_quote.h"
#include "verses/verse_reference.h"

namespace {
constexpr wchar_t kGoToVerseCaption[] = L"Go to Verse";
constexpr uint32_t kMarkPixel = 0xCCE4FF;      // the mark's pale blue, as 0x00RRGGBB

// The keys of the Hebrew layout for "בראשית".
const std::vector<std::vector<WORD>> kGenesisKeys = {{'C'}, {'R'}, {'T'}, {'A'}, {'H'}, {VK_OEM_COMMA}};

class VerseCommands : public ReaderTest {
protected:
    void SetUp() override {
        ReaderTest::SetUp();
        ASSERT_TRUE(EmptyTheClipboard());
        ScopedResourceRecords records;
        ASSERT_TRUE(BuildVerseIndex(&index_));
    }

    void StartOn(int article) {
        WriteSettingDword(kValueLesson, article);
        LaunchReader();
    }
    void Keys(HWND window, const std::vector<std::vector<WORD>>& chords) {
        for (const auto& chord : chords) {
            switch (chord.size()) {
                case 1: ASSERT_TRUE(TypeKeys(window, {chord[0]})); break;
                case 2: ASSERT_TRUE(TypeKeys(window, {chord[0], chord[1]})); break;
                default: ASSERT_TRUE(TypeKeys(window, {chord[0], chord[1], chord[2]})); break;
            }
        }
        ASSERT_TRUE(WaitUntilInputHandled(Window()));
    }
    // Ctrl+G, then the keys typed into the dialog.
    HWND TypeReference(const std::vector<std::vector<WORD>>& keys) {
        Keys(Window(), {{VK_CONTROL, 'G'}});
        HWND dialog = WaitForProgramDialog(reader.ProcessId(), kGoToVerseCaption);
        EXPECT_NE(dialog, nullptr) << "Ctrl+G did not open Go to Verse";
        if (!dialog) return nullptr;
        Keys(dialog, keys);
        return dialog;
    }
    // Pixels of the mark on the view's line at y (client coordinates).
    int MarkedPixelsAt(int y) {
        const Capture capture = CaptureClientArea(Window());
        const RECT view = ArticleViewRect(Window());
        int marked = 0;
        for (int x = view.left; x < view.right && x < capture.Width; ++x)
            if (capture.At(x, y) == kMarkPixel) ++marked;
        return marked;
    }
    int TopLineMarks() { return MarkedPixelsAt(ArticleViewRect(Window()).top + 3); }

    std::u16string Quote(uint8_t book, uint8_t chapter, uint16_t first, uint16_t last) {
        ScopedResourceRecords records;
        return QuoteVerses(index_, VerseSpan{book, chapter, first, last});
    }
    uint16_t ArticleOf(uint8_t book, uint8_t chapter, uint16_t verse) {
        return ArticleHoldingVerse(index_, book, chapter, verse);
    }
    void CopyVerseKeys() { Keys(Window(), {{VK_CONTROL, VK_SHIFT, 'C'}}); }
    // The context menu at the screen point, or as Shift+F10 opens it, and its
    // first item, Copy Verse, chosen with the keys.
    static constexpr LPARAM kTypedShiftF10 = -1;
    void ChooseCopyVerseFromTheMenu(LPARAM point) {
        if (point == kTypedShiftF10)
            Keys(Window(), {{VK_SHIFT, VK_F10}});
        else
            PostMessageW(Window(), WM_CONTEXTMENU, WPARAM(Window()), point);
        HWND menu = nullptr;
        for (int i = 0; i < 100 && !menu; ++i, Sleep(50)) {
            menu = FindWindowW(L"#32768", nullptr);
            if (menu && !IsWindowVisible(menu)) menu = nullptr;
        }
        ASSERT_NE(menu, nullptr) << "no context menu";
        Keys(Window(), {{VK_DOWN}, {VK_RETURN}});
        ASSERT_TRUE(WaitUntilHandled(Window()));
    }

    VerseIndex index_;
};
}  // namespace

TEST_F(VerseCommands, LatinKeysGoToTheVerseWhichIsMarkedAtTheTopAndCopiedWithItsReference) {
    StartOn(1);
    // "בראשית ה, כא": the comma is the apostrophe key of the Hebrew layout.
    std::vector<std::vector<WORD>> keys = kGenesisKeys;
    keys.insert(keys.end(), {{VK_SPACE}, {'V'}, {VK_OEM_7}, {VK_SPACE}, {'F'}, {'T'}, {VK_RETURN}});
    HWND dialog = TypeReference(keys);
    ASSERT_TRUE(WaitForDialogToClose(dialog)) << "Enter did not go";
    ASSERT_TRUE(WaitUntilHandled(Window()));

    const WindowState state = Observe(IDM_BOOKMARK);
    EXPECT_GT(state.ScrollPos, 0) << "verse 21 is not the article's first line";
    EXPECT_GT(TopLineMarks(), 100) << "the verse at the top is not marked";
    SaveCaptureAsBmp(CaptureClientArea(Window()), WinePath(TestFilesDir("verses") + "/marked_verse.bmp"));

    CopyVerseKeys();
    EXPECT_EQ(ClipboardUnicodeText().value_or(u""), u"ויחי חנוך חמש וששים שנה ויולד את-מתושלח: (בראשית ה, כא)");
    EXPECT_EQ(PlacedClipboardFormats(), (std::vector<UINT>{CF_UNICODETEXT, RichTextFormat()}));

    // The mark survives Reverse and a repaint; the next layout clears it.
    SendCommand(Window(), IDM_REVERSE);
    InvalidateRect(Window(), nullptr, TRUE);
    ASSERT_TRUE(WaitUntilHandled(Window()));
    EXPECT_GT(TopLineMarks(), 100);
    SendCommand(Window(), IDM_REVERSE);
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), ArticleOf(0, 5, 21));
}

TEST_F(VerseCommands, EscapeChangesNothingAndABadReferenceKeepsTheDialogOpen) {
    StartOn(1);
    const int top = TopLine();
    std::vector<std::vector<WORD>> keys = kGenesisKeys;
    keys.insert(keys.end(), {{VK_SPACE}, {'B'}, {'T'}, {VK_RETURN}});   // "בראשית נא": 50 chapters
    HWND dialog = TypeReference(keys);
    ASSERT_NE(dialog, nullptr);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Enter went to a chapter the book does not have";
    // The line says what is wrong, in its red.
    const Capture line = CaptureClientArea(dialog);
    SaveCaptureAsBmp(line, WinePath(TestFilesDir("verses") + "/bad_reference.bmp"));
    int red = 0;
    for (uint32_t pixel : line.Pixels)
        if (Red(pixel) > Green(pixel) + 60 && Red(pixel) > Blue(pixel) + 60) ++red;
    EXPECT_GT(red, 20) << "the line shows no answer";

    Keys(dialog, {{VK_ESCAPE}});
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    EXPECT_EQ(TopLine(), top);
    EXPECT_EQ(TopLineMarks(), 0);
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), 1u);
}

TEST_F(VerseCommands, CopyVerseTakesTheSearchHitsVerseOrTheTopVerse) {
    // Nothing marked, no hit: the first verse at the top.
    StartOn(1);
    CopyVerseKeys();
    EXPECT_EQ(ClipboardUnicodeText().value_or(u""), u"בראשית ברא אלהים את השמים ואת הארץ: (בראשית א, א)");
    CloseReader();

    // "מתושלח" (stored in display order) is first found in Genesis 5:21.
    WriteSettingBinary(kValueSearchString, {'h', 'm', 'z', 'f', '{', 'o', 0});
    StartOn(1);
    Keys(Window(), {{VK_F3}});
    ASSERT_EQ(Observe().ScrollPos >= 0, true);
    CopyVerseKeys();
    EXPECT_EQ(ClipboardUnicodeText().value_or(u""), Quote(0, 5, 21, 21));
    CloseReader();
}

TEST_F(VerseCommands, ARightClickMarksTheVerseAndItsMenuCopiesIt) {
    StartOn(1);
    const int top = TopLine();
    const RECT view = ArticleViewRect(Window());
    POINT at{(view.left + view.right) / 2, view.top + (view.bottom - view.top) * 2 / 3};
    ClientToScreen(Window(), &at);
    ChooseCopyVerseFromTheMenu(MAKELPARAM(at.x, at.y));

    POINT client = at;
    ScreenToClient(Window(), &client);
    EXPECT_GT(MarkedPixelsAt(client.y), 100) << "the clicked verse is not marked";
    EXPECT_EQ(TopLine(), top) << "a right click paged";
    const std::u16string copied = ClipboardUnicodeText().value_or(u"");
    const size_t open = copied.rfind(u" (בראשית א, ");
    ASSERT_NE(open, std::u16string::npos) << "no verse of Genesis 1 was copied";
    bool found = false;
    for (uint16_t v = 2; v <= 31 && !found; ++v) found = copied == Quote(0, 1, v, v);
    EXPECT_TRUE(found) << "the copy is no verse's quote";

    // Shift+F10: the first verse at the top of the page.
    ChooseCopyVerseFromTheMenu(kTypedShiftF10);
    EXPECT_EQ(ClipboardUnicodeText().value_or(u""), Quote(0, 1, 1, 1));
    CloseReader();
}

TEST_F(VerseCommands, AWordProcessorReadsAQuotedRangeInReadingOrderWithItsReference) {
    StartOn(1);
    // "בראשית א, א-ג"
    std::vector<std::vector<WORD>> keys = kGenesisKeys;
    keys.insert(keys.end(), {{VK_SPACE}, {'T'}, {VK_OEM_7}, {VK_SPACE}, {'T'}, {VK_OEM_MINUS}, {'D'}, {VK_RETURN}});
    HWND dialog = TypeReference(keys);
    ASSERT_TRUE(WaitForDialogToClose(dialog)) << "Enter did not go";
    CopyVerseKeys();
    const std::u16string quote = Quote(0, 1, 1, 3);
    EXPECT_EQ(ClipboardUnicodeText().value_or(u""), quote);

    const std::string files = TestFilesDir("verses");
    ASSERT_FALSE(files.empty());
    const std::string path = files + "/range.rtf";
    ASSERT_TRUE(WriteWholeFile(WinePath(path), ClipboardRichText().value_or("")));
    std::string text, failure;
    ASSERT_TRUE(WordProcessorText(path, &text, &failure)) << failure;
    std::vector<std::u16string> read, expected;
    std::u16string line;
    for (char16_t unit : FromUtf8(text) + u"\n") {
        if (unit == u'\n') {
            if (!line.empty()) read.push_back(line);
            line.clear();
        } else if (unit != u'\r') {
            line += unit;
        }
    }
    for (char16_t unit : quote + u"\n") {
        if (unit == u'\n') {
            if (!line.empty()) expected.push_back(line);
            line.clear();
        } else if (unit != u'\r') {
            line += unit;
        }
    }
    EXPECT_EQ(read, expected);
    ASSERT_EQ(expected.size(), 4u);
    EXPECT_EQ(expected.back(), u"(בראשית א, א-ג)");
    CloseReader();
}
