// The state probe: a WH_GETMESSAGE hook the tests set on the program's thread.
// When the program takes the probe message out of its queue, every message
// posted before it has been handled (or has opened a modal loop, which is the
// one that retrieves the probe), so the answer describes the state after them.
#include <windows.h>

#include "tests/win32/probe/window_state_record.h"

namespace {

void Answer(HWND window, WPARAM request, LPARAM menuCommand) {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, WINDOW_STATE_PROBE_MAPPING);
    if (!mapping) return;
    auto* record = static_cast<WindowStateRecord*>(
        MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(WindowStateRecord)));
    if (record) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        record->HasScrollInfo = GetScrollInfo(window, SB_VERT, &info);
        record->ScrollMin = info.nMin;
        record->ScrollMax = info.nMax;
        record->ScrollPos = info.nPos;
        HMENU menu = GetMenu(window);
        record->MenuState = menu ? GetMenuState(menu, static_cast<UINT>(menuCommand), MF_BYCOMMAND)
                                 : 0xFFFFFFFFu;
        record->NeedsPaint = GetUpdateRect(window, nullptr, FALSE);
        record->InputPending = (HIWORD(GetQueueStatus(QS_INPUT)) & QS_INPUT) != 0;
        MemoryBarrier();
        record->Answered = static_cast<LONG>(request);
        UnmapViewOfFile(record);
    }
    CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK WindowStateProbeHook(int code, WPARAM removal,
                                                                       LPARAM lParam) {
    static const UINT probeMessage = RegisterWindowMessageW(WINDOW_STATE_PROBE_MESSAGE);
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && message->message == probeMessage) {
        Answer(message->hwnd, message->wParam, message->lParam);
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}
