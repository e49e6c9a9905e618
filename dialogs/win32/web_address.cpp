#include "dialogs/win32/web_address.h"

#include "dialogs/product_version.h"
#include "dialogs/update_address.h"
#include "platform/maker_site.h"
#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"

namespace {

// ShellExecuteExW with the verb "Open", the address as the file and the
// shell's own error box switched off; the result is not examined (a missing
// browser shows nothing).
void OpenWebAddress(HWND owner, const char16_t* address) {
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.hwnd = owner;
    execute.lpVerb = L"Open";
    execute.lpFile = AsWide(address);
    OnFirstUse::ShellExecuteExW(&execute);
}

}  // namespace

void OpenMakerSite(HWND owner) {
    char16_t address[kUpdateAddressSize];
    if (BuildSiteAddress(address, kUpdateAddressSize, kMakerWebAddress) > 0)
        OpenWebAddress(owner, address);
}

void CheckForUpdates(HWND owner) {
    char16_t address[kUpdateAddressSize];
    if (BuildUpdateAddress(address, kUpdateAddressSize, kMakerWebAddress, kProductToken,
                           kProductVersion) > 0)
        OpenWebAddress(owner, address);
}
