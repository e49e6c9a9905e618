// File > Print as a user works it, on a real print queue: CUPS with a PDF
// printer (tools/cups-session.sh). The PDF that comes out is read back with
// poppler and the Hebrew recogniser: its pages are the ones the page loop
// predicts for that printer, each with its header, footer and number, and
// every verse is there once, in order. Cancelling prints nothing; without a
// printer the reader says so and keeps running; the printer and margins come
// back at the next Print, also after a restart.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "output/article_printing.h"
#include "output/page_setup_errors.h"
#include "platform/maker_site.h"
#include "resources/resource_ids.h"
#include "tests/win32/support/hebrew_text.h"
#include "tests/win32/support/print_prediction.h"
#include "tests/win32/support/printed_pdf.h"
#include "tests/win32/support/program_dialogs.h"
#include "tests/win32/support/reader_test.h"
#include "tests/win32/support/settings_registry.h"
#include "tests/win32/support/standard_settings.h"
#include "tests/win32/support/linux_command.h"
#include "tests/win32/support/window_input.h"

namespace {

// Wine's page setup dialog is captioned so.
constexpr wchar_t kPageSetupCaption[] = L"Setup Page";
constexpr DWORD kPdfTimeoutMs = 90000;
// Genesis 1: two pages on the PDF printer with the standard font.
constexpr int kTwoPageArticle = 1;

// The text without the directional marks pdftotext puts around runs.
std::u16string WithoutMarks(const std::u16string& text) {
    std::u16string plain;
    for (char16_t c : text)
        if (!(c >= 0x202A && c <= 0x202E) && c != 0x200E && c != 0x200F) plain += c;
    return plain;
}

bool Contains(const std::u16string& text, const std::u16string& part) {
    return text.find(part) != std::u16string::npos;
}

bool IsHebrewLetters(const std::u16string& word) {
    if (word.empty()) return false;
    for (char16_t c : word)
        if (c < 0x05D0 || c > 0x05EA) return false;
    return true;
}

// The verse numbers of a page laid out as printed (pdftotext -layout): the
// rightmost column of a line that has text beside it.
std::vector<std::u16string> PrintedVerseNumbers(const std::u16string& layoutText) {
    std::vector<std::u16string> numbers;
    size_t start = 0;
    while (start < layoutText.size()) {
        size_t end = layoutText.find(u'\n', start);
        if (end == std::u16string::npos) end = layoutText.size();
        std::u16string line = WithoutMarks(layoutText.substr(start, end - start));
        start = end + 1;
        while (!line.empty() && (line.back() == u' ' || line.back() == u'\r')) line.pop_back();
        const size_t gap = line.rfind(u"  ");
        if (gap == std::u16string::npos) continue;
        const std::u16string last = line.substr(gap + 2);
        const bool textBeside = line.find_first_not_of(u' ') < gap;
        if (textBeside && IsHebrewLetters(last) && last.size() <= 4) numbers.push_back(last);
    }
    return numbers;
}

void DeleteAllValues(HKEY root, const wchar_t* path) {
    HKEY key;
    if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    wchar_t name[256];
    DWORD length = 256;
    while (RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        RegDeleteValueW(key, name);
        length = 256;
    }
    RegCloseKey(key);
}

// Wine's own list of printers, which it keeps from the last time it reached
// CUPS: without it, and without CUPS, there is no printer at all. Wine brings
// the list up to date from CUPS in the first process that loads its spooler
// library while no other process of the session has it loaded; this test
// program loads it first, so a reader started later finds only the list as
// it is left here.
void RemoveWinePrinters() {
    LoadLibraryW(L"winspool.drv");
    HKEY printers;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Print\\Printers", 0,
                      KEY_ALL_ACCESS, &printers) == ERROR_SUCCESS) {
        wchar_t name[256];
        DWORD length = 256;
        while (RegEnumKeyExW(printers, 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS) {
            if (RegDeleteTreeW(printers, name) != ERROR_SUCCESS) break;
            length = 256;
        }
        RegCloseKey(printers);
    }
    DeleteAllValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Devices");
    DeleteAllValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\PrinterPorts");
    HKEY windows;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", 0,
                      KEY_ALL_ACCESS, &windows) == ERROR_SUCCESS) {
        RegDeleteValueW(windows, L"device");
        RegCloseKey(windows);
    }
}

// A message of the page-setup table, "Unknown Error" or "Printer Initialitazion failed!".
bool IsPrintFailureMessage(const std::wstring& text) {
    const std::u16string message(text.begin(), text.end());
    if (message == kUnknownPrintError || message == kPrinterFailedMessage) return true;
    for (uint32_t code = 1; code <= 0xFFFF; ++code) {
        const char16_t* known = PageSetupErrorMessage(code);
        if (known && message == known) return true;
    }
    return false;
}

class Printing : public ReaderTest {
private:
    std::vector<std::string> printed_;

protected:
    void SetUp() override {
        ReaderTest::SetUp();
        ASSERT_FALSE(PdfDirectory().empty())
            << "no print queue for this run: the test needs the cups fixture (tools/cups-session.sh)";
    }
    // The PDFs this test printed are read; they do not pile up in the queue's folder.
    void TearDown() override {
        for (const std::string& pdf : printed_) DeleteFileW(WinePath(pdf).c_str());
    }

    HWND OpenPageSetup() {
        EXPECT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'P'}));
        return WaitForProgramDialog(reader.ProcessId(), kPageSetupCaption, 15000);
    }

    // Ctrl+P, OK in page setup, and the PDF that came out of it.
    std::string PrintWithOk() {
        const std::set<std::string> before = PdfFiles();
        HWND dialog = OpenPageSetup();
        EXPECT_NE(dialog, nullptr) << "Ctrl+P opened no page setup";
        if (!dialog) return {};
        EXPECT_TRUE(PressDialogButton(dialog, IDOK));
        std::string pdf = WaitForNewPdf(before, kPdfTimeoutMs);
        EXPECT_FALSE(pdf.empty()) << "no PDF came out of the print queue";
        if (!pdf.empty()) printed_.push_back(pdf);
        return pdf;
    }

    int Predicted(int article) {
        std::string failure;
        const int pages = PredictedPages(article, kStandardFontName, kStandardFontSize, &failure);
        EXPECT_GT(pages, 0) << failure;
        return pages;
    }

    std::u16string PageText(const std::string& pdf, int page, bool layout = false) {
        std::string failure;
        std::u16string text = layout ? PdfLayoutText(pdf, page, &failure) : PdfPageText(pdf, page, &failure);
        EXPECT_TRUE(failure.empty()) << failure;
        return text;
    }
};

TEST_F(Printing, TheArticleComesOutOnThePagesThePageLoopPredicts) {
    WriteSettingDword(kValueLesson, kTwoPageArticle);
    LaunchReader();
    const int topLine = TopLine();
    const std::string pdf = PrintWithOk();
    ASSERT_FALSE(pdf.empty());

    const PdfInfo info = ReadPdfInfo(pdf);
    EXPECT_EQ(info.Title, "Orvendel") << "the job's document name";
    const int pages = Predicted(kTwoPageArticle);
    ASSERT_EQ(info.Pages, pages);
    ASSERT_GE(pages, 2);

    const std::u16string footer = std::u16string(kMakerWebAddress) + u" -- Orvendel";
    std::vector<std::u16string> verses;
    for (int page = 1; page <= pages; ++page) {
        const std::u16string text = WithoutMarks(PageText(pdf, page));
        const std::string digits = std::to_string(page);
        const std::u16string number = u"Page " + std::u16string(digits.begin(), digits.end());
        EXPECT_TRUE(Contains(text, number)) << "page " << page << ": " << ToUtf8(text);
        EXPECT_TRUE(Contains(text, footer)) << "page " << page;
        EXPECT_TRUE(Contains(text, u"בס\"ד")) << "the header in reading order, page " << page;
        for (const std::u16string& verse : PrintedVerseNumbers(PageText(pdf, page, true)))
            verses.push_back(verse);
    }
    EXPECT_EQ(verses, VerseNumbers(kTwoPageArticle)) << "every verse once, in order";

    std::string failure;
    const std::u16string read = RecognisePdfPage(pdf, 1, &failure);
    ASSERT_TRUE(failure.empty()) << failure;
    const std::vector<std::u16string> titleWords = HebrewWords(ArticleTitle(kTwoPageArticle));
    ASSERT_FALSE(titleWords.empty());
    EXPECT_GE(WordsFoundInOrder(titleWords, HebrewWords(read)), 1)
        << "the title " << ToUtf8(ArticleTitle(kTwoPageArticle)) << " on the first page: " << ToUtf8(read);

    EXPECT_EQ(TopLine(), topLine) << "printing leaves the screen where it was";
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValueLesson), DWORD(kTwoPageArticle));
}

TEST_F(Printing, CancelInPageSetupPrintsNothingAndShowsNothing) {
    LaunchReader();
    const std::set<std::string> before = PdfFiles();
    HWND dialog = OpenPageSetup();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL));
    Sleep(3000);
    EXPECT_EQ(PdfFiles(), before) << "nothing was printed";
    EXPECT_EQ(FindProgramDialog(reader.ProcessId(), L"Error Printing"), nullptr);
    EXPECT_EQ(FindProgramDialog(reader.ProcessId(), L"Error"), nullptr);
    CloseReader();
    EXPECT_FALSE(SettingExists(kValueDevMode)) << "no printer was set up";
    EXPECT_FALSE(SettingExists(kValuePrintLeft)) << "margins are stored only once a job starts";
}

TEST_F(Printing, ThePrinterAndMarginsAreStoredAndOfferedAgainAfterARestart) {
    WriteSettingDword(kValuePrintLeft, 750);
    WriteSettingDword(kValuePrintTop, 500);
    WriteSettingDword(kValuePrintRight, 600);
    WriteSettingDword(kValuePrintBottom, 400);
    WriteSettingDword(kValueLesson, kTwoPageArticle);
    LaunchReader();
    ASSERT_FALSE(PrintWithOk().empty());
    CloseReader();
    EXPECT_EQ(ReadSettingDword(kValuePrintLeft), 750u) << "the stored margins were offered and kept";
    EXPECT_EQ(ReadSettingDword(kValuePrintTop), 500u);
    EXPECT_EQ(ReadSettingDword(kValuePrintRight), 600u);
    EXPECT_EQ(ReadSettingDword(kValuePrintBottom), 400u);
    auto devMode = ReadSettingBinary(kValueDevMode);
    ASSERT_TRUE(devMode.has_value());
    ASSERT_GE(devMode->size(), sizeof(DEVMODEW));

    // The stored printer, turned to landscape, is what the next run prints on.
    auto* mode = reinterpret_cast<DEVMODEW*>(devMode->data());
    mode->dmFields |= DM_PAPERSIZE;
    mode->dmPaperSize = DMPAPER_LETTER;
    ASSERT_TRUE(WriteSettingBinary(kValueDevMode, *devMode));
    LaunchReader();
    const std::string pdf = PrintWithOk();
    ASSERT_FALSE(pdf.empty());
    CloseReader();
    const PdfInfo info = ReadPdfInfo(pdf);
    EXPECT_EQ(info.PageWidth, 612) << "printed on Letter paper";
    EXPECT_EQ(info.Pages, Predicted(kTwoPageArticle));
    auto stored = ReadSettingBinary(kValueDevMode);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(reinterpret_cast<DEVMODEW*>(stored->data())->dmPaperSize, DMPAPER_LETTER);
}

// The default printer of the Wine session, for as long as the scope lasts. Wine
// takes the default from CUPS only in the first process of the session that
// loads its spooler library; this test program has it loaded, so readers
// started later keep the default set here, and other runs that share the
// scheduler are not touched.
class DefaultPrinterScope {
public:
    explicit DefaultPrinterScope(const std::wstring& printer) {
        LoadLibraryW(L"winspool.drv");
        wchar_t name[256] = {};
        DWORD units = 256;
        if (GetDefaultPrinterW(name, &units)) previous_ = name;
        Set(printer);
    }
    ~DefaultPrinterScope() { Restore(); }
    bool Set(const std::wstring& printer) { return SetDefaultPrinterW(printer.c_str()) != FALSE; }
    void Restore() {
        if (!previous_.empty()) Set(previous_);
    }
    const std::wstring& Previous() const { return previous_; }

private:
    std::wstring previous_;
};

// A printer whose name is longer than a device mode's name field holds (31
// characters), as network printers' names often are: as the default it prints
// the article, and after a restart its stored settings are offered for it
// again, whichever printer is the default then.
TEST_F(Printing, APrinterWithALongNamePrintsAndIsOfferedAgainAfterARestart) {
    const std::string longName = LongNamePrinter();
    ASSERT_GT(longName.size(), size_t(CCHDEVICENAME - 1)) << "the session has no long-named queue";
    DefaultPrinterScope scope(std::wstring(longName.begin(), longName.end()));
    ASSERT_FALSE(scope.Previous().empty()) << "no default printer before";
    std::printf("the long printer name: %s\n", longName.c_str());
    RecordProperty("LongPrinterName", longName);

    WriteSettingDword(kValueLesson, kTwoPageArticle);
    LaunchReader();
    const std::string first = PrintWithOk();
    ASSERT_FALSE(first.empty()) << "nothing was printed on " << longName;
    EXPECT_GE(ReadPdfInfo(first).Pages, 2) << "the whole article";
    EXPECT_EQ(QueueThatPrinted(first), longName);
    CloseReader();

    scope.Restore();
    LaunchReader();
    const std::string second = PrintWithOk();
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(QueueThatPrinted(second), longName) << "the stored printer was offered again";
    CloseReader();
}

// Last: the reader runs without any print queue it can reach.
TEST_F(Printing, WithoutAPrinterTheReaderSaysSoAndKeepsRunning) {
    RemoveWinePrinters();
    SetEnvironmentVariableW(L"CUPS_SERVER", L"/nonexistent/cups.sock");
    LaunchReader();
    SetEnvironmentVariableW(L"CUPS_SERVER", nullptr);
    const std::set<std::string> before = PdfFiles();
    EXPECT_TRUE(TypeKeys(Window(), {VK_CONTROL, 'P'}));
    // Wine's page setup may first say in a box of its own that there is no
    // printer; that is answered, and the reader's own message waited for.
    HWND message = nullptr;
    std::wstring text;
    for (DWORD waited = 0; !message && waited < 20000; waited += 50) {
        if (HWND setup = FindProgramDialog(reader.ProcessId(), kPageSetupCaption))
            PressDialogButton(setup, IDOK);
        if ((message = FindProgramDialog(reader.ProcessId(), L"Error Printing")) != nullptr) {
            text = DialogMessageText(message);
        } else if (HWND error = FindProgramDialog(reader.ProcessId(), L"Error")) {
            if (DialogMessageText(error) == L"Printer Initialitazion failed!") {
                message = error;
                text = DialogMessageText(error);
            } else {
                PressDialogButton(error, IDOK);
            }
        }
        Sleep(50);
    }
    ASSERT_NE(message, nullptr) << "the reader said nothing about the missing printer";
    EXPECT_TRUE(IsPrintFailureMessage(text)) << "not a printing message: " << ToUtf8(std::u16string(text.begin(), text.end()));
    ASSERT_TRUE(PressDialogButton(message, IDOK));
    EXPECT_EQ(PdfFiles(), before);
    PressKey(Window(), VK_NEXT);
    EXPECT_GT(TopLine(), 0) << "the reader keeps running and answering";
    CloseReader();
}

}  // namespace
