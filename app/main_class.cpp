// The main window's class and the window itself.
#include "app/main_class.h"

#include "resources/resource_ids.h"
#include "settings/app_settings.h"

ATOM RegisterMainClass(HINSTANCE instance, const wchar_t* className) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ORVENDEL));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = className;
    return RegisterClassW(&windowClass);
}

DWORD MainWindowStyle(uint32_t flags) {
    DWORD style = WS_OVERLAPPED | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (HasScrollBar(flags)) style |= WS_VSCROLL;
    return style;
}

DWORD MainWindowExStyle(uint32_t flags) {
    DWORD style = WS_EX_WINDOWEDGE;
    if (flags & kFlagsScrollBarLeft) style |= WS_EX_LEFTSCROLLBAR;
    return style;
}

HWND CreateMainWindow(HINSTANCE instance, const wchar_t* className) {
    return CreateWindowExW(MainWindowExStyle(AppSettings.Flags), className, kMainCaption,
                           MainWindowStyle(AppSettings.Flags), CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}
