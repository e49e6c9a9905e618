// Hebrew text recognition of pictures the tests write: tesseract with its
// Hebrew model, run as a Linux program from the test.
#pragma once
#include <string>

#include "tests/win32/support/linux_command.h"
#include "tests/win32/support/window_capture.h"

// The build tree (ORVENDEL_BINARY_DIR), where the pictures are written; empty
// when it is not named.
std::string BinaryDir();

// Page segmentation modes of tesseract used here.
constexpr int kOcrSingleLine = 7;
constexpr int kOcrSingleColumn = 4;

// Runs tesseract on the picture at imageUnixPath and returns what it read
// (UTF-16), or sets failure to why it could not.
std::u16string RecogniseHebrew(const std::string& imageUnixPath, int pageSegmentation,
                               std::string* failure);

// Saves the capture under the build tree as ocr/<name>.bmp, scales it up
// (text in a dialog's small font is too small to read as it is) and returns
// what the recogniser reads in it as one line; on failure sets *failure.
std::u16string RecogniseHebrewLine(const Capture& capture, const std::string& name, int scale,
                                   std::string* failure);
