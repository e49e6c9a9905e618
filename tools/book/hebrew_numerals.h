// Numbers written in Hebrew letters (gematria), as letter codes.
#pragma once
#include <string>

// 1 to 999 in letter codes, largest value first: 15 and 16 are written
// tet-vav and tet-zayin, never the letters of the divine name. Throws
// std::out_of_range outside 1 to 999.
std::string HebrewNumeral(int number);
