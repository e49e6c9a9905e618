// The built book's article records as the book builder wrote them
// (generated/records/), by identifier, for the tests that run over the whole
// book; empty where the build made no book (the sanitizer build).
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "store/record_loader.h"
#include "tools/book/book_records.h"

inline std::map<uint16_t, std::vector<uint8_t>> BuiltBookArticleRecords() {
    const std::filesystem::path generated = std::filesystem::path(ORVENDEL_BINARY_DIR) / "generated";
    std::map<uint16_t, std::vector<uint8_t>> records;
    if (!std::filesystem::is_directory(generated / "records")) return records;
    for (int id = kRecordIdBase + 1; id <= kRecordIdBase + kArticleCount; ++id) {
        std::ifstream file(generated / RecordFileName(uint16_t(id)), std::ios::binary);
        records[uint16_t(id)] = {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    return records;
}
