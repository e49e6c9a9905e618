// Start-up's checks of what the window system hands back: a main window that
// cannot be made is reported, never left as a process without a window, and a
// message loop without accelerators still runs.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "settings/app_settings.h"
#include "tests/fakes/fake_ports.h"

namespace {

class ShellStartUp : public ::testing::Test {
protected:
    ScopedFakePorts Fakes;
    HINSTANCE Instance = GetModuleHandleW(nullptr);

    void SetUp() override { ClearAppSettings(); }
    void TearDown() override { ClearAppSettings(); }

    // A class of the test's own, registered before start-up tries its own.
    const wchar_t* RegisterTestClass(const wchar_t* name, WNDPROC procedure) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = Instance;
        windowClass.lpszClassName = name;
        EXPECT_NE(RegisterClassW(&windowClass), 0);
        return name;
    }
    void ExpectTheUserWasTold() {
        ASSERT_EQ(Fakes.Messages.Shown.size(), 1u);
        const ShownMessage& shown = Fakes.Messages.Shown[0];
        EXPECT_EQ(shown.Owner, nullptr);
        EXPECT_EQ(shown.Text, u"The main window could not be created.");
        EXPECT_EQ(shown.Caption, u"Error");
        EXPECT_EQ(shown.Style, kMbIconError);
    }
};

LRESULT CALLBACK RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(ShellStartUp, AClassThatCannotBeRegisteredEndsStartUpWithAnError) {
    EXPECT_EQ(OpenMainWindow(Instance, L""), nullptr);
    ASSERT_NO_FATAL_FAILURE(ExpectTheUserWasTold());
}

TEST_F(ShellStartUp, AWindowThatCannotBeMadeEndsStartUpWithAnError) {
    const wchar_t* refusing = RegisterTestClass(L"OrvendelRefusingClass", RefuseCreation);
    EXPECT_EQ(OpenMainWindow(Instance, refusing), nullptr);
    ASSERT_NO_FATAL_FAILURE(ExpectTheUserWasTold());
    UnregisterClassW(refusing, Instance);
}

// A class the process registered before is no failure: the window is made
// with it, and nothing is shown.
TEST_F(ShellStartUp, AClassRegisteredBeforeStillMakesTheWindow) {
    const wchar_t* registered = RegisterTestClass(L"OrvendelStartUpTest", DefWindowProcW);
    HWND window = OpenMainWindow(Instance, registered);
    ASSERT_NE(window, nullptr);
    wchar_t caption[32] = {};
    GetWindowTextW(window, caption, 32);
    EXPECT_STREQ(caption, L"Orvendel");
    EXPECT_TRUE(Fakes.Messages.Shown.empty());
    DestroyWindow(window);
    UnregisterClassW(registered, Instance);
}

TEST_F(ShellStartUp, MessageLoopWithoutAcceleratorsRunsToTheQuitCode) {
    PostQuitMessage(7);
    EXPECT_EQ(RunMessageLoop(nullptr), 7);
}

}  // namespace
