// The table of contents record: the four divisions, their books and the
// books' articles, each entry a little-endian key, flags, level and a title in
// letter code (display order), ended by five zero bytes.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/book/article_division.h"
#include "tools/book/book_source.h"

constexpr uint8_t kDivisionEntryFlags = 0x8C;   // shown when the list opens, large and bold
constexpr uint8_t kBookEntryFlags = 0x01;
constexpr uint8_t kArticleEntryFlags = 0x01;
constexpr uint8_t kDivisionLevel = 1;
constexpr uint8_t kBookLevel = 2;
constexpr uint8_t kArticleLevel = 3;
constexpr uint16_t kFirstSectionKey = 0xBFFE;   // less the entry's position in the record
constexpr uint16_t kArticleKeyBase = 0x4000;    // plus the article number
constexpr size_t kMaxContentsBytes = 0xFFFF;    // its uncompressed length is 16-bit

// articles are numbered from 1 in the order given. Throws std::runtime_error
// when the record would pass kMaxContentsBytes.
std::vector<uint8_t> ContentsRecord(const std::vector<SourceBook>& books,
                                    const std::vector<ArticleRange>& articles);
