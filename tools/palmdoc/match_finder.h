// The longest earlier repeat at every position of an input, as far as the
// PalmDoc window (2047 bytes back, at most 10 bytes long) can reach it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace palmdoc {

struct LongestMatch {
    uint16_t Length;    // 0 when no repeat of at least 3 bytes starts here
    uint16_t Distance;  // 1..2047
};

std::vector<LongestMatch> FindLongestMatches(const uint8_t* data, size_t size);

}  // namespace palmdoc
