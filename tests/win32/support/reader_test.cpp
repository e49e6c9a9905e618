#include "tests/win32/support/reader_test.h"

#include "tests/win32/support/standard_settings.h"

void ReaderTest::SetUp() {
    ASSERT_EQ(CountMainWindows(), 0) << "a reader from an earlier test is still running";
    StoreStandardSettings();
}

void ReaderTest::LaunchReader(int showCommand) {
    ASSERT_TRUE(reader.Launch(showCommand)) << "the reader did not come up";
}

void ReaderTest::CloseReader() {
    ASSERT_EQ(reader.CloseAndWait(), 0u);
}

WindowState ReaderTest::Observe(UINT menuCommand) {
    WindowState state;
    EXPECT_TRUE(ProbeWindowState(Window(), menuCommand, &state)) << "the reader did not answer";
    return state;
}
