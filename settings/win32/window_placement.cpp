#include "settings/win32/window_placement.h"

#include "settings/settings_values.h"

namespace {

// A stored command outside the ones ShowWindow knows, or SW_HIDE, would leave
// the window invisible for good.
bool IsVisibleShowCommand(uint32_t command) { return command >= SW_SHOWNORMAL && command <= SW_MAX; }

}  // namespace

void RestoreWindowPlacement(HWND window, int defaultShowCommand) {
    int32_t top = int32_t(ReadDword(kValueTop, 0));
    int32_t left = int32_t(ReadDword(kValueLeft, 0));
    int32_t width = int32_t(ReadDword(kValueWidth, 0));
    int32_t height = int32_t(ReadDword(kValueHeight, 0));
    uint32_t showCommand = ReadDword(kValueShowCmd, uint32_t(defaultShowCommand));
    if (!IsVisibleShowCommand(showCommand)) showCommand = uint32_t(defaultShowCommand);

    if (width > 0 || height > 0) MoveWindow(window, left, top, width, height, TRUE);
    ShowWindow(window, int(showCommand));
}

void SaveWindowPlacement(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;   // 44
    RECT frame = {};
    if (!GetWindowPlacement(window, &placement) || !GetWindowRect(window, &frame)) return;

    int32_t top = frame.top;
    int32_t left = frame.left;
    const RECT& normal = placement.rcNormalPosition;
    if (placement.showCmd == SW_SHOWMAXIMIZED) {
        // A maximized window's rectangle lies partly off the screen, by its frame.
        top += GetSystemMetrics(SM_CYFRAME) + normal.top;
        left += GetSystemMetrics(SM_CXFRAME) + normal.left;
    }
    WriteDword(kValueTop, uint32_t(top));
    WriteDword(kValueLeft, uint32_t(left));
    WriteDword(kValueWidth, uint32_t(normal.right - normal.left));
    WriteDword(kValueHeight, uint32_t(normal.bottom - normal.top));
    WriteDword(kValueShowCmd, placement.showCmd);
}
