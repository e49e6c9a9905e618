// Linux scripts whose standard output a Win32 test reads (poppler, the
// recogniser): as with RunLinuxCommand, a shell runs the script and then
// writes its exit status into a file of its own, which is polled for; its
// output and its errors are kept apart.
#pragma once
#include <windows.h>

#include <string>

#include "tests/win32/support/linux_command.h"

struct UnixResult {
    bool Ran = false;        // false: the script could not be run or did not finish
    int Status = -1;         // its exit status
    std::string Output;      // its standard output
    std::string Failure;     // why it did not run, or its standard error
};

// Runs script with /bin/sh in a scratch folder of the build tree.
UnixResult RunUnixScript(const std::string& script, DWORD timeoutMs = 60000);
// A file name inside the build tree's scratch folder for this test program.
std::string ScratchPath(const std::string& name);
