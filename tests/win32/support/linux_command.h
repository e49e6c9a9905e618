// Linux programs run from a test under Wine (xclip, the word processor):
// Wine starts them without a process handle to wait on, so a shell runs the
// command and then writes its exit status into a file, which is polled for.
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

// Runs the shell command (sh -c) with its output and errors in logPath;
// true when it ended with status 0. Otherwise *failure says why, with the
// end of the log.
bool RunLinuxCommand(const std::string& command, const std::string& logPath, DWORD timeoutMs,
                     std::string* failure);
// A Unix path quoted for the shell.
std::string ShellQuoted(const std::string& text);
