// Linux programs run from a test under Wine (xclip, the word processor,
// poppler, the recogniser): Wine starts them without a process handle to wait
// on, so a shell runs the command and then writes its exit status into a file
// of its own, which is polled for.
#pragma once
#include <windows.h>

#include <string>

// A path of the Linux file system as Wine's drive Z: shows it.
std::wstring WinePath(const std::string& unixPath);
// The whole file, or empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

// A directory of the build tree for the files a test hands to Linux
// programs (ORVENDEL_BINARY_DIR/<name>), made when missing; empty when the
// build tree is not known.
std::string TestFilesDir(const std::string& name);

// A file name inside the build tree's scratch folder for Linux commands.
std::string ScratchPath(const std::string& name);
// A Unix path quoted for the shell.
std::string ShellQuoted(const std::string& text);

struct LinuxCommandResult {
    bool Ran = false;        // false: the command could not be run or did not finish
    int Status = -1;         // its exit status
    std::string Output;      // its standard output
    std::string Errors;      // its standard error
    std::string Failure;     // why it did not succeed, with the end of what it said; empty on success
    bool Succeeded() const { return Ran && Status == 0; }
};

// Runs command with /bin/sh (its output and errors kept apart), waiting at
// most timeoutMs for it to end.
LinuxCommandResult RunLinuxCommand(const std::string& command, DWORD timeoutMs = 60000);
