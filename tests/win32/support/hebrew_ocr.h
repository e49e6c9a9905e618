// Hebrew text recognition of a captured picture: tesseract (-l heb) run from
// Wine through the Linux shell, on the picture scaled up first so that text in
// a dialog's small font is large enough to read.
#pragma once
#include <string>

#include "tests/win32/support/window_capture.h"

// Saves the capture under the build tree as ocr/<name>.bmp and returns what
// the recogniser reads in it as one line; on failure sets *failure to why.
std::u16string RecogniseHebrewLine(const Capture& capture, const std::string& name, int scale,
                                   std::string* failure);
