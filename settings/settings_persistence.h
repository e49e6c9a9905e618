// When the settings are read into AppSettings and written back: once at
// start-up (LoadSettings, before the main window exists) and once at shutdown
// (SaveAndQuit).
#pragma once
#include <cstdint>

// Stored font sizes outside 0..kMaxFontSize (points) are taken as none chosen.
constexpr int32_t kMaxFontSize = 1000;

// Reads every value of the program key into AppSettings, loads the glyph
// bitmaps through the shell and reads the bookmark list.
void LoadSettings();

// SurroundingGutter from the maker-level key (default 10), read at process entry.
int32_t ReadSurroundingGutter();

// The shutdown routine: deletes the glyph bitmaps, writes the settings that are
// set, frees the view, writes and frees the bookmarks, posts the quit message.
// Settings are written only when LoadSettings has completed in this run, so an
// early end (out of memory during start-up) cannot overwrite stored values
// with ones never read.
void SaveAndQuit();
