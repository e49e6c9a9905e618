// The clipboard as the tests see it: from inside Wine (the formats a program
// placed, their data) and from Linux, as an X11 program reads it (xclip),
// and a Rich Text document as a word processor reads it (LibreOffice).
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The formats on the clipboard that a program placed: the text formats
// Windows makes from Unicode text (CF_TEXT, CF_OEMTEXT, CF_LOCALE) are left out.
std::vector<UINT> PlacedClipboardFormats();
UINT RichTextFormat();
std::optional<std::u16string> ClipboardUnicodeText();
std::optional<std::string> ClipboardRichText();
// Puts text on the clipboard as another program does: it is then the only data.
bool PutClipboardUnicodeText(const std::u16string& text);
bool EmptyTheClipboard();

// What an X11 program gets for the target ("text/rtf", "UTF8_STRING") of the
// clipboard selection of the Wine session's display. False with *failure.
bool ReadX11Clipboard(const std::string& target, const std::string& outputUnixPath,
                      std::string* bytes, std::string* failure);
// Puts the file's bytes on the clipboard selection of the Wine session's
// display as an X11 program does (xclip), offered as target ("text/rtf").
bool PutX11Clipboard(const std::string& target, const std::string& inputUnixPath, std::string* failure);

// The document at rtfUnixPath converted to UTF-8 text by the word processor,
// without its byte-order mark. False with *failure when it cannot start or
// convert.
bool WordProcessorText(const std::string& rtfUnixPath, std::string* text, std::string* failure);
// The UTF-8 text at textUnixPath saved by the word processor as a Rich Text
// document of its own making, in *rtf. False with *failure.
bool WordProcessorRichText(const std::string& textUnixPath, std::string* rtf, std::string* failure);
