// Hebrew text recognition of pictures the tests write: tesseract with its
// Hebrew model, a Linux program that Wine starts like any other process.
#pragma once
#include <string>

// The build tree (ORVENDEL_BINARY_DIR), where the pictures are written; empty
// when it is not named.
std::string BinaryDir();
// A path of the Linux file system as Wine's drive Z: shows it.
std::wstring WinePath(const std::string& unixPath);

// Page segmentation modes of tesseract used here.
constexpr int kOcrSingleLine = 7;
constexpr int kOcrSingleColumn = 4;

// Runs tesseract on the picture at imageUnixPath and returns what it read
// (UTF-16), or sets failure to why it could not.
std::u16string RecogniseHebrew(const std::string& imageUnixPath, int pageSegmentation,
                               std::string* failure);
