// What the state probe reads inside the program's process and hands to the
// tests through a named shared memory block. Wine keeps a window's scroll bar
// and menu inside the process that owns them (GetScrollInfo and GetMenuState
// fail across processes there), so the tests read them from within.
#pragma once
#include <windows.h>

// Names shared by the probe DLL and the tests.
#define WINDOW_STATE_PROBE_MESSAGE L"OrvendelTestStateProbe"
#define WINDOW_STATE_PROBE_MAPPING L"Local\\OrvendelTestStateProbe"
#define WINDOW_STATE_PROBE_HOOK "WindowStateProbeHook"

struct WindowStateRecord {
    // The request this answer belongs to: the probe copies the wParam of the
    // probe message here after filling everything else.
    volatile LONG Answered;
    BOOL HasScrollInfo;
    int ScrollMin;
    int ScrollMax;
    int ScrollPos;
    // GetMenuState of the command given in the probe message's lParam, or
    // 0xFFFFFFFF when the window's menu has no such item.
    UINT MenuState;
    // A part of the client area waits for WM_PAINT.
    BOOL NeedsPaint;
    // Keyboard or mouse input waits in the thread's queue (it is retrieved
    // after posted messages, so it may still wait when the probe is answered).
    BOOL InputPending;
};
