// What the user is told when page setup fails, code by code.
#include <gtest/gtest.h>

#include <string>

#include "output/page_setup_errors.h"

namespace {

std::u16string MessageFor(uint32_t code) {
    const char16_t* message = PageSetupErrorMessage(code);
    return message ? message : u"(none)";
}

TEST(PageSetupErrors, CommonDialogCodesHaveTheirMessages) {
    EXPECT_EQ(MessageFor(0x0001), u"Struct Size");
    EXPECT_EQ(MessageFor(0x0002), u"Initialization");
    EXPECT_EQ(MessageFor(0x0003), u"No Template");
    EXPECT_EQ(MessageFor(0x0004), u"No hInstance");
    EXPECT_EQ(MessageFor(0x0005), u"Load String Failure");
    EXPECT_EQ(MessageFor(0x0006), u"Find Resource Failure");
    EXPECT_EQ(MessageFor(0x0007), u"Load Resource Failure");
    EXPECT_EQ(MessageFor(0x0008), u"Lock Resource Failure");
    EXPECT_EQ(MessageFor(0x0009), u"Memory Allocation Failure");
    EXPECT_EQ(MessageFor(0x000A), u"Memory Lock Failure");
    EXPECT_EQ(MessageFor(0x000B), u"No Hook");
    EXPECT_EQ(MessageFor(0x000C), u"RegisterWindowMessage Fail");
    EXPECT_EQ(MessageFor(0xFFFF), u"Dialog Failure");
}

TEST(PageSetupErrors, PrinterCodesHaveTheirMessages) {
    EXPECT_EQ(MessageFor(0x1001), u"Setup Failure");
    EXPECT_EQ(MessageFor(0x1002), u"Parse Failure");
    EXPECT_EQ(MessageFor(0x1003), u"Return Default Failure");
    EXPECT_EQ(MessageFor(0x1004), u"Load Driver Failure");
    EXPECT_EQ(MessageFor(0x1005), u"GetDevMode Fail");
    EXPECT_EQ(MessageFor(0x1006), u"Init Failure");
    EXPECT_EQ(MessageFor(0x1007), u"No Printer Drivers Were Found");
    EXPECT_EQ(MessageFor(0x1008), u"No Default Printer");
    EXPECT_EQ(MessageFor(0x1009), u"DevMode and DevNames Are For Different Printers");
    EXPECT_EQ(MessageFor(0x100A), u"Create Information Context  Failure") << "two spaces";
    EXPECT_EQ(MessageFor(0x100B), u"Printer Not Found");
    EXPECT_EQ(MessageFor(0x100C), u"Default Different");
}

TEST(PageSetupErrors, OtherCodesHaveNone) {
    EXPECT_EQ(PageSetupErrorMessage(0), nullptr) << "a cancelled dialog";
    EXPECT_EQ(PageSetupErrorMessage(0x000D), nullptr);
    EXPECT_EQ(PageSetupErrorMessage(0x100D), nullptr);
    EXPECT_EQ(PageSetupErrorMessage(0x3001), nullptr);
}


// Page setup with the printer stored last time: only the errors that say that
// printer is gone or does not match its settings start one more dialog from
// the default printer; whatever that dialog then says is shown, once.
TEST(PageSetupErrors, OnlyAMissingOrMismatchedStoredPrinterIsTriedAgainFromTheDefault) {
    using Step = FailedPageSetupStep;
    for (uint32_t gone : {0x1004u, 0x1005u, 0x1009u, 0x100Au, 0x100Bu, 0x100Cu}) {
        EXPECT_EQ(StepAfterFailedPageSetup(gone, true), Step::RetryFromDefaultPrinter) << std::hex << gone;
        EXPECT_EQ(StepAfterFailedPageSetup(gone, false), Step::ShowError) << "no third dialog, " << std::hex << gone;
    }
    for (uint32_t other : {0x0001u, 0x0002u, 0x0009u, 0x000Au, 0x1001u, 0x1006u, 0x1007u, 0x1008u, 0xFFFFu, 0x4242u}) {
        EXPECT_EQ(StepAfterFailedPageSetup(other, true), Step::ShowError) << "no second dialog, " << std::hex << other;
        EXPECT_EQ(StepAfterFailedPageSetup(other, false), Step::ShowError) << std::hex << other;
    }
    EXPECT_EQ(StepAfterFailedPageSetup(0, true), Step::Cancelled);
    EXPECT_EQ(StepAfterFailedPageSetup(0, false), Step::Cancelled);
}

}  // namespace
