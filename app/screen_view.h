// The screen view: the main window's device context with the GDI text device
// on it, the view's creation there, and the release of the device context
// when the window goes.
#pragma once
#include <windows.h>

// Called once from the main window's WM_CREATE after the toolbar exists: takes
// the window's device context for the life of the window, creates the view on
// it and shows the current article ("Resource not found" when it cannot be
// loaded; no view and no message when the view cannot be made).
void LoadFirstArticle(HWND window);

// A move to a screen of other dots per inch (ScreenDpi): the view's fonts made
// again for it, its origin moved below the new toolbar, its text laid out
// again.
void FitScreenViewToDpi(HWND window);

// WM_DESTROY, before SaveAndQuit: releases the device context taken by
// LoadFirstArticle. The text device object around it stays until the view is
// gone (the view deletes its fonts through it, which needs no device context);
// it is freed by the next LoadFirstArticle or at process exit.
void ReleaseViewDc(HWND window);
