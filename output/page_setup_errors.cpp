#include "output/page_setup_errors.h"

namespace {

struct PageSetupError {
    uint32_t Code;
    const char16_t* Message;
};

const PageSetupError kPageSetupErrors[] = {
    {0x0001, u"Struct Size"},                // CDERR_STRUCTSIZE
    {0x0002, u"Initialization"},             // CDERR_INITIALIZATION
    {0x0003, u"No Template"},                // CDERR_NOTEMPLATE
    {0x0004, u"No hInstance"},               // CDERR_NOHINSTANCE
    {0x0005, u"Load String Failure"},        // CDERR_LOADSTRFAILURE
    {0x0006, u"Find Resource Failure"},      // CDERR_FINDRESFAILURE
    {0x0007, u"Load Resource Failure"},      // CDERR_LOADRESFAILURE
    {0x0008, u"Lock Resource Failure"},      // CDERR_LOCKRESFAILURE
    {0x0009, u"Memory Allocation Failure"},  // CDERR_MEMALLOCFAILURE
    {0x000A, u"Memory Lock Failure"},        // CDERR_MEMLOCKFAILURE
    {0x000B, u"No Hook"},                    // CDERR_NOHOOK
    {0x000C, u"RegisterWindowMessage Fail"}, // CDERR_REGISTERMSGFAIL
    {0x1001, u"Setup Failure"},              // PDERR_SETUPFAILURE
    {0x1002, u"Parse Failure"},              // PDERR_PARSEFAILURE
    {0x1003, u"Return Default Failure"},     // PDERR_RETDEFFAILURE
    {0x1004, u"Load Driver Failure"},        // PDERR_LOADDRVFAILURE
    {0x1005, u"GetDevMode Fail"},            // PDERR_GETDEVMODEFAIL
    {0x1006, u"Init Failure"},               // PDERR_INITFAILURE
    {0x1007, u"No Printer Drivers Were Found"},                     // PDERR_NODEVICES
    {0x1008, u"No Default Printer"},                                // PDERR_NODEFAULTPRN
    {0x1009, u"DevMode and DevNames Are For Different Printers"},   // PDERR_DNDMMISMATCH
    {0x100A, u"Create Information Context  Failure"},               // PDERR_CREATEICFAILURE
    {0x100B, u"Printer Not Found"},          // PDERR_PRINTERNOTFOUND
    {0x100C, u"Default Different"},          // PDERR_DEFAULTDIFFERENT
    {0xFFFF, u"Dialog Failure"},             // CDERR_DIALOGFAILURE
};

}  // namespace

const char16_t* PageSetupErrorMessage(uint32_t code) {
    for (const PageSetupError& error : kPageSetupErrors)
        if (error.Code == code) return error.Message;
    return nullptr;
}

FailedPageSetupStep StepAfterFailedPageSetup(uint32_t code, bool offeredStoredPrinter) {
    if (code == 0) return FailedPageSetupStep::Cancelled;
    switch (code) {
        case 0x1004:   // PDERR_LOADDRVFAILURE: the stored printer's driver is gone
        case 0x1005:   // PDERR_GETDEVMODEFAIL: its driver refuses the stored settings
        case 0x1009:   // PDERR_DNDMMISMATCH
        case 0x100A:   // PDERR_CREATEICFAILURE: the stored printer cannot be reached
        case 0x100B:   // PDERR_PRINTERNOTFOUND
        case 0x100C:   // PDERR_DEFAULTDIFFERENT
            if (offeredStoredPrinter) return FailedPageSetupStep::RetryFromDefaultPrinter;
            break;
    }
    return FailedPageSetupStep::ShowError;
}
