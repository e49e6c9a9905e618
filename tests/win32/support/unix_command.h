// Linux programs run from a Win32 test program (poppler, the recogniser):
// Wine starts them without a process handle to wait on, so a shell runs the
// script and then writes its exit status into a file of its own, which is
// polled for.
#pragma once
#include <windows.h>

#include <string>

// A path of the Linux file system as Wine's drive Z: shows it.
std::wstring WinePath(const std::string& unixPath);
// The whole file, or empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);

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
