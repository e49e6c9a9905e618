// The fixture of the tests that drive the real reader: every test starts from
// the standard settings (or clears them itself) with no reader running, and a
// reader it leaves running is closed when it ends.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/support/program_process.h"
#include "tests/win32/support/window_state_probe.h"

class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Starts the reader and waits until it is up; a failed start fails the test.
    void LaunchReader(int showCommand = SW_SHOWNORMAL);
    // Closes the reader (WM_CLOSE) and expects it to end with 0, so the
    // settings it wrote can be read.
    void CloseReader();

    // What the window shows now, after everything sent to it was handled.
    WindowState Observe(UINT menuCommand = 0);
    int TopLine() { return Observe().ScrollPos; }
    int MaxTopLine() { return Observe().ScrollMax; }
    bool IsChecked(UINT menuCommand) { return Observe(menuCommand).MenuItemChecked; }

    HWND Window() const { return reader.MainWindow(); }

    ProgramProcess reader;
};
