// The container every embedded book record is written in: big-endian 16-bit
// block length L (the record's size less 6), the two numbers (an article's
// number twice; the contents record 1 and 255), compressed length c (= L - 8),
// uncompressed length u, the PalmDoc data and four zero bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr size_t kRecordHeaderSize = 10;
constexpr size_t kRecordTrailerSize = 4;
constexpr size_t kMaxRecordDataSize = 65535;   // u is 16 bits

// Compresses the data and wraps it in the container. Throws
// std::invalid_argument when the data is empty or longer than 65,535 bytes, or
// when its compressed form does not fit the 16-bit block length.
std::vector<uint8_t> MakeRecord(const uint8_t* data, size_t size, uint16_t first, uint16_t second);

