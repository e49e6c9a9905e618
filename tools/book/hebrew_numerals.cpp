#include "tools/book/hebrew_numerals.h"

#include <stdexcept>

namespace {
// Letter codes (0x61 + offset from alef) of the ordinary letter forms.
constexpr char kOnes[10] = {0, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i'};      // alef..tet
constexpr char kTens[10] = {0, 'j', 'l', 'm', 'o', 'q', 'r', 's', 'u', 'w'};      // yod..tsadi
constexpr char kHundreds[5] = {0, 'x', 'y', 'z', '{'};                           // qof..tav
}  // namespace

std::string HebrewNumeral(int number) {
    if (number < 1 || number > 999) throw std::out_of_range("Hebrew numerals run from 1 to 999");
    std::string letters;
    int hundreds = number / 100;
    for (; hundreds > 4; hundreds -= 4) letters += kHundreds[4];
    if (hundreds > 0) letters += kHundreds[hundreds];
    const int rest = number % 100;
    if (rest == 15 || rest == 16) {
        letters += kOnes[9];
        letters += kOnes[rest - 9];
        return letters;
    }
    if (rest / 10) letters += kTens[rest / 10];
    if (rest % 10) letters += kOnes[rest % 10];
    return letters;
}
