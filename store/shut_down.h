// The shutdown routine, the one way the program ends: from the main window's
// destruction and from the out-of-memory hook.
#pragma once

// Deletes the glyph bitmaps, writes the settings that are set, frees the view,
// writes and frees the bookmarks, posts the quit message. Settings are
// written only when LoadSettings has completed in this run, so an early end
// (out of memory during start-up) cannot overwrite stored values with ones
// never read.
void SaveAndQuit();
