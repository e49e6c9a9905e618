// Any bytes as a decompressed article: the layout must end, never read outside
// the article, and leave a table whose lines lie inside it.
//
// The first input byte is the view width, the second the font size and the
// Reverse bit (bit 7); the rest is the article. It is laid out twice: with
// its size known, and as the record loader hands it over (its bytes, then two
// zero bytes) with its end marker appended, as every stored article has.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
// Fixed widths that depend on the character, so breaks land everywhere.
class FixedWidthDevice : public TextDevice {
public:
    FontHandle MakeFont(const char16_t*, int32_t height, int32_t) override {
        return reinterpret_cast<FontHandle>(intptr_t(height < 0 ? -height : height) + 1);
    }
    FontHandle SelectFont(FontHandle font) override {
        FontHandle previous = selected_;
        if (font) selected_ = font;
        return previous;
    }
    void DeleteFont(FontHandle) override {}
    TextMetrics Metrics() override { return TextMetrics{int32_t(intptr_t(selected_)) + 3, 11}; }
    int32_t PixelsPerInchY() override { return 96; }
    TextExtent MeasureFit(const char16_t* units, int32_t count, int32_t maxWidth, int32_t* fit) override {
        int32_t width = 0;
        int32_t fitted = 0;
        for (int32_t i = 0; i < count; ++i) {
            width += WidthOf(units[i]);
            if (width <= maxWidth && fitted == i) fitted = i + 1;
        }
        if (fit) *fit = fitted;
        return TextExtent{width, 10};
    }
    TextExtent MeasureRun(const char16_t* units, int32_t count) override {
        return MeasureFit(units, count, 0, nullptr);
    }
    void DrawRunCentred(const char16_t*, int32_t, const Rect&) override {}
    Colour TextColour() override { return kBlack; }
    Colour SetTextColour(Colour colour) override { return colour; }
    Colour SetBackColour(Colour colour) override { return colour; }
    void FillWhite(const Rect&) override {}
    void DrawBlackRectangle(const Rect&) override {}

private:
    static int32_t WidthOf(char16_t unit) { return 2 + unit % 9; }
    FontHandle selected_ = reinterpret_cast<FontHandle>(intptr_t(1));
};

void CheckLines(const ArticleView* view, size_t size) {
    for (int32_t i = 0; i < view->LineCount; ++i)
        if (size_t(view->Lines[i].Offset) + view->Lines[i].Length > size) std::abort();
    if (view->Lines[view->LineCount].Format != 0) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    static FixedWidthDevice device;
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    AppSettings.Flags = (data[1] & 0x80) ? kFlagsReverse : 0;
    const Rect rectangle{0, 0, 1 + data[0], 200};
    FontSpec spec{};
    spec.FontSize = data[1] & 0x3F;
    ArticleView* view = CreateArticleView(&device, &rectangle, &spec, 2);

    const size_t articleSize = size - 2;
    auto* sized = static_cast<uint8_t*>(std::malloc(articleSize));
    std::memcpy(sized, data + 2, articleSize);
    const int32_t status = LayoutSizedArticle(view, sized, uint32_t(articleSize), kKeepPrevious);
    if (status == kLayoutDone) CheckLines(view, articleSize);
    view->Text = nullptr;

    // The loader's buffer: the data, the end marker, then its two zero bytes.
    auto* loaded = static_cast<uint8_t*>(PlainAlloc(articleSize + 3));
    std::memcpy(loaded, data + 2, articleSize);
    std::memset(loaded + articleSize, 0, 3);
    if (LayoutArticle(view, loaded, kReleasePrevious) == kLayoutDone)
        CheckLines(view, articleSize + 1);
    else PlainFree(loaded);

    std::free(sized);
    DestroyArticleView(view, kReleaseView);
    return 0;
}
