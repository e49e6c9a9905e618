// The article's context menu: a right click on a verse line (or the menu key
// and Shift+F10, on the first verse at the top) marks that verse and offers
// the commands that take it.
#pragma once
#include <windows.h>

constexpr wchar_t kCopyVerseItem[] = L"Copy Verse";
constexpr wchar_t kCopyItem[] = L"Copy";
constexpr wchar_t kAppendItem[] = L"Append to ClipBoard";
constexpr wchar_t kBookmarkItem[] = L"Bookmark";

// WM_CONTEXTMENU: lParam is the screen point, or -1 from the keyboard. The
// chosen item sends its command to the window.
LRESULT OnContextMenu(HWND window, LPARAM lParam);
