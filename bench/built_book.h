// The built book's article records (generated/records/, written by
// book_records) installed as the record source of the fake ports, for the
// benchmarks that run over the whole book.
#pragma once
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "store/record_loader.h"
#include "tests/fakes/fake_ports.h"

inline std::map<uint16_t, std::vector<uint8_t>> BuiltBookRecords() {
    std::map<uint16_t, std::vector<uint8_t>> records;
    for (int number = 1; number <= kArticleCount; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "/%d.bin", number + kRecordIdBase);
        std::ifstream file(ORVENDEL_BINARY_DIR "/generated/records" + std::string(name), std::ios::binary);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (bytes.empty()) return {};
        records[uint16_t(number + kRecordIdBase)] = bytes;
    }
    return records;
}

struct BuiltBook {
    ScopedFakePorts Ports;
    bool Complete = false;
    BuiltBook() {
        Ports.Records.Records = BuiltBookRecords();
        Complete = !Ports.Records.Records.empty();
    }
};

// The book, read once and kept installed for the whole run.
inline BuiltBook& TheBuiltBook() {
    static BuiltBook book;
    return book;
}
