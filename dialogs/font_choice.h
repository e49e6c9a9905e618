// The Choose Font dialog's state and the choices it makes: the enumerated
// faces, the sample letters and font, and what OK writes into the edited
// FontSpec. The Win32 dialog (dialogs/win32/choose_font_dialog.h) feeds it
// the platform's faces and its controls.
#pragma once
#include <cstdint>

#include "resources/resource_ids.h"
#include "view/article_view.h"
#include "view/text_device.h"

class FontDialogControls;

constexpr uint8_t kHebrewCharSet = 177;      // HEBREW_CHARSET
constexpr int32_t kFaceRecordsPerBlock = 25;
constexpr int32_t kFaceNameSize = 32;        // UTF-16 units, the terminating 0 included
constexpr int32_t kSampleLetterCount = 27;
constexpr int32_t kSizeTextSize = 8;         // UTF-16 units read from the size list

struct FontFaceRecord {
    FontFaceRecord* Next;
    char16_t FaceName[kFaceNameSize];
    uint8_t CharSet;      // from the enumerated font's text metrics
    uint8_t BlockStart;   // 1 on the first record of each allocated block
};

// A font description, all zero but what the two lists choose.
struct SampleFontDescription {
    int32_t Height;       // character cell height; 0 for the mapper's default
    char16_t FaceName[kFaceNameSize];
};

// One dialog at a time: cleared when it opens and when it closes.
struct ChooseFontState {
    FontFaceRecord* Faces;       // enumeration order
    FontFaceRecord* LastFace;
    FontFaceRecord* NextFree;    // in the block being filled
    int32_t FreeRecords;
    FontHandle SampleFont;       // set on the sample box, or none
    SampleFontDescription Sample;
    FontSpec* Edited;            // AppSettings' font itself, so OK changes it directly
    char16_t SampleText[kSampleLetterCount + 1];
};
extern ChooseFontState ChooseFontDialog;

enum class FontChoiceMode {
    Commit,       // OK
    FontOrSize,   // a list notified
    Base,         // a base button was clicked
};

// Empty face list, no block, sample description all zero.
void ResetFontFaces();
// Releases every block of face records, then resets.
void FreeFontFaces();
// Appends one enumerated face (a face listed already is not listed again).
// 0 when no block of records could be had, which ends the enumeration with
// the faces collected so far; else 1.
int32_t AddFontFace(const char16_t* faceName, uint8_t charSet);
// The first record of exactly this face name, or none.
const FontFaceRecord* FindFontFace(const char16_t* faceName);

// The 27 letters from the last to the first, as the right-aligned sample box
// shows them ending at its right edge.
void ShowSampleLetters(FontDialogControls* dialog, int32_t base);
// The opening's choices: spec is remembered as the edited record, a base of
// 0 becomes 1488, the sample shows its letters and its button is checked.
void BeginFontChoice(FontDialogControls* dialog, FontSpec* spec);
// Reads the lists into the sample description and, by mode, switches a
// Hebrew face to the Unicode base, makes the sample font, or (Commit) writes
// size, base and face into the edited record.
void ApplyFontChoice(FontDialogControls* dialog, FontChoiceMode mode);
// Deletes the sample font, if any, and forgets it (the dialog is destroyed).
void ForgetSampleFont(FontDialogControls* dialog);
