// The Search dialog's field, and any other dialog's field that must behave
// like it: an EDIT control that holds its text in the order right-to-left
// text is stored in (display order), with the Latin keys mapped to Hebrew
// letters while Scroll Lock is off, in the article's face.
#pragma once
#include <windows.h>

// The field's text begins with this mark (LEFT-TO-RIGHT OVERRIDE): without it
// the EDIT control reorders Hebrew for display and shows every word
// backwards; with it the field shows exactly the stored order. The mark is
// never part of the text read and is not counted as one of its characters.
constexpr wchar_t kFieldOrderMark = 0x202D;
// Characters the search pattern may hold.
constexpr int kFieldMaxCharacters = 33;

// The field's font: the article's face, its FontSize value used directly as
// the height (0 leaves the height to the font mapper), made as the article's
// letters are, so that a face with only the Hebrew code page is not replaced
// by another and a face without the letters gives way to one with them. The
// dialog deletes it in its OnDestroy.
HFONT CreateSearchFieldFont(HWND field);
// Makes field (an EDIT control) a search field: font, room for maxCharacters
// and the mark, text (display order, without the mark) shown behind the mark,
// the mapped keys. Its dialog hands the field's EN_CHANGE to
// KeepFieldOrderMark. When the platform refuses the subclassing, says
// "SubclassWindow() error" and ends the program.
void SetUpSearchField(HWND field, HFONT font, int maxCharacters, const wchar_t* text);

// The stored pattern as the field's text (kFieldMaxCharacters + 1 units), in
// stored order: the Reverse step is left out, so that confirming the field
// unchanged keeps the pattern.
void StoredPatternText(wchar_t* text);

// Inserts c at the caret (replacing the selection) and puts the caret back in
// front of it, so that the next letter lands to its left. A full field takes
// nothing and the caret stays.
void InsertInFront(HWND field, wchar_t c);
// The field's text as stored: the mark left out and no more than the
// maxCharacters it was set up with; units holds maxCharacters + 1 units.
void ReadFieldText(HWND field, wchar_t* units);
// Puts the mark back at the start when an edit removed or moved it, keeping
// the caret where it was among the real characters.
void KeepFieldOrderMark(HWND field);
