// Fonts for the book's letters are of the face the user chose when that face
// has the letters, whatever code pages it declares, and of the fallback face
// when it has not: never a stranger's face, never boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "view/display_font.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"
#include "view/win32/letter_font.h"

namespace {

class LetterFont : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        dc_ = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc_, nullptr);
    }
    void TearDown() override {
        DeleteDC(dc_);
        ClearAppSettings();
    }

    // The face the font draws in, and how many of the base's letters it lacks.
    struct InUse {
        std::wstring Face;
        int Missing;
    };
    InUse Examine(HFONT font, int32_t letterBase) {
        HGDIOBJ previous = SelectObject(dc_, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        InUse inUse{face, MissingLetterGlyphs(dc_, letterBase)};
        SelectObject(dc_, previous);
        DeleteObject(font);
        return inUse;
    }
    InUse Letters(const char16_t* face, int32_t letterBase) {
        return Examine(CreateLetterFont(dc_, face, -20, 400, letterBase), letterBase);
    }

    // The face a font falls back to for the base: the first installed face
    // of the preference list with its letters.
    std::wstring Fallback(int32_t letterBase) {
        GdiTextDevice device(dc_);
        return std::wstring(AsWide(FallbackFace(device, letterBase)));
    }

    HDC dc_ = nullptr;
};


TEST_F(LetterFont, FaceDeclaringOnlyTheHebrewCodePageIsItselfUsed) {
    // What character set 0 gives for it: another face.
    LOGFONTW ansi{};
    ansi.lfHeight = -20;
    lstrcpyW(ansi.lfFaceName, L"David CLM");
    ASSERT_NE(Examine(CreateFontIndirectW(&ansi), kUnicodeBase).Face, L"David CLM")
        << "character set 0 no longer replaces the face; the check below proves nothing";

    const InUse david = Letters(u"David CLM", kUnicodeBase);
    EXPECT_EQ(david.Face, L"David CLM");
    EXPECT_EQ(david.Missing, 0);
}

TEST_F(LetterFont, FaceWithTheLettersAndLatinCodePagesIsItselfUsed) {
    EXPECT_EQ(Letters(u"Simple CLM", kUnicodeBase).Face, L"Simple CLM");
    EXPECT_EQ(Letters(u"DejaVu Sans", kUnicodeBase).Face, L"DejaVu Sans");
    EXPECT_EQ(Letters(u"Keter YG", kUnicodeBase).Face, L"Keter YG");
}

TEST_F(LetterFont, FaceWithoutTheLettersGivesWayToTheFallbackFace) {
    const InUse serif = Letters(u"DejaVu Serif", kUnicodeBase);
    EXPECT_EQ(serif.Face, Fallback(kUnicodeBase));
    EXPECT_EQ(serif.Missing, 0);
    // Windows-1255 places in a face with only Unicode Hebrew: à to ú are missing.
    const InUse david = Letters(u"David CLM", kWindows1255Base);
    EXPECT_EQ(david.Face, Fallback(kWindows1255Base));
    EXPECT_EQ(david.Missing, 0);
}

TEST_F(LetterFont, FaceThatIsNotInstalledGivesWayToTheFallbackFace) {
    const InUse missing = Letters(u"No Such Face", kUnicodeBase);
    EXPECT_EQ(missing.Face, Fallback(kUnicodeBase));
    EXPECT_EQ(missing.Missing, 0);
    EXPECT_EQ(Letters(u"", kUnicodeBase).Face, Fallback(kUnicodeBase));
}

TEST_F(LetterFont, LatinBaseKeepsAFaceWithLatinLetters) {
    EXPECT_EQ(Letters(u"DejaVu Serif", kLatinBase).Face, L"DejaVu Serif");
}

TEST_F(LetterFont, PlainMakeFontUsesTheProgramsBase) {
    GdiTextDevice device(dc_);
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    EXPECT_EQ(Examine(reinterpret_cast<HFONT>(device.MakeFont(u"David CLM", -20, 700)),
                      kUnicodeBase).Face,
              L"David CLM");
    AppSettings.Font.FontAsciiBase = kWindows1255Base;
    EXPECT_EQ(Examine(reinterpret_cast<HFONT>(device.MakeFont(u"David CLM", -20, 700)),
                      kWindows1255Base).Face,
              Fallback(kWindows1255Base));
    // The letter font asks for its own base, whatever the program's.
    EXPECT_EQ(Examine(reinterpret_cast<HFONT>(
                          device.MakeLetterFont(u"David CLM", 16, 0, kUnicodeBase)),
                      kUnicodeBase).Face,
              L"David CLM");
}

int CALLBACK CollectHebrewFace(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD,
                               LPARAM faces) {
    auto* list = reinterpret_cast<std::vector<std::u16string>*>(faces);
    std::u16string face(AsUnits(font->lfFaceName));
    if (metrics->tmCharSet == HEBREW_CHARSET) list->push_back(face);
    return 1;
}

TEST_F(LetterFont, EveryHebrewFaceInstalledDrawsItsOwnLetters) {
    std::vector<std::u16string> faces;
    EnumFontsW(dc_, nullptr, CollectHebrewFace, reinterpret_cast<LPARAM>(&faces));
    ASSERT_GE(faces.size(), 5u) << "the Culmus faces are not installed (tools/setup.sh)";
    for (const std::u16string& face : faces) {
        const InUse inUse = Letters(face.c_str(), kUnicodeBase);
        EXPECT_EQ(inUse.Face, std::wstring(face.begin(), face.end()));
        EXPECT_EQ(inUse.Missing, 0);
    }
}

}  // namespace
