// The face the article is drawn in before the user has chosen one is the
// first face of the preference list that is installed here and draws every
// Hebrew letter: the face itself, not one the font mapper puts in its place,
// or the first run shows a stranger's face or empty boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "view/display_font.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"
#include "view/win32/letter_font.h"

namespace {

class ShellDisplayFont : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
        dc_ = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc_, nullptr);
        device_ = std::make_unique<GdiTextDevice>(dc_);
    }
    void TearDown() override {
        device_.reset();
        DeleteDC(dc_);
        ClearAppSettings();
    }

    // The face a font of faceName, made as the view makes it, draws in, and
    // how many Hebrew letters it lacks.
    std::pair<std::wstring, int> AsDrawn(const char16_t* faceName) {
        HFONT font = reinterpret_cast<HFONT>(device_->MakeFont(faceName, -16, FW_NORMAL));
        HGDIOBJ previous = SelectObject(dc_, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        const int missing = MissingLetterGlyphs(dc_, kUnicodeBase);
        SelectObject(dc_, previous);
        DeleteObject(font);
        return {face, missing};
    }

    HDC dc_ = nullptr;
    std::unique_ptr<GdiTextDevice> device_;
};

TEST_F(ShellDisplayFont, FallbackFaceIsInstalledDrawsItselfAndHasEveryHebrewLetter) {
    FontSpec none = {};
    const FontSpec shown = DisplayFontSpec(none, *device_);
    const std::wstring chosen(AsWide(shown.FontName));
    ASSERT_FALSE(chosen.empty()) << "no face of the list draws Hebrew here";
    RecordProperty("FallbackFace", std::string(chosen.begin(), chosen.end()));
    EXPECT_EQ(AsDrawn(shown.FontName), std::make_pair(chosen, 0));

    // It is the first of the list to do so: every face before it is missing
    // or lacks letters; and a listed face said to draw them is itself used.
    bool before = true;
    for (const char16_t* face : kFallbackFaces) {
        const bool draws = device_->DrawsLetters(face, kUnicodeBase);
        if (before) EXPECT_EQ(draws, std::u16string(face) == shown.FontName) << AsWide(face);
        if (draws) EXPECT_EQ(AsDrawn(face), std::make_pair(std::wstring(AsWide(face)), 0));
        before = before && !draws;
    }
}

TEST_F(ShellDisplayFont, FallbackSizeKeepsTheSubtitleSmallerThanTheTitle) {
    FontSpec none = {};
    EXPECT_EQ(DisplayFontSpec(none, *device_).FontSize, kFallbackFontSize);
    FontSpec sized = {};
    sized.FontSize = 20;
    EXPECT_EQ(DisplayFontSpec(sized, *device_).FontSize, 20);
}

TEST_F(ShellDisplayFont, ChosenFaceIsKept) {
    FontSpec chosen = {u"David CLM", 14, 1488};
    FontSpec shown = DisplayFontSpec(chosen, *device_);
    EXPECT_EQ(std::u16string(shown.FontName), u"David CLM");
    EXPECT_EQ(shown.FontSize, 14);
    EXPECT_EQ(shown.FontAsciiBase, 1488);
}

}  // namespace
