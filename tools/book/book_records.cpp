#include "tools/book/book_records.h"

#include <cinttypes>
#include <cstdio>

#include "store/record_loader.h"
#include "tools/book/article_markup.h"
#include "tools/book/contents_record.h"
#include "tools/palmdoc/record_container.h"

namespace {
BookRecord MakeBookRecord(uint16_t identifier, std::vector<uint8_t> data, uint16_t first, uint16_t second) {
    std::vector<uint8_t> record = MakeRecord(data.data(), data.size(), first, second);
    return {identifier, std::move(data), std::move(record)};
}

uint64_t RecordsDigest(const std::vector<BookRecord>& records) {
    uint64_t hash = 0xcbf29ce484222325ull;   // FNV-1a
    const auto mix = [&hash](uint8_t byte) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    };
    for (const BookRecord& record : records) {
        mix(static_cast<uint8_t>(record.Identifier >> 8));
        mix(static_cast<uint8_t>(record.Identifier));
        for (uint8_t byte : record.Record) mix(byte);
    }
    return hash;
}
}  // namespace

BuiltBook BuildBook(const std::vector<SourceBook>& books) {
    BuiltBook book;
    book.Articles = DivideIntoArticles(books, kArticleCount);
    for (size_t i = 0; i < book.Articles.size(); ++i) {
        const auto number = static_cast<uint16_t>(i + 1);
        book.Records.push_back(MakeBookRecord(static_cast<uint16_t>(kRecordIdBase + number),
                                              ArticleMarkup(books, book.Articles[i]), number, number));
    }
    book.Records.push_back(MakeBookRecord(kContentsRecordId, ContentsRecord(books, book.Articles),
                                          kContentsFirstNumber, kContentsSecondNumber));
    return book;
}

std::string RecordFileName(uint16_t identifier) { return "records/" + std::to_string(identifier) + ".bin"; }

std::string BookResourceScript(const std::vector<BookRecord>& records) {
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016" PRIx64, RecordsDigest(records));
    std::string script =
        "// The book: articles 1 to 1705 as records 1001 to 2705 and the table of\n"
        "// contents as record 32767, written by the book builder.\n"
        "// Records digest: " + std::string(digest) + "\n";
    for (const BookRecord& record : records)
        script += std::to_string(record.Identifier) + " RCDATA \"" + RecordFileName(record.Identifier) + "\"\n";
    return script;
}
