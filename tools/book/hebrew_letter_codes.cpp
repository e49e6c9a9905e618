#include "tools/book/hebrew_letter_codes.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "view/letter_codes.h"

namespace {
constexpr char32_t kAlef = 0x05D0;
constexpr char32_t kTav = 0x05EA;
constexpr char32_t kFirstMark = 0x0591;   // accents and points run up to U+05C7
constexpr char32_t kLastMark = 0x05C7;
constexpr char32_t kMaqaf = 0x05BE;
constexpr char32_t kSofPasuq = 0x05C3;

[[noreturn]] void Reject(const char* what, char32_t character) {
    char message[80];
    std::snprintf(message, sizeof message, "%s U+%04X in the book's text", what,
                  static_cast<unsigned>(character));
    throw std::runtime_error(message);
}

// Decodes one UTF-8 sequence at text[i], advancing i.
char32_t NextCharacter(std::string_view text, size_t& i) {
    const auto byte = [&](size_t at) { return static_cast<uint8_t>(text[at]); };
    const uint8_t lead = byte(i);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + extra >= text.size()) Reject("malformed or cut UTF-8 sequence at", lead);
    char32_t character = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const uint8_t next = byte(i + k);
        if ((next & 0xC0) != 0x80) Reject("malformed UTF-8 continuation of", lead);
        character = (character << 6) | (next & 0x3F);
    }
    i += extra + 1;
    return character;
}
}  // namespace

std::string HebrewToLetterCodes(std::string_view utf8) {
    std::string codes;
    codes.reserve(utf8.size() / 2);
    for (size_t i = 0; i < utf8.size();) {
        const char32_t character = NextCharacter(utf8, i);
        if (character >= kAlef && character <= kTav)
            codes += static_cast<char>(kFirstLetterCode + (character - kAlef));
        else if (character == kMaqaf)
            codes += '-';
        else if (character == kSofPasuq)
            codes += ':';
        else if (character >= kFirstMark && character <= kLastMark)
            continue;   // points, accents, paseq, reversed nun
        else if (character == '/')
            continue;   // morpheme separator of the source
        else if (character >= 0x20 && character < 0x7E && !(character >= 'a' && character <= '{'))
            // Plain ASCII other than the range the letter codes occupy.
            codes += static_cast<char>(character);
        else
            Reject("unexpected character", character);
    }
    return codes;
}
