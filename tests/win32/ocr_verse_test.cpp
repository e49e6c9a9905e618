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
#include "settings/app_settings.h"
#include "platform/ports.h"
#include "store/record_loader.h"
#include "platform/win32/resource_record_source.h"
#include "tests/win32/support/dib_canvas.h"
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

std::string BinaryDir() {
    const char* dir = std::getenv("ORVENDEL_BINARY_DIR");
    return dir ? dir : "";
}

// A path of the Linux file system as Wine's drive Z: shows it.
std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
    return path;
}

std::string ReadFile(const std::wstring& path) {
    std::string bytes;
    FILE* in = _wfopen(path.c_str(), L"rb");
    if (!in) return bytes;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, in)) > 0) bytes.append(chunk, n);
    fclose(in);
    return bytes;
}

std::u16string FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return std::u16string(wide.begin(), wide.end());
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// Runs tesseract on the picture at imageUnixPath and returns what it read, or
// sets failure to why it could not. Wine starts a Linux program without a
// process handle to wait on, so a shell runs the recogniser and then writes its
// exit status into a file of its own, which is polled for.
std::u16string Recognise(const std::string& imageUnixPath, std::string* failure) {
    const std::string outBase = imageUnixPath + ".ocr";
    const std::string statusFile = outBase + ".status";
    if (GetFileAttributesW(L"Z:\\usr\\bin\\tesseract") == INVALID_FILE_ATTRIBUTES) {
        *failure = "tesseract is not installed (tools/setup.sh installs tesseract-ocr-heb)";
        return {};
    }
    DeleteFileW(WinePath(outBase + ".txt").c_str());
    DeleteFileW(WinePath(statusFile).c_str());
    // Page segmentation 7: the picture holds one line of text.
    const std::string script = "/usr/bin/tesseract '" + imageUnixPath + "' '" + outBase +
                               "' -l heb --psm 7 >'" + outBase + ".log' 2>&1; echo $? >'" +
                               statusFile + ".part' && mv '" + statusFile + ".part' '" +
                               statusFile + "'";
    std::wstring command = L"sh -c \"" + Widen(script) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        *failure = "the shell could not be started, error " + std::to_string(GetLastError());
        return {};
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::string status;
    for (int waited = 0; status.empty() && waited < 120000; waited += 100) {
        Sleep(100);
        status = ReadFile(WinePath(statusFile));
    }
    if (status.empty()) {
        *failure = "tesseract did not finish within two minutes";
        return {};
    }
    if (status != "0\n") {
        *failure = "tesseract failed: " + ReadFile(WinePath(outBase + ".log"));
        return {};
    }
    return FromUtf8(ReadFile(WinePath(outBase + ".txt")));
}

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
        std::u16string read = Recognise(image, &failure);
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
    ASSERT_STREQ(face, reinterpret_cast<const wchar_t*>(kFace)) << "the font is not installed";
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
