// The decompressed bytes of one article: a title block, a block with the verse
// range, and one block per verse, every string right to left in display order.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/book/article_division.h"
#include "tools/book/book_source.h"
#include "view/article_view.h"

constexpr uint8_t kRightToLeftCentred = kFormatRightToLeft | kFormatAlignCentre | kFormatParagraphEnd;
constexpr uint8_t kTitleFormat = kRightToLeftCentred | 0x01;         // 0xD1, normal size
constexpr uint8_t kVerseRangeFormat = kRightToLeftCentred | kFormatSmall;  // 0xD2
constexpr uint8_t kVerseFormat = kFormatRightToLeft | kFormatAlignRight | 0x01;   // 0x31
constexpr uint8_t kParagraphEndVerseFormat = kVerseFormat | kFormatParagraphEnd;  // 0xB1

// Hang level 3, margin 0: the verse number hangs in a box of two of the font's
// widest characters, the widest box there is. The book's widest three-letter
// numbers need 1.3 to 1.9 times tmMaxCharWidth in the Culmus faces (Miriam
// and Simple CLM the most), more than the 1.5 times of level 2; at level 3
// they fit every Hebrew face tried, with a gap of a space or more before the
// verse in David, Frank Ruehl and DejaVu Sans and a few pixels in Miriam.
constexpr uint8_t kVerseHangLevel = 3;
constexpr uint8_t kVerseLayout = kVerseHangLevel << 6;   // 0xC0

// Bytes the verse's block takes: format, layout, string and its NUL.
size_t VerseBlockSize(const SourceVerse& verse);

// Titles in reading order (letter codes): "<book> <chapter>", with
// ", <first>-<last>" for part of a chapter; and the verse-range line
// "פסוקים <first>-<last>" ("פסוק <n>" for one verse).
std::string ArticleTitle(const std::vector<SourceBook>& books, const ArticleRange& article);
// The article's entry in the contents: "פרק <chapter>", with ", <first>-<last>"
// for part of a chapter.
std::string ContentsArticleTitle(const std::vector<SourceBook>& books, const ArticleRange& article);

// The whole decompressed article, ending with its last string's NUL and the
// end marker 0.
std::vector<uint8_t> ArticleMarkup(const std::vector<SourceBook>& books, const ArticleRange& article);
