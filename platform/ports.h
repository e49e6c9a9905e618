// The few places where the portable core must reach the platform: message
// boxes, the main window, the settings store and the embedded records.
// The Win32 shell installs its implementations in Ports at start-up; tests
// install fakes.
#pragma once
#include <cstdint>

class ClipboardPort;
class RecordSource;
class SettingsStore;

// Message box styles and answers, with their Win32 values.
constexpr uint32_t kMbOk = 0x0;
constexpr uint32_t kMbYesNoCancel = 0x3;
constexpr uint32_t kMbIconError = 0x10;
constexpr uint32_t kMbIconWarning = 0x30;
constexpr int32_t kIdOk = 1;
constexpr int32_t kIdCancel = 2;
constexpr int32_t kIdYes = 6;
constexpr int32_t kIdNo = 7;

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // owner is a window handle or null; caption null means the platform's
    // default caption. Returns the button chosen.
    virtual int32_t ShowMessage(void* owner, const char16_t* text, const char16_t* caption,
                                uint32_t style) = 0;
};

// The parts RepaintMain paints: 0x100 fills the client area below the toolbar
// with white, 0x001 draws the view (clearing its own rectangle first exactly
// when 0x100 is given). After the view got a new article: everything.
constexpr uint32_t kPaintClear = 0x100;
constexpr uint32_t kPaintView = 0x001;
constexpr uint32_t kPaintAllParts = 0xFF;
constexpr uint32_t kRepaintAll = kPaintClear | kPaintAllParts;

// What the core asks of the Win32 shell: the main window's repaint, scroll bar
// and Bookmark check mark after the article changed, and the resources and
// message-loop end that start-up and shutdown handle.
class ShellPort {
public:
    virtual ~ShellPort() = default;
    virtual void RepaintMain(void* window, uint32_t flags) = 0;
    virtual void UpdateScrollBar(void* window) = 0;
    virtual void UpdateBookmarkMark(void* window) = 0;
    // Bitmaps 201-203 into AppSettings.GlyphBitmaps; one that cannot be loaded
    // stays null.
    virtual void LoadGlyphBitmaps() = 0;
    virtual void DeleteGlyphBitmaps() = 0;   // each one that is loaded
    virtual void PostQuit(int32_t code) = 0;
};

struct PlatformPorts {
    MessagePort* Messages;
    ShellPort* Shell;
    RecordSource* Records;
    SettingsStore* Store;
    ClipboardPort* Clipboard;
};

extern PlatformPorts Ports;
