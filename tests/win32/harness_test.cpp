// The Win32 test programs run under Wine with a display: a window can be made.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WineHarness, CreatesAWindowOnTheDisplay) {
    HWND window = CreateWindowExW(0, L"STATIC", L"harness", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    DestroyWindow(window);
}
