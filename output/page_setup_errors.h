// The page-setup error codes (CommDlgExtendedError) and what the user is told
// about each, under the caption "Error Printing".
#pragma once
#include <cstdint>

// The message for code, or null for a code outside the table (the caller then
// shows "Unknown Error"). Code 0 is a cancelled dialog, which shows nothing.
const char16_t* PageSetupErrorMessage(uint32_t code);
