// The settings most tests start from: a chosen font (so no first-run font
// dialog comes up) and a window of known place and size, fully on the screen.
#pragma once
#include <windows.h>

inline constexpr wchar_t kStandardFontName[] = L"DejaVu Sans";
inline constexpr DWORD kStandardFontSize = 16;
inline constexpr RECT kStandardWindowRect{40, 40, 680, 520};

// Clears the settings and stores the standard ones.
void StoreStandardSettings();
