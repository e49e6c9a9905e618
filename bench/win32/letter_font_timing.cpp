// What the checks of a letter font cost under Wine: microseconds to make (and
// delete) one font as the view makes it (character set for the base, face in
// the context checked, glyphs of the base's letters checked), beside a plain
// CreateFontIndirectW of the same face, measured in the same run. The view
// makes one font per format it meets, a handful per article and font change.
// Then the choice of the fallback face among the installed faces, made once
// per run (and letter base) when no face is chosen or the chosen one lacks
// the letters.
//   letter_font_timing.exe [fonts]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/win32/wide_text.h"
#include "view/display_font.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"
#include "view/win32/letter_font.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename MakeFont>
double MicrosecondsPerFont(int fonts, MakeFont make) {
    const auto start = Clock::now();
    for (int i = 0; i < fonts; ++i) {
        HFONT font = make(-(14 + i % 20));
        DeleteObject(font);
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / fonts;
}

}  // namespace

int main(int argc, char** argv) {
    const int fonts = argc > 1 ? std::atoi(argv[1]) : 500;
    HDC dc = CreateCompatibleDC(nullptr);
    const struct {
        const char* Label;
        const char16_t* Face;
    } faces[] = {{"David CLM (Hebrew code page only)", u"David CLM"},
                 {"DejaVu Sans", u"DejaVu Sans"},
                 {"DejaVu Serif (no Hebrew: falls back)", u"DejaVu Serif"}};
    for (const auto& face : faces) {
        const double plain = MicrosecondsPerFont(fonts, [&](int height) {
            LOGFONTW description{};
            description.lfHeight = height;
            description.lfWeight = FW_NORMAL;
            for (int i = 0; face.Face[i]; ++i) description.lfFaceName[i] = wchar_t(face.Face[i]);
            HFONT font = CreateFontIndirectW(&description);
            // Realised, as selecting it for measuring does.
            HGDIOBJ previous = SelectObject(dc, font);
            SelectObject(dc, previous);
            return font;
        });
        const double checked = MicrosecondsPerFont(fonts, [&](int height) {
            return CreateLetterFont(dc, face.Face, height, FW_NORMAL, kUnicodeBase);
        });
        std::printf("%-40s plain %7.1f us  letter font %7.1f us  (%.2fx)\n", face.Label, plain,
                    checked, checked / plain);
    }
    GdiTextDevice device(dc);
    const char16_t* fallback = nullptr;
    const int choices = fonts / 10 + 1;
    const auto start = Clock::now();
    for (int i = 0; i < choices; ++i) fallback = ChooseFallbackFace(device, kUnicodeBase);
    const double choosing =
        std::chrono::duration<double, std::micro>(Clock::now() - start).count() / choices;
    std::printf("choosing the fallback face (%ls): %.1f us\n", AsWide(fallback),
                choosing);
    DeleteDC(dc);
    return 0;
}
