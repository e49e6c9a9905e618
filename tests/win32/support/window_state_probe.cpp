#include "tests/win32/support/window_state_probe.h"

#include <string>

#include "tests/win32/probe/window_state_record.h"

namespace {

std::wstring ProbeDllPath() {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"window_state_probe.dll";
}

struct ProbeChannel {
    HANDLE Mapping = nullptr;
    WindowStateRecord* Record = nullptr;
    HMODULE Dll = nullptr;
    HOOKPROC Hook = nullptr;
    DWORD HookedThread = 0;
    HHOOK HookHandle = nullptr;
    LONG LastRequest = 0;
    UINT Message = 0;

    bool Open() {
        if (Record) return true;
        Message = RegisterWindowMessageW(WINDOW_STATE_PROBE_MESSAGE);
        Mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                     sizeof(WindowStateRecord), WINDOW_STATE_PROBE_MAPPING);
        if (!Mapping) return false;
        Record = static_cast<WindowStateRecord*>(
            MapViewOfFile(Mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(WindowStateRecord)));
        Dll = LoadLibraryW(ProbeDllPath().c_str());
        if (Dll) Hook = reinterpret_cast<HOOKPROC>(GetProcAddress(Dll, WINDOW_STATE_PROBE_HOOK));
        return Record && Hook;
    }

    bool HookThreadOf(HWND window) {
        DWORD thread = GetWindowThreadProcessId(window, nullptr);
        if (!thread) return false;
        if (thread == HookedThread) return true;
        if (HookHandle) UnhookWindowsHookEx(HookHandle);
        HookHandle = SetWindowsHookExW(WH_GETMESSAGE, Hook, Dll, thread);
        HookedThread = HookHandle ? thread : 0;
        return HookHandle != nullptr;
    }
};

ProbeChannel& Channel() {
    static ProbeChannel channel;
    return channel;
}

}  // namespace

bool ProbeWindowState(HWND window, UINT menuCommand, WindowState* state, DWORD timeoutMs) {
    ProbeChannel& channel = Channel();
    if (!channel.Open() || !channel.HookThreadOf(window)) return false;
    const LONG request = ++channel.LastRequest;
    if (!PostMessageW(window, channel.Message, static_cast<WPARAM>(request), menuCommand)) return false;
    const DWORD start = GetTickCount();
    while (channel.Record->Answered != request) {
        if (GetTickCount() - start > timeoutMs || !IsWindow(window)) return false;
        Sleep(2);
    }
    MemoryBarrier();
    const WindowStateRecord& record = *channel.Record;
    state->HasScrollBarInfo = record.HasScrollInfo != FALSE;
    state->ScrollMax = record.ScrollMax;
    state->ScrollPos = record.ScrollPos;
    state->MenuItemExists = record.MenuState != 0xFFFFFFFFu;
    state->MenuItemChecked = state->MenuItemExists && (record.MenuState & MF_CHECKED) != 0;
    state->NeedsPaint = record.NeedsPaint != FALSE;
    state->InputPending = record.InputPending != FALSE;
    return true;
}

bool WaitUntilHandled(HWND window) {
    WindowState ignored;
    return ProbeWindowState(window, 0, &ignored);
}

bool WaitUntilInputHandled(HWND window) {
    const DWORD start = GetTickCount();
    WindowState state;
    do {
        // Input sent to the foreground may reach the queue a moment later.
        Sleep(50);
        if (!ProbeWindowState(window, 0, &state)) return false;
        if (!state.InputPending) return WaitUntilHandled(window);
    } while (GetTickCount() - start < 10000);
    return false;
}
