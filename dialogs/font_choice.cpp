#include "dialogs/font_choice.h"

#include <cstring>

#include "dialogs/font_dialog_controls.h"
#include "platform/allocation.h"
#include "view/letter_codes.h"

ChooseFontState ChooseFontDialog;

namespace {

void CopyFaceName(char16_t (&to)[kFaceNameSize], const char16_t* from) {
    int i = 0;
    for (; from && from[i] && i < kFaceNameSize - 1; ++i) to[i] = from[i];
    for (; i < kFaceNameSize; ++i) to[i] = 0;
}

bool SameName(const char16_t* a, const char16_t* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

// The base the dialog's buttons choose, testing in this order; the edited
// record's own when none is checked (base 97 from the settings).
int32_t CheckedBase(FontDialogControls* dialog) {
    if (dialog->IsChecked(IDC_BASE_1255)) return kWindows1255Base;
    if (dialog->IsChecked(IDC_BASE_LATIN)) return kLatinBase;
    if (dialog->IsChecked(IDC_BASE_UNICODE)) return kUnicodeBase;
    return ChooseFontDialog.Edited ? ChooseFontDialog.Edited->FontAsciiBase : kUnicodeBase;
}

// The size list's text as a number: each unit c adds c - '0' to ten times
// the value (the list holds only numbers the dialog wrote).
int32_t SizeFromText(const char16_t* text) {
    int32_t value = 0;
    for (; *text; ++text) value = value * 10 + (int32_t(*text) - u'0');
    return value;
}

// A face of the Hebrew character set brings the Unicode base with it.
void SwitchHebrewFaceToUnicodeBase(FontDialogControls* dialog) {
    const FontFaceRecord* face = FindFontFace(ChooseFontDialog.Sample.FaceName);
    if (!face || face->CharSet != kHebrewCharSet || dialog->IsChecked(IDC_BASE_UNICODE)) return;
    dialog->SetChecked(IDC_BASE_1255, false);
    dialog->SetChecked(IDC_BASE_LATIN, false);
    dialog->SetChecked(IDC_BASE_UNICODE, true);
    ShowSampleLetters(dialog, kUnicodeBase);
}

void Commit(FontDialogControls* dialog) {
    FontSpec* spec = ChooseFontDialog.Edited;
    if (!spec) return;
    const SampleFontDescription& sample = ChooseFontDialog.Sample;
    if (sample.Height != 0) spec->FontSize = sample.Height;
    if (dialog->IsChecked(IDC_BASE_1255))
        spec->FontAsciiBase = kWindows1255Base;
    else if (dialog->IsChecked(IDC_BASE_LATIN))
        spec->FontAsciiBase = kLatinBase;
    else if (dialog->IsChecked(IDC_BASE_UNICODE))
        spec->FontAsciiBase = kUnicodeBase;
    if (sample.FaceName[0] != 0) CopyFaceName(spec->FontName, sample.FaceName);
}

}  // namespace

void ResetFontFaces() {
    ChooseFontDialog.Faces = nullptr;
    ChooseFontDialog.LastFace = nullptr;
    ChooseFontDialog.NextFree = nullptr;
    ChooseFontDialog.FreeRecords = 0;
    std::memset(&ChooseFontDialog.Sample, 0, sizeof ChooseFontDialog.Sample);
}

void FreeFontFaces() {
    // Every block starts with a record marked BlockStart, and the records of
    // a block follow each other in the list, so a block is released when its
    // first record is reached, after reading where the list goes on.
    FontFaceRecord* blockToFree = nullptr;
    for (FontFaceRecord* face = ChooseFontDialog.Faces; face; face = face->Next) {
        if (face->BlockStart) {
            PlainFree(blockToFree);
            blockToFree = face;
        }
    }
    PlainFree(blockToFree);
    ResetFontFaces();
}

int32_t AddFontFace(const char16_t* faceName, uint8_t charSet) {
    // Wine enumerates a face once per character set it supports; the list
    // shows each face once, with the character set it came with first.
    if (FindFontFace(faceName)) return 1;
    if (ChooseFontDialog.FreeRecords == 0) {
        auto* block = static_cast<FontFaceRecord*>(
            PlainAlloc(sizeof(FontFaceRecord) * kFaceRecordsPerBlock));
        if (!block) return 0;
        std::memset(block, 0, sizeof(FontFaceRecord) * kFaceRecordsPerBlock);
        block[0].BlockStart = 1;
        ChooseFontDialog.NextFree = block;
        ChooseFontDialog.FreeRecords = kFaceRecordsPerBlock;
    }
    FontFaceRecord* face = ChooseFontDialog.NextFree++;
    --ChooseFontDialog.FreeRecords;
    CopyFaceName(face->FaceName, faceName);
    face->CharSet = charSet;
    face->Next = nullptr;
    if (ChooseFontDialog.LastFace)
        ChooseFontDialog.LastFace->Next = face;
    else
        ChooseFontDialog.Faces = face;
    ChooseFontDialog.LastFace = face;
    return 1;
}

const FontFaceRecord* FindFontFace(const char16_t* faceName) {
    if (!faceName) return nullptr;
    for (const FontFaceRecord* face = ChooseFontDialog.Faces; face; face = face->Next)
        if (SameName(face->FaceName, faceName)) return face;
    return nullptr;
}

namespace {

// The button that stands for a base: 97, 224, 1488; 0 for any other base.
int BaseButton(int32_t base) {
    switch (base) {
        case kLatinBase:       return IDC_BASE_LATIN;
        case kWindows1255Base: return IDC_BASE_1255;
        case kUnicodeBase:     return IDC_BASE_UNICODE;
    }
    return 0;
}

}  // namespace

void ShowSampleLetters(FontDialogControls* dialog, int32_t base) {
    for (int32_t k = 0; k < kSampleLetterCount; ++k)
        ChooseFontDialog.SampleText[k] = char16_t(base + kSampleLetterCount - 1 - k);
    ChooseFontDialog.SampleText[kSampleLetterCount] = 0;
    dialog->SetSampleText(ChooseFontDialog.SampleText);
}

void BeginFontChoice(FontDialogControls* dialog, FontSpec* spec) {
    ResetFontFaces();
    ChooseFontDialog.SampleFont = nullptr;
    ChooseFontDialog.Edited = spec;
    if (spec->FontAsciiBase == 0) spec->FontAsciiBase = kUnicodeBase;
    ShowSampleLetters(dialog, spec->FontAsciiBase);
    if (int button = BaseButton(spec->FontAsciiBase)) dialog->SetChecked(button, true);
}

void ApplyFontChoice(FontDialogControls* dialog, FontChoiceMode mode) {
    SampleFontDescription& sample = ChooseFontDialog.Sample;
    char16_t face[kFaceNameSize];
    if (dialog->ListSelection(IDC_FONT_FACES, face, kFaceNameSize))
        CopyFaceName(sample.FaceName, face);
    char16_t size[kSizeTextSize];
    size[0] = 0;
    if (dialog->ListSelection(IDC_FONT_SIZES, size, kSizeTextSize)) sample.Height = SizeFromText(size);
    if (ChooseFontDialog.SampleFont) {
        dialog->DeleteSampleFont(ChooseFontDialog.SampleFont);
        ChooseFontDialog.SampleFont = nullptr;
    }
    if (mode == FontChoiceMode::FontOrSize && sample.FaceName[0] != 0)
        SwitchHebrewFaceToUnicodeBase(dialog);
    if (mode == FontChoiceMode::Commit) {
        Commit(dialog);
        return;
    }
    FontHandle font = dialog->MakeSampleFont(sample.FaceName, sample.Height, CheckedBase(dialog));
    ChooseFontDialog.SampleFont = font;
    dialog->SetSampleFont(font);
}

void ForgetSampleFont(FontDialogControls* dialog) {
    if (ChooseFontDialog.SampleFont) dialog->DeleteSampleFont(ChooseFontDialog.SampleFont);
    ChooseFontDialog.SampleFont = nullptr;
}
