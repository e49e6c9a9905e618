// Hebrew text recognition (tesseract -l heb) of one line of a picture. The
// recogniser is a Linux program (linux_command.h), and it reads the picture
// from the build tree.
#pragma once
#include <string>

#include "tests/win32/support/linux_command.h"
#include "tests/win32/support/window_capture.h"

// The build tree (ORVENDEL_BINARY_DIR), empty when it is not named.
std::string BinaryDir();

// What tesseract reads in the picture at imageUnixPath (a BMP holding one
// line of text), or empty with failure set to why it could not.
std::u16string RecogniseHebrewLine(const std::string& imageUnixPath, std::string* failure);
// The same for the area [left, right) x [top, bottom) of a capture, written
// first as ocr/<name>.bmp in the build tree.
std::u16string RecogniseHebrewLine(const Capture& capture, const RECT& area,
                                   const std::string& name, std::string* failure);
