// The face the article is drawn in before the user has chosen one must have
// every Hebrew letter when asked for as the view asks for fonts (character
// set 0), or the first run shows empty boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include "view/display_font.h"

namespace {

int MissingHebrewLetters(const char16_t* faceName) {
    LOGFONTW description = {};
    description.lfHeight = -16;
    description.lfWeight = FW_NORMAL;
    for (int i = 0; faceName[i] && i < LF_FACESIZE - 1; ++i) description.lfFaceName[i] = faceName[i];
    HFONT font = CreateFontIndirectW(&description);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    wchar_t letters[27];
    for (int i = 0; i < 27; ++i) letters[i] = wchar_t(0x05D0 + i);   // alef to tav
    WORD glyphs[27];
    GetGlyphIndicesW(dc, letters, 27, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
    int missing = 0;
    for (WORD glyph : glyphs) missing += glyph == 0xFFFF;
    return missing;
}

TEST(ShellDisplayFont, FallbackFaceHasEveryHebrewLetter) {
    FontSpec none = {};
    FontSpec shown = DisplayFontSpec(none);
    EXPECT_EQ(std::u16string(shown.FontName), std::u16string(kFallbackFaceName));
    EXPECT_EQ(MissingHebrewLetters(shown.FontName), 0);
}

TEST(ShellDisplayFont, FallbackSizeKeepsTheSubtitleSmallerThanTheTitle) {
    FontSpec none = {};
    EXPECT_EQ(DisplayFontSpec(none).FontSize, kFallbackFontSize);
    FontSpec sized = {};
    sized.FontSize = 20;
    EXPECT_EQ(DisplayFontSpec(sized).FontSize, 20);
}

TEST(ShellDisplayFont, ChosenFaceIsKept) {
    FontSpec chosen = {u"David CLM", 14, 1488};
    FontSpec shown = DisplayFontSpec(chosen);
    EXPECT_EQ(std::u16string(shown.FontName), u"David CLM");
    EXPECT_EQ(shown.FontSize, 14);
    EXPECT_EQ(shown.FontAsciiBase, 1488);
}

}  // namespace
