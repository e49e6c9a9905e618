// Reads a Rich Text body the way a word processor does: \uN escapes (a space
// right after one is its delimiter), \par, the escaped \ { and }, line ends
// ignored. The text comes out with '\n' for each \par.
#pragma once
#include <string>

// False (with why in *fault) when the body holds what a body must not: an
// unescaped brace, or a control word other than \u and \par.
bool ReadRtfBody(const std::string& body, std::u16string* text, std::string* fault);
