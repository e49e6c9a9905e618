// The Rich Text document the clipboard holds: one header, the articles'
// bodies with a row of stars before each later one, and one closing brace.
#pragma once
#include <cstddef>

// Right-to-left, right-aligned 10-point text in a Hebrew font; colour 2 of
// the table is red. "\uc0": no fallback character follows a \u escape.
constexpr char kRtfHeader[] =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset177\\cpg1255 David;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red255\\green0\\blue0;}"
    "\\rtldoc\\pard\\rtlpar\\qr\\lang1033\\f0\\fs20\\uc0\r\n";
// A centred row of five bold red stars at 36 points, then back to
// right-aligned 10-point text in colour 0.
constexpr char kRtfSeparator[] = "\\qc\\cf2\\fs72\\b*  *  *  *  *\\b0\\par\\par\\qr\\fs20\\cf0\r\n";
constexpr char kRtfClosing[] = "}\r\n";
// An appended article is a group of its own: the document it joins may be
// another program's, which need not say "\uc0" (a word processor's default
// is one fallback character after each \u escape, and a reader would then
// skip the character after every letter), nor be right to left.
constexpr char kRtfAppendedGroupOpen[] = "{\\pard\\rtlpar\\uc0";
constexpr char kRtfAppendedGroupClose[] = "}";
constexpr size_t kRtfHeaderLength = sizeof kRtfHeader - 1;
constexpr size_t kRtfSeparatorLength = sizeof kRtfSeparator - 1;
constexpr size_t kRtfClosingLength = sizeof kRtfClosing - 1;
constexpr size_t kRtfAppendedGroupLength = sizeof kRtfAppendedGroupOpen - 1 + sizeof kRtfAppendedGroupClose - 1;

// The room a new document takes beyond its body, and an appended article
// beyond its body and the old document.
constexpr size_t kNewDocumentExtra = 186;
constexpr size_t kAppendedArticleExtra = 58 + kRtfAppendedGroupLength;

// Whether the bytes (another program's, perhaps) begin as a Rich Text
// document does, so that an article can be appended to it.
bool IsRichDocument(const char* bytes, size_t length);
// The bytes ComposeRichDocument needs, with an old document of oldLength
// bytes or none (oldLength 0).
size_t RichDocumentSize(size_t bodyLength, size_t oldLength);
// Writes into document (of RichDocumentSize bytes) the header, the body and
// the closing; or, after an old document, the old document without its
// trailing white space and closing brace, the separator and the body in a
// group of their own, and the closing. 0-terminated; returns the length without the 0.
size_t ComposeRichDocument(char* document, const char* old, size_t oldLength, const char* body,
                           size_t bodyLength);
