// The one global state record of the program.
#pragma once
#include <cstdint>

#include "platform/display_scale.h"
#include "settings/font_spec.h"

struct ArticleView;

// Flags bits.
constexpr uint32_t kFlagsScrollBarMask = 0xC0;      // either bit: a vertical scroll bar
constexpr uint32_t kFlagsScrollBarRight = 0x40;
constexpr uint32_t kFlagsScrollBarLeft = 0x80;      // WS_EX_LEFTSCROLLBAR
constexpr uint32_t kFlagsReverse = 0x800;
constexpr uint32_t kFlagsKeyPageModeMask = 0x700000;   // bits 20-22
constexpr int kFlagsKeyPageModeShift = 20;
constexpr uint32_t kFlagsClickPageModeMask = 0x7000000;  // bits 24-26
constexpr int kFlagsClickPageModeShift = 24;
constexpr uint32_t kFlagsClickSplitVertical = 0x10000000;  // upper/lower halves
constexpr uint32_t kFlagsClickPaging = 0x80000000;

// The main window has a vertical scroll bar (on either side).
constexpr bool HasScrollBar(uint32_t flags) { return (flags & kFlagsScrollBarMask) != 0; }

constexpr uint32_t kDefaultFlags = 0xD1140040;
constexpr int32_t kDefaultFontAsciiBase = 1488;
constexpr int32_t kDefaultSurroundingGutter = 10;
constexpr int kSearchStringSize = 34;   // at most 33 bytes and the NUL

// Bit 0 of the bookmark prompt flags: remove without asking for the rest of the run.
constexpr uint32_t kBookmarkDontAsk = 0x1;

struct AppSettingsRecord {
    void* Instance;
    // FontName, FontSize and FontAsciiBase, in this order, form a FontSpec.
    FontSpec Font;
    uint16_t LastPosition;
    uint32_t Flags;
    uint16_t Lesson;
    uint8_t SearchString[kSearchStringSize];
    ArticleView* View;
    int32_t FrameHeight;
    int32_t FrameWidth;
    int32_t SurroundingGutter;
    void* Toolbar;
    void* MainWindow;
    void* GlyphBitmaps[3];
    uint16_t BookmarkCount;
    uint16_t* Bookmarks;
    uint32_t BookmarkPromptFlags;
    // The main window's dots per inch; 0 (before the window is made) stands
    // for the standard 96. Never stored.
    int32_t ScreenDpi;
    // Set once LoadSettings has read the store; shutdown writes only then, and
    // only once. Never stored.
    bool SettingsLoaded;
    // The face drawn while none is chosen and the letter base it was chosen
    // for (view/display_font.h); none until first needed. Never stored.
    const char16_t* FallbackFace;
    int32_t FallbackFaceBase;
};

extern AppSettingsRecord AppSettings;

// Clears the record to zero (process entry).
void ClearAppSettings();

// The main window's dots per inch (96 until it is known).
int32_t ScreenDpi();
// A size the design gives in pixels at 96 DPI, for the main window's screen.
int32_t ScreenPixels(int32_t pixels);
// SurroundingGutter, which is in pixels at 96 DPI, for the main window's screen.
int32_t ScreenGutter();
// The whole multiple of the pictures drawn for the main window's screen.
int32_t ScreenPictureMultiple();
// Of a picture drawn once (standard) and at twice the size (twice), the
// resource for the main window's screen.
int32_t ScreenPicture(int32_t standard, int32_t twice);
// The same for a dialog's picture, which is drawn twice the size from 144 DPI.
int32_t ScreenDialogPictureMultiple();
int32_t ScreenDialogPicture(int32_t standard, int32_t twice);
