// Functions of system libraries reached through GetProcAddress instead of the
// import table: a function newer than Windows 7 (the import table may name
// only what Windows 7 has), and the libraries the first article does not need
// (the common dialogs, the shell, the print spooler), which would otherwise be
// loaded, with what they pull in, at every start.
#pragma once
#include <windows.h>
#include <cderr.h>
#include <commdlg.h>
#include <shellapi.h>
#include <winspool.h>

// The function name of the system library library (a file of the system
// folder, loaded on the first call for it and kept for the run), or null when
// either is missing.
FARPROC SystemFunctionAddress(const wchar_t* library, const char* name);

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunctionAddress(library, name)));
}

// The libraries loaded on first use, under the names of their functions. Each
// behaves as the function it stands for; when it cannot be had, it fails as
// that function does (FALSE, with ERROR_PROC_NOT_FOUND as the last error) and
// CommDlgExtendedError answers CDERR_DIALOGFAILURE (the dialog could not be
// made).
namespace OnFirstUse {
BOOL PageSetupDlgW(PAGESETUPDLGW* setup);
DWORD CommDlgExtendedError();
BOOL ShellExecuteExW(SHELLEXECUTEINFOW* execute);
BOOL EnumPrintersW(DWORD flags, wchar_t* name, DWORD level, BYTE* printers, DWORD bytes,
                   DWORD* needed, DWORD* returned);
BOOL GetDefaultPrinterW(wchar_t* name, DWORD* units);
}  // namespace OnFirstUse
