// Article-shaped text for tests and benchmarks of the record store: blocks of
// a title, a subtitle and body paragraphs in letter code (words of 0x61..0x7B
// drawn from a fixed vocabulary with a skewed frequency, spaces and
// punctuation), the same for the same seed on every platform.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// About `size` bytes (never more than 65,535), ending with the article's two
// zero bytes.
std::vector<uint8_t> MakeSyntheticArticle(uint32_t seed, size_t size);
