#include "platform/win32/system_function.h"

#include <string>

FARPROC SystemFunctionAddress(const wchar_t* library, const char* name) {
    // Found by its full path in the system folder, never on the search path.
    HMODULE module = GetModuleHandleW(library);
    if (!module) {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + library).c_str());
    }
    return module ? GetProcAddress(module, name) : nullptr;
}

namespace {

// Each wrapper looks its function up once; a missing one is looked up again
// at the next call, which costs nothing that matters.
template <typename Function>
Function Bound(Function* cache, const wchar_t* library, const char* name) {
    if (!*cache) *cache = SystemFunction<Function>(library, name);
    if (!*cache) SetLastError(ERROR_PROC_NOT_FOUND);
    return *cache;
}

constexpr wchar_t kCommonDialogs[] = L"comdlg32.dll";
constexpr wchar_t kShell[] = L"shell32.dll";
constexpr wchar_t kSpooler[] = L"winspool.drv";

}  // namespace

namespace OnFirstUse {

BOOL PageSetupDlgW(PAGESETUPDLGW* setup) {
    static decltype(&::PageSetupDlgW) function;
    return Bound(&function, kCommonDialogs, "PageSetupDlgW") ? function(setup) : FALSE;
}

DWORD CommDlgExtendedError() {
    static decltype(&::CommDlgExtendedError) function;
    return Bound(&function, kCommonDialogs, "CommDlgExtendedError") ? function()
                                                                     : CDERR_DIALOGFAILURE;
}

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* execute) {
    static decltype(&::ShellExecuteExW) function;
    return Bound(&function, kShell, "ShellExecuteExW") ? function(execute) : FALSE;
}

BOOL EnumPrintersW(DWORD flags, wchar_t* name, DWORD level, BYTE* printers, DWORD bytes,
                   DWORD* needed, DWORD* returned) {
    static decltype(&::EnumPrintersW) function;
    return Bound(&function, kSpooler, "EnumPrintersW")
               ? function(flags, name, level, printers, bytes, needed, returned)
               : FALSE;
}

BOOL GetDefaultPrinterW(wchar_t* name, DWORD* units) {
    static decltype(&::GetDefaultPrinterW) function;
    return Bound(&function, kSpooler, "GetDefaultPrinterW") ? function(name, units) : FALSE;
}

}  // namespace OnFirstUse
