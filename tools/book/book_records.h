// The whole book as embedded records: 1,705 articles and the contents record,
// each compressed and wrapped in the record container, and the resource
// script that embeds them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/book/article_division.h"
#include "tools/book/book_source.h"

// The contents record's two container numbers.
constexpr uint16_t kContentsFirstNumber = 1;
constexpr uint16_t kContentsSecondNumber = 255;

struct BookRecord {
    uint16_t Identifier;            // 1000 + article number, or 32767
    std::vector<uint8_t> Data;      // the decompressed bytes
    std::vector<uint8_t> Record;    // container and compressed data, as embedded
};

struct BuiltBook {
    std::vector<ArticleRange> Articles;   // article n is Articles[n - 1]
    std::vector<BookRecord> Records;      // the articles in order, then the contents
};

BuiltBook BuildBook(const std::vector<SourceBook>& books);

// "records/<identifier>.bin", relative to the generated directory.
std::string RecordFileName(uint16_t identifier);

// An RT_RCDATA line per record, naming its file relative to the generated
// directory (which is on the resource compiler's include path). A digest of
// the records heads the script, so that a changed record changes the script
// and the resources that include it are compiled again.
std::string BookResourceScript(const std::vector<BookRecord>& records);
