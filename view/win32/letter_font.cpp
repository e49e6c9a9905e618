#include "view/win32/letter_font.h"

#include "platform/win32/selected_object.h"
#include "platform/win32/wide_text.h"
#include "view/display_font.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"

namespace {

HFONT MakeGdiFont(const char16_t* faceName, int32_t height, int32_t weight, BYTE charSet) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = charSet;
    if (faceName) {
        for (int i = 0; i < LF_FACESIZE - 1 && faceName[i]; ++i)
            font.lfFaceName[i] = wchar_t(faceName[i]);
    }
    return CreateFontIndirectW(&font);
}

// HEBREW_CHARSET for the Unicode base 1488, DEFAULT_CHARSET for the others
// (with DEFAULT_CHARSET the face name alone chooses the face).
BYTE LetterCharSet(int32_t letterBase) {
    return letterBase == kUnicodeBase ? HEBREW_CHARSET : DEFAULT_CHARSET;
}

// Whether the font selected in dc is of the face named (case ignored).
bool FaceInUseIs(HDC dc, const wchar_t* faceName) {
    wchar_t inUse[LF_FACESIZE] = {};
    if (GetTextFaceW(dc, LF_FACESIZE, inUse) == 0) return false;
    return lstrcmpiW(inUse, faceName ? faceName : L"") == 0;
}

// The font when it is of the face asked for and has every letter; else none
// (and the font is deleted).
HFONT KeepIfItDrawsTheLetters(HDC dc, HFONT font, const char16_t* faceName, int32_t letterBase) {
    if (!font) return nullptr;
    bool drawsThem = false;
    {
        const SelectedObject selected(dc, font);
        drawsThem = FaceInUseIs(dc, AsWide(faceName)) && MissingLetterGlyphs(dc, letterBase) == 0;
    }
    if (drawsThem) return font;
    DeleteObject(font);
    return nullptr;
}

// A font of faceName itself that draws the base's letters, or none.
HFONT CreateOwnFaceLetterFont(HDC dc, const char16_t* faceName, int32_t height, int32_t weight,
                              int32_t letterBase) {
    if (!faceName || !faceName[0]) return nullptr;
    const BYTE charSet = LetterCharSet(letterBase);
    if (HFONT font = KeepIfItDrawsTheLetters(dc, MakeGdiFont(faceName, height, weight, charSet),
                                             faceName, letterBase))
        return font;
    // A face that has the letters without declaring their code page.
    if (charSet == DEFAULT_CHARSET) return nullptr;
    return KeepIfItDrawsTheLetters(dc, MakeGdiFont(faceName, height, weight, DEFAULT_CHARSET),
                                   faceName, letterBase);
}

}  // namespace

int MissingLetterGlyphs(HDC dc, int32_t letterBase) {
    if (letterBase < 0x20 || letterBase + kLetterCodeCount > 0xFFFF) return 0;
    wchar_t letters[kLetterCodeCount];
    for (int i = 0; i < kLetterCodeCount; ++i) letters[i] = wchar_t(letterBase + i);
    WORD glyphs[kLetterCodeCount];
    if (GetGlyphIndicesW(dc, letters, kLetterCodeCount, glyphs, GGI_MARK_NONEXISTING_GLYPHS) ==
        GDI_ERROR)
        return kLetterCodeCount;
    int missing = 0;
    for (WORD glyph : glyphs) missing += glyph == 0xFFFF;
    return missing;
}

HFONT CreateLetterFont(HDC dc, const char16_t* faceName, int32_t height, int32_t weight,
                       int32_t letterBase) {
    const BYTE charSet = LetterCharSet(letterBase);
    if (!dc) return MakeGdiFont(faceName, height, weight, charSet);
    if (HFONT font = CreateOwnFaceLetterFont(dc, faceName, height, weight, letterBase)) return font;
    GdiTextDevice device(dc);
    const char16_t* fallback = FallbackFace(device, letterBase);
    // Made the way that found it drawing the letters (perhaps with no code
    // page), so that the mapper does not put another face in its place.
    if (HFONT font = CreateOwnFaceLetterFont(dc, fallback, height, weight, letterBase)) return font;
    return MakeGdiFont(fallback, height, weight, charSet);
}

bool FaceDrawsLetters(HDC dc, const char16_t* faceName, int32_t letterBase) {
    HFONT font = CreateOwnFaceLetterFont(dc, faceName, 0, FW_NORMAL, letterBase);
    if (!font) return false;
    DeleteObject(font);
    return true;
}
