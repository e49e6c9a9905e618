// When the settings are read into AppSettings and written back: once at
// start-up (LoadSettings, before the main window exists) and once at shutdown
// (SaveAndQuit, store/shut_down.h).
#pragma once
#include <cstdint>

// Stored font sizes outside 0..kMaxFontSize (points) are taken as none chosen.
constexpr int32_t kMaxFontSize = 1000;

// Reads every value of the program key into AppSettings, loads the glyph
// bitmaps through the shell and reads the bookmark list.
void LoadSettings();

// SurroundingGutter from the maker-level key (default 10), read at process entry.
int32_t ReadSurroundingGutter();

// Writes the settings that are set; lastPosition is the view's top line, or
// none when there is no view (the stored one is then kept).
void WriteSettings(const uint32_t* lastPosition);
