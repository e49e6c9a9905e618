// The page-setup error codes (CommDlgExtendedError) and what the user is told
// about each, under the caption "Error Printing".
#pragma once
#include <cstdint>

// The message for code, or null for a code outside the table (the caller then
// shows "Unknown Error"). Code 0 is a cancelled dialog, which shows nothing.
const char16_t* PageSetupErrorMessage(uint32_t code);

// What follows a page setup that ended without success (code from
// CommDlgExtendedError). Only an error that says the printer set up last time
// is gone, or does not match its stored settings, is worth one more dialog
// started from the default printer; any other error would come again there,
// and is shown once.
enum class FailedPageSetupStep { Cancelled, RetryFromDefaultPrinter, ShowError };
FailedPageSetupStep StepAfterFailedPageSetup(uint32_t code, bool offeredStoredPrinter);
