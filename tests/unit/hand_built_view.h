// An article view over article bytes and a line table written by hand, on the
// recording fake device, so drawing and scrolling are tested apart from the
// layout. Fonts come from the view's own font cache as on the screen.
#pragma once
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "tests/fakes/fake_text_device.h"
#include "view/article_view.h"

// Letters map to themselves at this base, so drawn text reads as the bytes.
constexpr int32_t kSelfBase = 97;
// FontSize 12 at 96 pixels per inch: an em of 16 units, tmHeight 20 on the fake.
constexpr int32_t kTestFontSize = 12;
constexpr uint16_t kLineHeight = 20;

// The test view: 200 wide, 100 high (five lines of 20) at (10, 5).
constexpr int32_t kLeft = 10;
constexpr int32_t kTop = 5;
constexpr int32_t kWidth = 200;
constexpr int32_t kHeight = 100;

constexpr uint8_t kBody = 0xB1;       // normal, right-to-left, right-aligned, paragraph end
constexpr uint8_t kBodyLine = 0x31;   // a body line that does not end its paragraph

class HandBuiltView {
public:
    FakeTextDevice Device;
    std::vector<uint8_t> Text;
    std::vector<ArticleLine> Lines;
    ArticleView View{};

    HandBuiltView(int32_t left, int32_t top, int32_t width, int32_t height) {
        View.Dc = &Device;
        View.Left = left;
        View.Top = top;
        View.Width = width;
        View.Height = height;
        const std::u16string face = u"David CLM";
        face.copy(View.Font.FontName, face.size());
        View.Font.FontSize = kTestFontSize;
        View.Font.FontAsciiBase = AppSettings.Font.FontAsciiBase;
    }
    ~HandBuiltView() {
        // The bytes and the table belong to this object, the fonts to the view.
        View.Text = nullptr;
        View.Lines = nullptr;
        DestroyArticleView(&View, kKeepViewRecord);
    }
    HandBuiltView(const HandBuiltView&) = delete;
    HandBuiltView& operator=(const HandBuiltView&) = delete;

    // Appends a block (format byte, layout byte 0, string, terminator) and
    // returns the offset of its string.
    uint16_t AddBlock(uint8_t format, const std::string& string) {
        Text.push_back(format);
        Text.push_back(0);
        const uint16_t offset = uint16_t(Text.size());
        Text.insert(Text.end(), string.begin(), string.end());
        Text.push_back(0);
        return offset;
    }

    ArticleLine& AddLine(uint16_t offset, uint16_t length, int16_t x, uint16_t width, uint8_t format,
                         uint16_t height = kLineHeight, uint16_t hangWidth = 0) {
        Lines.push_back(ArticleLine{offset, length, x, hangWidth, width, height, format});
        return Lines.back();
    }

    // Ends the article and the table and fills in the counts; MaxTopLine is
    // left to the test, which knows the page it means.
    void Finish(uint16_t maxTopLine = 0) {
        Text.push_back(0);   // end marker
        Text.push_back(0);   // the loader's extra zero
        View.LineCount = uint16_t(Lines.size());
        View.DisplayLineCount = View.LineCount;
        for (const ArticleLine& line : Lines)
            if (line.Format & kFormatParagraphEnd) ++View.DisplayLineCount;
        Lines.push_back(ArticleLine{});
        View.LineCapacity = View.LineCount;
        View.MaxTopLine = maxTopLine;
        View.Text = Text.data();
        View.Lines = Lines.data();
    }

    const ArticleLine* ZeroEntry() const { return View.Lines + View.LineCount; }
};

// Restores AppSettings around every test; letters show as themselves.
class AppSettingsScope {
public:
    AppSettingsScope() {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kSelfBase;
        AppSettings.Flags = kDefaultFlags;
        AppSettings.SurroundingGutter = kDefaultSurroundingGutter;
    }
    ~AppSettingsScope() { ClearAppSettings(); }
};
