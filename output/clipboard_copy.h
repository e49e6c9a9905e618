// Copy and Append to ClipBoard: the whole current article on the clipboard,
// as Unicode text for a font whose letters sit below 257, else as a Rich Text
// document. Exactly one format is placed each time.
#pragma once
#include <cstddef>
#include <cstdint>

struct ArticleView;

constexpr char16_t kRichTextFormatName[] = u"Rich Text Format";
// Above this FontAsciiBase the letters are Unicode Hebrew letters.
constexpr int32_t kLegacyFontBaseLimit = 256;

// CopyArticle's append flag.
constexpr int32_t kReplaceClipboard = 0;
constexpr int32_t kAppendToClipboard = 1;

// Does nothing without a view or its Text.
void CopyArticle(ArticleView* view, int32_t append);

// A copy (from AllocOrAbort, followed by two zero bytes) of the clipboard's
// data in format (0: Unicode text) without its terminator, its length in
// bytes in *length: 2 x its units for Unicode text, else up to its first 0
// byte, never beyond the block. None (length 0) when the clipboard cannot be
// opened or holds no such data or only an empty one.
uint8_t* ReadClipboard(size_t* length, uint32_t format);
