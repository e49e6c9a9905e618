#include "tests/win32/support/window_input.h"

#include <vector>

void PressKey(HWND window, WORD virtualKey) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
}

void SendCommand(HWND window, WORD command) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void ScrollBarRequest(HWND window, WORD request, short thumbPosition) {
    PostMessageW(window, WM_VSCROLL, MAKEWPARAM(request, static_cast<WORD>(thumbPosition)), 0);
}

void TurnWheel(HWND window, short delta) {
    RECT rect;
    GetWindowRect(window, &rect);
    const LPARAM screenPoint = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), screenPoint);
}

void ClickAt(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool TypeKeys(HWND window, std::initializer_list<WORD> chord) {
    SetForegroundWindow(window);
    for (int i = 0; i < 100 && GetForegroundWindow() != window; ++i) Sleep(10);
    if (GetForegroundWindow() != window) return false;
    std::vector<INPUT> inputs;
    for (WORD key : chord) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    const UINT count = static_cast<UINT>(inputs.size());
    return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}
