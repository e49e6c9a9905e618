// Web addresses handed to the shell's Open action, which shows them in the
// user's browser: the maker's site and the update check.
#pragma once
#include <windows.h>

void OpenMakerSite(HWND owner);
// Opens the update-check address on the maker's server, which carries the
// platform, the product token and the version.
void CheckForUpdates(HWND owner);
