// The Choose Font dialog's choices on a fake dialog: the base at opening, the
// switch to the Unicode base for a Hebrew face, the sample letters and font,
// what OK writes, and the face records.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/font_choice.h"
#include "platform/allocation.h"
#include "tests/fakes/fake_font_dialog.h"
#include "view/letter_codes.h"

namespace {

class FontChoice : public ::testing::Test {
protected:
    void SetUp() override { ResetFontFaces(); }
    void TearDown() override {
        FailAllocationAfter(-1);
        ForgetSampleFont(&dialog);
        FreeFontFaces();
    }

    void Open(const char16_t* name, int32_t size, int32_t base) {
        spec = FontSpec{};
        for (int i = 0; name[i]; ++i) spec.FontName[i] = name[i];
        spec.FontSize = size;
        spec.FontAsciiBase = base;
        BeginFontChoice(&dialog, &spec);
        AddFontFace(u"DejaVu Sans", 0);
        AddFontFace(u"David CLM", kHebrewCharSet);
        AddFontFace(u"Keter YG", 0);
    }
    void Pick(const char16_t* face, const char16_t* size = nullptr) {
        dialog.Selected[IDC_FONT_FACES] = face;
        if (size) dialog.Selected[IDC_FONT_SIZES] = size;
        ApplyFontChoice(&dialog, FontChoiceMode::FontOrSize);
    }
    void ClickBase(int button, int32_t base) {
        dialog.Checked.clear();
        dialog.SetChecked(button, true);
        ShowSampleLetters(&dialog, base);
        ApplyFontChoice(&dialog, FontChoiceMode::Base);
    }
    void Ok() { ApplyFontChoice(&dialog, FontChoiceMode::Commit); }

    FakeFontDialog dialog;
    FontSpec spec{};
};

std::u16string SampleOf(char16_t first) {
    std::u16string text;
    for (int k = 0; k < 27; ++k) text += char16_t(first + 26 - k);
    return text;
}

TEST_F(FontChoice, BaseZeroBecomesUnicodeAtOpeningWith5D0Checked) {
    Open(u"DejaVu Sans", 16, 0);
    EXPECT_EQ(spec.FontAsciiBase, kUnicodeBase);
    EXPECT_EQ(dialog.CheckedButton(), IDC_BASE_UNICODE);
}

TEST_F(FontChoice, SampleForTheUnicodeBaseRunsFromTavDownToAlef) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    ASSERT_EQ(dialog.SampleText.size(), 27u);
    EXPECT_EQ(dialog.SampleText.front(), u'\u05EA');
    EXPECT_EQ(dialog.SampleText[1], u'\u05E9');
    EXPECT_EQ(dialog.SampleText.back(), u'\u05D0');
    ClickBase(IDC_BASE_1255, kWindows1255Base);
    EXPECT_EQ(dialog.SampleText, SampleOf(0xE0));
}

TEST_F(FontChoice, StoredLatinBaseChecksNothingAndOkKeepsIt) {
    Open(u"DejaVu Sans", 16, kLatinBase);
    EXPECT_EQ(dialog.CheckedButton(), 0);
    EXPECT_EQ(dialog.SampleText, SampleOf(u'a'));
    Pick(u"Keter YG", u"20");
    Ok();
    EXPECT_EQ(spec.FontAsciiBase, kLatinBase);
    EXPECT_EQ(spec.FontSize, 20);
}

TEST_F(FontChoice, StoredLatinBaseGivesWayToAButtonThatIsClicked) {
    Open(u"DejaVu Sans", 16, kLatinBase);
    ClickBase(IDC_BASE_1255, kWindows1255Base);
    Ok();
    EXPECT_EQ(spec.FontAsciiBase, kWindows1255Base);
}

TEST_F(FontChoice, HebrewFaceSwitchesTheBaseTo5D0AndRefreshesTheSample) {
    Open(u"DejaVu Sans", 16, kWindows1255Base);
    EXPECT_EQ(dialog.CheckedButton(), IDC_BASE_1255);
    Pick(u"David CLM");
    EXPECT_EQ(dialog.CheckedButton(), IDC_BASE_UNICODE);
    EXPECT_EQ(dialog.SampleText, SampleOf(0x05D0));
    ASSERT_NE(dialog.SampleFont(), nullptr);
    EXPECT_EQ(dialog.SampleFont()->LetterBase, kUnicodeBase);
    Ok();
    EXPECT_EQ(spec.FontAsciiBase, kUnicodeBase);
}

TEST_F(FontChoice, OtherFaceLeavesTheBaseAlone) {
    Open(u"DejaVu Sans", 16, kWindows1255Base);
    Pick(u"Keter YG");
    EXPECT_EQ(dialog.CheckedButton(), IDC_BASE_1255);
    EXPECT_EQ(dialog.SampleText, SampleOf(0xE0));
    // A name that only begins like a Hebrew face is not that face.
    Pick(u"David");
    EXPECT_EQ(dialog.CheckedButton(), IDC_BASE_1255);
}

TEST_F(FontChoice, BaseButtonDoesNotSwitchEvenWithAHebrewFaceSelected) {
    Open(u"David CLM", 16, kUnicodeBase);
    Pick(u"David CLM");
    ClickBase(IDC_BASE_1255, kWindows1255Base);
    EXPECT_EQ(dialog.CheckedButton(), IDC_BASE_1255);
    EXPECT_EQ(dialog.SampleFont()->LetterBase, kWindows1255Base);
}

TEST_F(FontChoice, SampleFontFollowsTheListsAndReplacesThePreviousOne) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    Pick(u"Keter YG", u"24");
    const FakeSampleFont* first = dialog.SampleFont();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->FaceName, u"Keter YG");
    EXPECT_EQ(first->CellHeight, 24);
    Pick(u"DejaVu Sans");
    EXPECT_TRUE(first->Deleted);
    EXPECT_EQ(dialog.SampleFont()->FaceName, u"DejaVu Sans");
    EXPECT_EQ(dialog.SampleFont()->CellHeight, 24) << "the size list kept its selection";
    EXPECT_FALSE(dialog.SampleFont()->Deleted);
}

TEST_F(FontChoice, OkWritesTheSelectedSizeAndFace) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    Pick(u"David CLM", u"20");
    Ok();
    EXPECT_EQ(std::u16string(spec.FontName), u"David CLM");
    EXPECT_EQ(spec.FontSize, 20);
    EXPECT_TRUE(dialog.SampleFont()->Deleted) << "OK releases the sample font";
}

TEST_F(FontChoice, OkWithoutSelectionsChangesNothing) {
    Open(u"Miriam", 0, kUnicodeBase);
    Ok();
    EXPECT_EQ(std::u16string(spec.FontName), u"Miriam");
    EXPECT_EQ(spec.FontSize, 0);
    EXPECT_EQ(spec.FontAsciiBase, kUnicodeBase);
}

TEST_F(FontChoice, EmptySizeTextLeavesTheSizeAsItWas) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    Pick(u"DejaVu Sans", u"");
    Ok();
    EXPECT_EQ(spec.FontSize, 16);
}

TEST_F(FontChoice, LongSizeTextIsReadOnlyAsFarAsItsBuffer) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    Pick(u"DejaVu Sans", u"12345678901");
    Ok();
    EXPECT_EQ(spec.FontSize, 1234567);
}

TEST_F(FontChoice, LongFaceNameIsCutToThirtyOneUnits) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    Pick(u"A face name that is much longer than thirty-one units");
    Ok();
    EXPECT_EQ(std::u16string(spec.FontName), u"A face name that is much longer");
}

TEST_F(FontChoice, FacesAreKeptInEnumerationOrderOnceEach) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    AddFontFace(u"David CLM", 0);   // the same face in another character set
    AddFontFace(u"Aharoni CLM", kHebrewCharSet);
    std::u16string names;
    for (const FontFaceRecord* face = ChooseFontDialog.Faces; face; face = face->Next)
        names += std::u16string(face->FaceName) + u";";
    EXPECT_EQ(names, u"DejaVu Sans;David CLM;Keter YG;Aharoni CLM;");
    EXPECT_EQ(FindFontFace(u"David CLM")->CharSet, kHebrewCharSet);
}

TEST_F(FontChoice, FacesComeInBlocksOfTwentyFive) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    for (int i = 3; i < 26; ++i) {
        std::u16string name = u"Face " + std::u16string(1, char16_t(u'A' + i));
        ASSERT_EQ(AddFontFace(name.c_str(), 0), 1);
    }
    int blocks = 0, faces = 0;
    for (const FontFaceRecord* face = ChooseFontDialog.Faces; face; face = face->Next) {
        blocks += face->BlockStart;
        ++faces;
    }
    EXPECT_EQ(faces, 26);
    EXPECT_EQ(blocks, 2);
    EXPECT_EQ(ChooseFontDialog.FreeRecords, 24);
}

TEST_F(FontChoice, EnumerationEndsWhenNoBlockCanBeHad) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    for (int i = 3; i < 25; ++i) {
        std::u16string name = u"Face " + std::u16string(1, char16_t(u'A' + i));
        AddFontFace(name.c_str(), 0);
    }
    FailAllocationAfter(0);
    EXPECT_EQ(AddFontFace(u"One Too Many", 0), 0);
    EXPECT_EQ(FindFontFace(u"One Too Many"), nullptr);
    EXPECT_NE(FindFontFace(u"Face Y"), nullptr) << "the faces collected so far stay";
}

TEST_F(FontChoice, FreeingTheFacesEmptiesTheList) {
    Open(u"DejaVu Sans", 16, kUnicodeBase);
    FreeFontFaces();
    EXPECT_EQ(ChooseFontDialog.Faces, nullptr);
    EXPECT_EQ(ChooseFontDialog.FreeRecords, 0);
    EXPECT_EQ(FindFontFace(u"David CLM"), nullptr);
    EXPECT_EQ(AddFontFace(u"David CLM", kHebrewCharSet), 1) << "a new opening lists afresh";
}

}  // namespace
