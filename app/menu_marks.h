// The Reverse and Bookmark check marks of the main menu.
#pragma once
#include <windows.h>

enum class MarkMode { Set, Toggle };

// Set mode: checked when state is not 0; toggle mode: the opposite of now.
// Returns 1 when the item is checked afterwards.
int SetMenuCheck(HMENU menu, MarkMode mode, UINT command, int state);
// Shows bit 11 of Flags (set mode) or flips it (toggle mode); the bit follows
// the mark.
void UpdateReverseMark(HWND window, MarkMode mode);
// Checked exactly when the current article is bookmarked.
void UpdateBookmarkMark(HWND window, MarkMode mode);
