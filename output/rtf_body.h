// The plain text of an article as the body of a Rich Text document: 8-bit
// ASCII, every other character as a \u escape.
#pragma once
#include <cstddef>

// With output null: an upper bound of the body's length, its terminating 0
// counted. With output (room for at least that bound): writes the body,
// 0-terminated, and returns its length without the 0.
//
// Runs of CR and LF become one paragraph break ("\par\par" and CR LF), and
// the body ends with one more. \, { and } are escaped. A \uN escape is ended
// by a space where a letter, a digit or a space follows it, as the reader
// would otherwise take that character into the escape; a space run keeps its
// length otherwise.
size_t EncodeRtfBody(const char16_t* text, char* output);
