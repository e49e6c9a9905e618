// The face the book is drawn in before one is chosen: the first face of the
// preference list that is installed and draws every letter of the base in
// use, on a fake list of installed faces.
#include <gtest/gtest.h>

#include <string>

#include "settings/app_settings.h"
#include "tests/fakes/fake_text_device.h"
#include "view/display_font.h"
#include "view/letter_codes.h"

namespace {

// The 27 letters of a base, without the one at skipped (-1: none skipped).
std::u16string LettersOf(int32_t base, int skipped = -1) {
    std::u16string letters;
    for (int i = 0; i < kLetterCodeCount; ++i)
        if (i != skipped) letters += char16_t(base + i);
    return letters;
}

class DisplayFont : public ::testing::Test {
protected:
    void SetUp() override { ClearAppSettings(); }
    void TearDown() override { ClearAppSettings(); }

    FontSpec Shown(int32_t base) {
        FontSpec none{};
        none.FontAsciiBase = base;
        return DisplayFontSpec(none, device);
    }

    FakeTextDevice device;
};

TEST_F(DisplayFont, UnchosenFontTakesTheFirstListedFaceWithEveryLetterOfTheBase) {
    // "David" is not installed; "Segoe UI" lacks tav, though it has the
    // Latin letters; "Arial" has them all.
    device.InstalledFaces[u"Segoe UI"] = LettersOf(kUnicodeBase, 26) + LettersOf(kLatinBase);
    device.InstalledFaces[u"Arial"] = LettersOf(kUnicodeBase);
    device.InstalledFaces[u"DejaVu Sans"] = LettersOf(kUnicodeBase) + LettersOf(kLatinBase);

    // A first run's base 0 is the Unicode base the Choose Font dialog sets.
    for (int32_t base : {0, kUnicodeBase}) {
        const FontSpec shown = Shown(base);
        EXPECT_EQ(std::u16string(shown.FontName), u"Arial");
        EXPECT_EQ(shown.FontSize, kFallbackFontSize);
        EXPECT_EQ(shown.FontAsciiBase, base) << "the base is the user's to choose";
    }
    // The base in use decides: with the Latin letters, the second face draws them.
    EXPECT_EQ(std::u16string(Shown(kLatinBase).FontName), u"Segoe UI");
    EXPECT_EQ(std::u16string(Shown(kUnicodeBase).FontName), u"Arial");

    // A chosen face, with its size, is drawn as chosen.
    const FontSpec chosen{u"Keter YG", 20, kUnicodeBase};
    const FontSpec shown = DisplayFontSpec(chosen, device);
    EXPECT_EQ(std::u16string(shown.FontName), u"Keter YG");
    EXPECT_EQ(shown.FontSize, 20);
}

TEST_F(DisplayFont, WithoutAListedFaceThatDrawsTheLettersTheFontMapperChooses) {
    device.InstalledFaces[u"Keter YG"] = LettersOf(kUnicodeBase);   // not in the list
    device.InstalledFaces[u"Arial"] = LettersOf(kLatinBase);
    const FontSpec shown = Shown(kUnicodeBase);
    EXPECT_EQ(std::u16string(shown.FontName), u"") << "no name: a face by character set";
    EXPECT_EQ(shown.FontSize, kFallbackFontSize);
}

}  // namespace
