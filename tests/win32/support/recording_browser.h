// A web browser that records the addresses it is asked to open, for the
// shell's Open action under Wine.
//
// Wine 8 opens an http address given to ShellExecuteExW with its own
// winebrowser, which runs the programs listed in the value "Browsers"
// (comma-separated) of HKCU\Software\Wine\WineBrowser, the first that starts,
// with the address as the one argument. An absolute Linux path to a script
// works there. Such a program inherits the Linux environment the test was
// started with (not variables a Windows program sets later), so the script
// (recording_browser.sh) writes into ORVENDEL_BINARY_DIR/browser-addresses.txt.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class RecordingBrowser {
public:
    // Points the hook at the script and empties the record; a failure to do
    // either is Failure().
    RecordingBrowser();
    // Puts the previous hook back.
    ~RecordingBrowser();
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    const std::string& Failure() const { return failure_; }
    // The addresses recorded so far, in order.
    std::vector<std::string> Addresses() const;
    // Waits until at least count addresses have been recorded.
    std::vector<std::string> WaitForAddresses(size_t count, DWORD timeoutMs = 15000) const;

private:
    std::string failure_;
    std::wstring recordPath_;
    std::optional<std::wstring> previousBrowsers_;
};
