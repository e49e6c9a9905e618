// Page setup and the opening of a print job.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "output/page_setup_errors.h"
#include "output/stored_device_mode.h"
#include "output/win32/printing.h"
#include "platform/ports.h"
#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"

namespace {

// The device mode the dialog last returned in this run; offered again when
// the settings store has none that can be read.
HGLOBAL RememberedDevMode = nullptr;

void ShowFailure(const char16_t* text, const char16_t* caption) {
    if (Ports.Messages) Ports.Messages->ShowMessage(AppSettings.MainWindow, text, caption, kMbOk);
}

// The dialog owns the block it was offered: it hands back that block, perhaps
// moved, or one of its own in its place. What it returns is kept for the run;
// a block kept earlier and not offered this time is released.
void RememberDevMode(HGLOBAL returned, HGLOBAL offered) {
    if (RememberedDevMode && RememberedDevMode != returned && RememberedDevMode != offered)
        GlobalFree(RememberedDevMode);
    RememberedDevMode = returned;
}

// After a dialog that did not succeed: the remembered block stays (under the
// handle the dialog left it at); a block read from the store is released.
void KeepAfterFailure(HGLOBAL current, HGLOBAL offered) {
    if (offered && offered == RememberedDevMode) {
        RememberedDevMode = current;
        return;
    }
    if (current) GlobalFree(current);
}

// The installed printer a device mode's name stands for. The name field holds
// only the first CCHDEVICENAME - 1 characters of a longer name; such a name is
// completed from the printers whose names begin with it (the default printer
// first, when it is one of them). Else the name as it stands.
std::wstring InstalledPrinterName(const wchar_t* device) {
    const size_t length = wcslen(device);
    if (length < CCHDEVICENAME - 1) return device;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD bytes = 0, count = 0;
    OnFirstUse::EnumPrintersW(flags, nullptr, 4, nullptr, 0, &bytes, &count);
    if (bytes == 0) return device;
    std::vector<BYTE> buffer(bytes);
    if (!OnFirstUse::EnumPrintersW(flags, nullptr, 4, buffer.data(), bytes, &bytes, &count))
        return device;
    wchar_t defaultName[256] = {};
    DWORD defaultUnits = 256;
    if (!OnFirstUse::GetDefaultPrinterW(defaultName, &defaultUnits)) defaultName[0] = 0;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    std::wstring found;
    for (DWORD i = 0; i < count; ++i) {
        const wchar_t* name = printers[i].pPrinterName;
        if (!name || wcsncmp(name, device, length) != 0) continue;
        if (found.empty() || wcscmp(name, defaultName) == 0) found = name;
    }
    return found.empty() ? std::wstring(device) : found;
}

// The printer a device mode is for, by name, as page setup takes it beside the
// device mode: without it the dialog (Wine's) starts from the default printer
// and drops the device mode offered.
HGLOBAL DeviceNamesFor(HGLOBAL devMode) {
    if (!devMode) return nullptr;
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    if (!mode) return nullptr;
    wchar_t field[CCHDEVICENAME + 1] = {};
    std::memcpy(field, mode->dmDeviceName, sizeof mode->dmDeviceName);
    GlobalUnlock(devMode);
    const std::wstring device = InstalledPrinterName(field);
    static const wchar_t kDriver[] = L"winspool";
    const size_t driverUnits = sizeof kDriver / sizeof kDriver[0];
    const size_t deviceUnits = device.size() + 1;
    const size_t headerUnits = sizeof(DEVNAMES) / sizeof(wchar_t);
    const size_t units = headerUnits + driverUnits + deviceUnits + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, units * sizeof(wchar_t));
    if (!block) return nullptr;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(block));
    if (!names) {
        GlobalFree(block);
        return nullptr;
    }
    // Offsets count characters from the block's start; the output port is empty.
    wchar_t* characters = reinterpret_cast<wchar_t*>(names);
    names->wDriverOffset = WORD(headerUnits);
    names->wDeviceOffset = WORD(headerUnits + driverUnits);
    names->wOutputOffset = WORD(headerUnits + driverUnits + deviceUnits);
    std::memcpy(characters + names->wDriverOffset, kDriver, sizeof kDriver);
    std::memcpy(characters + names->wDeviceOffset, device.c_str(), deviceUnits * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

PAGESETUPDLGW PageSetupDescription(HGLOBAL devMode) {
    PAGESETUPDLGW setup;
    std::memset(&setup, 0, sizeof setup);
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = static_cast<HWND>(AppSettings.MainWindow);
    setup.hInstance = static_cast<HINSTANCE>(AppSettings.Instance);
    setup.Flags = PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES;
    setup.hDevMode = devMode;
    setup.hDevNames = DeviceNamesFor(devMode);
    setup.rtMargin.left = LONG(ReadDword(kValuePrintLeft, kDefaultPrintMargin));
    setup.rtMargin.top = LONG(ReadDword(kValuePrintTop, kDefaultPrintMargin));
    setup.rtMargin.right = LONG(ReadDword(kValuePrintRight, kDefaultPrintMargin));
    setup.rtMargin.bottom = LONG(ReadDword(kValuePrintBottom, kDefaultPrintMargin));
    return setup;
}

// The printer's whole name from page setup's device names block; empty when
// there is none.
std::wstring DeviceNameOf(HGLOBAL devNames) {
    if (!devNames) return {};
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames));
    if (!names) return {};
    const size_t units = GlobalSize(devNames) / sizeof(wchar_t);
    const wchar_t* characters = reinterpret_cast<const wchar_t*>(names);
    std::wstring device;
    for (size_t i = names->wDeviceOffset; i < units && characters[i] != 0; ++i) device += characters[i];
    GlobalUnlock(devNames);
    return device;
}

// Stores the whole block and makes the printer's device context from it, for
// the printer named in the device names block: the device mode's own name
// field holds at most 31 characters of it.
HDC PrinterFromDevMode(HGLOBAL block, HGLOBAL devNames) {
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(block));
    if (!mode) return nullptr;
    WriteBytes(kValueDevMode, mode, GlobalSize(block));
    std::wstring device = DeviceNameOf(devNames);
    if (device.empty()) {
        // The name field need not end within itself.
        wchar_t field[CCHDEVICENAME + 1] = {};
        std::memcpy(field, mode->dmDeviceName, sizeof mode->dmDeviceName);
        device = InstalledPrinterName(field);
    }
    HDC dc = CreateDCW(nullptr, device.c_str(), nullptr, mode);
    GlobalUnlock(block);
    return dc;
}

void StoreMargins(const RECT& margins) {
    WriteDword(kValuePrintTop, uint32_t(margins.top));
    WriteDword(kValuePrintBottom, uint32_t(margins.bottom));
    WriteDword(kValuePrintLeft, uint32_t(margins.left));
    WriteDword(kValuePrintRight, uint32_t(margins.right));
}

// A byte-block settings value in a new movable memory block of its size, or
// fallback when the value is missing, is no whole device mode, or memory
// cannot be had.
HGLOBAL ReadDevMode(const char16_t* valueName, HGLOBAL fallback) {
    if (!Ports.Store) return fallback;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (!Ports.Store->Read(kProgramKey, valueName, &type, &data)) return fallback;
    if (!IsWholeDeviceMode(data.data(), data.size())) return fallback;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, data.size());
    if (!block) return fallback;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return fallback;
    }
    std::memcpy(bytes, data.data(), data.size());
    GlobalUnlock(block);
    return block;
}

// The message for the current CommDlgExtendedError code, or null for a code
// outside the page-setup table.
const char16_t* PageSetupErrorText() {
    return PageSetupErrorMessage(OnFirstUse::CommDlgExtendedError());
}

}  // namespace

HDC OpenPrintJob(int32_t ask, const char16_t* documentName, PrintMargins* margins) {
    HGLOBAL offered = ReadDevMode(kValueDevMode, ask ? RememberedDevMode : nullptr);
    PAGESETUPDLGW setup = PageSetupDescription(offered);
    const bool shown = ask || !offered;
    bool chosen = !shown || OnFirstUse::PageSetupDlgW(&setup);
    DWORD code = chosen ? 0 : OnFirstUse::CommDlgExtendedError();
    if (!chosen && StepAfterFailedPageSetup(code, offered != nullptr) ==
                       FailedPageSetupStep::RetryFromDefaultPrinter) {
        // The printer set up last time is gone or changed: page setup starts
        // again from the default printer rather than refusing to print at all.
        KeepAfterFailure(setup.hDevMode, offered);
        if (setup.hDevNames) GlobalFree(setup.hDevNames);
        offered = nullptr;
        setup = PageSetupDescription(nullptr);
        chosen = OnFirstUse::PageSetupDlgW(&setup);
        code = chosen ? 0 : OnFirstUse::CommDlgExtendedError();
    }
    if (!chosen) {
        KeepAfterFailure(setup.hDevMode, offered);
        if (setup.hDevNames) GlobalFree(setup.hDevNames);
        if (code != 0) {
            // Cancelled or closed (code 0) shows nothing.
            const char16_t* text = PageSetupErrorText();
            ShowFailure(text && *text ? text : kUnknownPrintError, kPrintErrorCaption);
        }
        return nullptr;
    }
    HDC dc = nullptr;
    if (setup.hDevMode) {
        if (shown) RememberDevMode(setup.hDevMode, offered);
        dc = PrinterFromDevMode(setup.hDevMode, setup.hDevNames);
        if (!shown) GlobalFree(setup.hDevMode);
    }
    if (setup.hDevNames) GlobalFree(setup.hDevNames);
    if (!dc) {
        ShowFailure(kPrinterFailedMessage, kPrinterFailedCaption);
        return nullptr;
    }

    DOCINFOW document;
    std::memset(&document, 0, sizeof document);
    document.cbSize = sizeof document;
    document.lpszDocName = AsWide(documentName);
    if (StartDocW(dc, &document) <= 0) {
        DeleteDC(dc);
        return nullptr;
    }
    if (StartPage(dc) <= 0) {
        // The document was begun: take it out of the queue again.
        AbortDoc(dc);
        DeleteDC(dc);
        return nullptr;
    }
    SetMapMode(dc, MM_TEXT);
    if (margins) {
        margins->Left = setup.rtMargin.left;
        margins->Top = setup.rtMargin.top;
        margins->Right = setup.rtMargin.right;
        margins->Bottom = setup.rtMargin.bottom;
    }
    StoreMargins(setup.rtMargin);
    return dc;
}
