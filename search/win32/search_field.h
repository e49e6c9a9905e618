// The Search dialog's field: an EDIT control that holds the pattern in the
// order right-to-left text is stored in (display order), with the Latin keys
// mapped to Hebrew letters while Scroll Lock is off.
#pragma once
#include <windows.h>

// The field's text begins with this mark (LEFT-TO-RIGHT OVERRIDE): without it
// the EDIT control reorders Hebrew for display and shows every word
// backwards; with it the field shows exactly the stored order. The mark is
// never part of the pattern and is not counted as one of its characters.
constexpr wchar_t kFieldOrderMark = 0x202D;
// Characters the pattern may hold, and the field with its mark.
constexpr int kFieldMaxCharacters = 33;
constexpr int kFieldLimit = kFieldMaxCharacters + 1;

constexpr wchar_t kSubclassErrorText[] = L"SubclassWindow() error";
constexpr wchar_t kSubclassErrorCaption[] = L"Hebrew";

// The field's font: the article's face, its FontSize value used directly as
// the height (0 leaves the height to the font mapper), made as the article's
// letters are, so that a face with only the Hebrew code page is not replaced
// by another and a face without the letters gives way to one with them. The
// caller deletes it.
HFONT MakeSearchFieldFont(HWND field);

// Installs SearchEditProc as the field's window procedure, remembering the one
// it replaces; when the platform refuses, says "SubclassWindow() error" and
// ends the program.
void SubclassSearchEdit(HWND field);
LRESULT CALLBACK SearchEditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

// Maps and inserts one typed character with the caret put back in front of
// it; 0 when handled, 1 when the field's own handling must take it.
int InsertMappedKey(HWND field, wchar_t c);
// Inserts c at the caret (replacing the selection) and puts the caret back in
// front of it, so that the next letter lands to its left. A full field takes
// nothing and the caret stays.
void InsertInFront(HWND field, wchar_t c);

// The field's text as stored: the mark and anything after the 33rd character
// left out; units holds kFieldMaxCharacters + 1 units.
void ReadFieldPattern(HWND field, wchar_t* units);
// Puts the mark back at the start when an edit removed or moved it, keeping
// the caret where it was among the real characters.
void KeepFieldOrderMark(HWND field);
