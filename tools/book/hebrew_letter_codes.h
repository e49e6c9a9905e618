// Pointed Hebrew (UTF-8) to the book's one-byte letter codes.
#pragma once
#include <string>
#include <string_view>

// Letters U+05D0 to U+05EA become letter codes 0x61 to 0x7B (final forms
// included); points and accents are dropped; maqaf becomes '-' and sof pasuq
// ':'; paseq, the reversed nun and the morpheme separator '/' are dropped.
// ASCII spaces, digits and punctuation pass unchanged. Any other character is
// a fault in the source and throws std::runtime_error naming it.
std::string HebrewToLetterCodes(std::string_view utf8);
