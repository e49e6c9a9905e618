// The built book's article records as the book builder wrote them
// (generated/records/), by identifier, for the tests that run over the whole
// book; empty where the build made no book (the sanitizer build).
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"
#include "tools/book/book_records.h"

inline std::map<uint16_t, std::vector<uint8_t>> BuiltBookArticleRecords() {
    const std::filesystem::path generated = std::filesystem::path(ORVENDEL_BOOK_BUILD_DIR) / "generated";
    std::map<uint16_t, std::vector<uint8_t>> records;
    if (!std::filesystem::is_directory(generated / "records")) return records;
    for (int id = kRecordIdBase + 1; id <= kRecordIdBase + kArticleCount; ++id) {
        std::ifstream file(generated / RecordFileName(uint16_t(id)), std::ios::binary);
        records[uint16_t(id)] = {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    return records;
}

// Tests over the whole book: its records installed as the record source and
// the global state cleared around each test, which is skipped without a book.
class BuiltBookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { records_ = BuiltBookArticleRecords(); }
    static void TearDownTestSuite() { records_.clear(); }

    void SetUp() override {
        if (records_.empty()) GTEST_SKIP() << "this build has no book";
        ports_.Records.Records = records_;
        ClearAppSettings();
    }
    void TearDown() override { ClearAppSettings(); }

    static inline std::map<uint16_t, std::vector<uint8_t>> records_;
    ScopedFakePorts ports_;
};
