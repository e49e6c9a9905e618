// PalmDoc LZ77 compression of a record's data, for the book builder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The shortest token stream for the data that the PalmDoc scheme allows
// (back-references 3..10 bytes long reaching 1..2047 bytes back, literal runs
// of 1..8 bytes, single bytes 0x00 and 0x09..0x7F, space pairs), found by
// optimal parsing over every position.
std::vector<uint8_t> CompressPalmDoc(const uint8_t* data, size_t size);

// The same scheme compressed greedily (longest match first, then a space pair,
// then a literal): the baseline the optimal parse is measured against.
std::vector<uint8_t> CompressPalmDocGreedy(const uint8_t* data, size_t size);
