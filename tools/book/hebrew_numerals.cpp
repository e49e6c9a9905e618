#include "tools/book/hebrew_numerals.h"

#include <stdexcept>

#include "verses/article_verses.h"

// The reader reads the numbers back with the same letters.
std::string HebrewNumeral(int number) {
    if (number < 1 || number > 999) throw std::out_of_range("Hebrew numerals run from 1 to 999");
    return HebrewNumeralText(uint32_t(number));
}
