#include "tests/win32/support/print_prediction.h"

#include <cstring>

#include "platform/allocation.h"
#include "platform/ports.h"
#include "platform/win32/resource_record_source.h"
#include "settings/app_settings.h"
#include "settings/settings_values.h"
#include "store/record_loader.h"
#include "tests/win32/support/settings_registry.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

constexpr uint8_t kVerseFormatBits = kFormatRightToLeft | kFormatAlignRight | 0x01;

// The records embedded in this test program, for the length of one load.
class EmbeddedArticle {
public:
    explicit EmbeddedArticle(int number) {
        saved_ = Ports;
        Ports.Records = &records_;
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kDefaultFontAsciiBase;
        AppSettings.Flags = kDefaultFlags;
        Bytes = LoadRecord(number, nullptr, &Length);
    }
    ~EmbeddedArticle() {
        PlainFree(Bytes);
        Ports = saved_;
    }
    uint8_t* Bytes = nullptr;
    uint32_t Length = 0;

private:
    ResourceRecordSource records_;
    PlatformPorts saved_;
};

class CountingJob : public PrintJobPort {
public:
    bool StartPage() override { return true; }
    bool EndPage() override { return true; }
};

// Reading order of a right-to-left run stored in display order.
std::u16string ReadingOrder(const uint8_t* run, size_t count) {
    const char16_t* units = LettersToDisplay(run, int32_t(count), nullptr);
    if (!units) return {};
    std::u16string text(units, count);
    return std::u16string(text.rbegin(), text.rend());
}

// Calls each block of the article with its format byte and string.
template <typename Visit>
void ForEachBlock(const uint8_t* bytes, Visit visit) {
    for (size_t p = 0; bytes[p] != 0;) {
        const uint8_t format = bytes[p];
        const uint8_t* string = bytes + p + 2;
        const size_t length = std::strlen(reinterpret_cast<const char*>(string));
        visit(format, string, length);
        p += 2 + length + 1;
    }
}

}  // namespace

int PredictedPages(int article, const wchar_t* faceName, int fontSize, std::string* failure) {
    EmbeddedArticle loaded(article);
    if (!loaded.Bytes) {
        *failure = "article " + std::to_string(article) + " is not in the test program";
        return 0;
    }
    auto devMode = ReadSettingBinary(kValueDevMode);
    if (!devMode || devMode->size() < sizeof(DEVMODEW)) {
        *failure = "no DevMode is stored";
        return 0;
    }
    auto* mode = reinterpret_cast<DEVMODEW*>(devMode->data());
    wchar_t device[CCHDEVICENAME + 1] = {};
    std::memcpy(device, mode->dmDeviceName, sizeof mode->dmDeviceName);
    HDC ic = CreateICW(nullptr, device, nullptr, mode);
    if (!ic) {
        *failure = "no information context for the printer";
        return 0;
    }
    PrintMargins margins{int32_t(ReadSettingDword(kValuePrintLeft).value_or(kDefaultPrintMargin)),
                         int32_t(ReadSettingDword(kValuePrintTop).value_or(kDefaultPrintMargin)),
                         int32_t(ReadSettingDword(kValuePrintRight).value_or(kDefaultPrintMargin)),
                         int32_t(ReadSettingDword(kValuePrintBottom).value_or(kDefaultPrintMargin))};
    ArticleView screen{};
    for (int i = 0; i < 31 && faceName[i]; ++i) screen.Font.FontName[i] = char16_t(faceName[i]);
    screen.Font.FontSize = fontSize;
    screen.Font.FontAsciiBase = kDefaultFontAsciiBase;
    screen.Text = loaded.Bytes;
    screen.TextSize = loaded.Length + 2;
    GdiTextDevice printer(ic);
    CountingJob job;
    const int pages = PrintArticlePages(&screen, &printer, margins, &job);
    DeleteDC(ic);
    return pages;
}

std::vector<std::u16string> VerseNumbers(int article) {
    EmbeddedArticle loaded(article);
    std::vector<std::u16string> numbers;
    if (!loaded.Bytes) return numbers;
    ForEachBlock(loaded.Bytes, [&](uint8_t format, const uint8_t* string, size_t length) {
        if ((format & 0x7F) != kVerseFormatBits) return;
        // The first word in reading order is the last one stored.
        size_t start = length;
        while (start > 0 && string[start - 1] != ' ') --start;
        numbers.push_back(ReadingOrder(string + start, length - start));
    });
    return numbers;
}

std::u16string ArticleTitle(int article) {
    EmbeddedArticle loaded(article);
    if (!loaded.Bytes) return {};
    const size_t length = std::strlen(reinterpret_cast<const char*>(loaded.Bytes + 2));
    return ReadingOrder(loaded.Bytes + 2, length);
}
