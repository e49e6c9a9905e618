// The program's start: the platform check, the ports, the single-instance rule,
// the main window and the message loop.
#pragma once
#include <windows.h>

#include "resources/product_identity.h"

// The maker's address, shown as the caption of the platform refusal (a narrow
// string for MessageBoxA).
constexpr char kMakerAddress[] = MAKER_HOST;
constexpr char kUnsupportedPlatformText[] =
    "This Application does NOT run on:\n\n\tWINDOWS 95\n\tWINDOWS 98\n\tWINDOWS ME\n";
constexpr wchar_t kOutOfMemoryText[] = L"There is not enough memory, aborting";
constexpr wchar_t kOutOfMemoryCaption[] = L"Error";
// Shown with the caption "Error" when start-up cannot make the main window.
constexpr char16_t kNoMainWindowText[] = u"The main window could not be created.";

// The Win32 implementations of the core's ports, for the life of the process.
void InstallPlatformPorts();
// The abort hook of AllocOrAbort: tells the user, saves what it can, ends.
void InstallOutOfMemoryHandler();
// True on the NT line; false on Windows 95, 98 and ME.
bool IsSupportedPlatform();
// The new main window, or null when this start must end (another instance
// runs and was handed the start, or the window could not be made).
HWND StartInstance(int showCommand);
// Registers the main window's class (a class this process registered before
// counts) and makes the window. When either fails the user is told and the
// result is null, so that start-up ends instead of running without a window.
HWND OpenMainWindow(HINSTANCE instance, const wchar_t* className);
// Runs until the quit message; returns its code. Without accelerators (they
// could not be loaded) the keys still reach the window, and the menu still
// carries every command.
int RunMessageLoop(HACCEL accelerators);
