// Hebrew test texts: letter codes from Unicode letters, words of recognised
// text, and how many words of one text follow each other in another.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The letter codes of a reading-order text of Hebrew letters and spaces,
// reversed into display order (the byte drawn leftmost first), as a
// right-to-left block stores them. Other characters keep their own byte.
std::vector<uint8_t> DisplayOrderLetterCodes(const std::u16string& readingOrder);
// The words of text: maximal runs of Hebrew letters (U+05D0 to U+05EA), points
// and every other character dropped.
std::vector<std::u16string> HebrewWords(const std::u16string& text);
// The length of the longest run of expected words found, in their order,
// among found (not necessarily next to each other).
int WordsFoundInOrder(const std::vector<std::u16string>& expected,
                      const std::vector<std::u16string>& found);
std::string ToUtf8(const std::u16string& text);
std::u16string FromUtf8(const std::string& bytes);
