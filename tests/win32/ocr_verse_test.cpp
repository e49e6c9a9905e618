// Hebrew text recognition reads back what the GDI text device draws: a verse
// stored in display order comes out in reading order, word for word. The
// recogniser (tesseract) is a Linux program; Wine starts it like any other
// process, and it reads the picture from the build tree.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/allocation.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "platform/ports.h"
#include "store/record_loader.h"
#include "platform/win32/resource_record_source.h"
#include "tests/win32/support/dib_canvas.h"
#include "tests/win32/support/hebrew_ocr.h"
#include "tests/win32/support/hebrew_text.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

// A face that has Hebrew letters and that Wine gives for character set 0 (the
// Culmus faces other than Simple CLM lack it and are replaced by a Latin face).
const char16_t kFace[] = u"DejaVu Sans";

// Genesis 1:1 without points, in reading order.
const char16_t kGenesis1v1[] = u"בראשית ברא אלהים את השמים ואת הארץ";

class OcrVerse : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
        ASSERT_FALSE(BinaryDir().empty()) << "ORVENDEL_BINARY_DIR names the build tree";
        CreateDirectoryW(WinePath(BinaryDir() + "/ocr").c_str(), nullptr);
    }
    void TearDown() override { ClearAppSettings(); }

    // Writes the area of canvas as ocr/<name>.bmp in the build tree and
    // returns what tesseract reads in it.
    std::u16string ReadLine(const DibCanvas& canvas, const Rect& area, const std::string& name) {
        const std::string image = BinaryDir() + "/ocr/" + name + ".bmp";
        EXPECT_TRUE(canvas.SaveBmp(WinePath(image), area));
        std::string failure;
        std::u16string read = RecogniseHebrew(image, kOcrSingleLine, &failure);
        EXPECT_TRUE(failure.empty()) << failure;
        return read;
    }

    void ExpectGenesis1v1(const std::u16string& read) {
        // Recognition may miss a letter here and there; the words it does read
        // must follow one another as the verse has them.
        std::vector<std::u16string> found = HebrewWords(read);
        EXPECT_GE(WordsFoundInOrder(HebrewWords(kGenesis1v1), found), 5) << ToUtf8(read);
        EXPECT_EQ(WordsFoundInOrder(HebrewWords(u"בראשית ברא אלהים"), found), 3) << ToUtf8(read);
    }
};

TEST_F(OcrVerse, VerseStoredInDisplayOrderReadsInReadingOrder) {
    std::vector<uint8_t> display = DisplayOrderLetterCodes(kGenesis1v1);
    const char16_t* units = LettersToDisplay(display.data(), int32_t(display.size()), nullptr);
    ASSERT_NE(units, nullptr);
    // Stored order: the verse's last letter (final tsadi) comes first.
    EXPECT_EQ(units[0], u'ץ');

    DibCanvas canvas(1500, 160);
    ASSERT_TRUE(canvas.Valid());
    GdiTextDevice device(canvas.Dc());
    FontHandle font = device.MakeFont(kFace, -56, 400);
    FontHandle previous = device.SelectFont(font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(canvas.Dc(), LF_FACESIZE, face);
    ASSERT_STREQ(face, AsWide(kFace)) << "the font is not installed";
    device.DrawRunCentred(units, int32_t(display.size()), Rect{0, 0, 1500, 160});
    device.SelectFont(previous);
    device.DeleteFont(font);
    PlainFree(const_cast<char16_t*>(units));

    ExpectGenesis1v1(ReadLine(canvas, Rect{0, 0, 1500, 160}, "genesis_1_1_run"));
}

// The book's first article, laid out and drawn by the view as the program
// shows it: the line of its first verse reads as Genesis 1:1.
TEST_F(OcrVerse, FirstVerseOfTheBookReadsInReadingOrder) {
    ResourceRecordSource records(GetModuleHandleW(nullptr));
    PlatformPorts saved = Ports;
    Ports.Records = &records;
    std::memcpy(AppSettings.Font.FontName, kFace, sizeof kFace);
    AppSettings.Font.FontSize = 28;

    const Rect viewRect{20, 20, 1580, 880};
    DibCanvas canvas(1600, 900);
    GdiTextDevice device(canvas.Dc());
    ArticleView* view = CreateArticleView(&device, &viewRect, &AppSettings.Font, 100);
    ASSERT_NE(view, nullptr);
    uint8_t* article = LoadRecord(1, nullptr);
    ASSERT_NE(article, nullptr);
    ASSERT_EQ(LayoutArticle(view, article, kReleasePrevious), kLayoutDone);
    ASSERT_EQ(DrawArticleView(view, kErase), 0);

    // The title, the verse range, then the first verse's line with its number
    // hanging at the right.
    int32_t y = view->Top;
    const ArticleLine* line = view->Lines;
    for (int i = 0; i < 2; ++i, ++line) y += line->Height * ((line->Format & kFormatParagraphEnd) ? 2 : 1);
    ASSERT_NE(line->HangWidth, 0);
    Rect verse{line->X - 8, y, line->X + line->Width + 8, y + line->Height};
    ExpectGenesis1v1(ReadLine(canvas, verse, "genesis_1_1_article"));

    DestroyArticleView(view, kReleaseView);
    Ports = saved;
}

}  // namespace
