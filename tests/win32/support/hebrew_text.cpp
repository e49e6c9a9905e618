#include "tests/win32/support/hebrew_text.h"

#include <windows.h>

#include <algorithm>

#include "view/letter_codes.h"

namespace {
constexpr char16_t kFirstLetter = 0x05D0;
constexpr char16_t kLastLetter = 0x05EA;
bool IsHebrewLetter(char16_t unit) { return unit >= kFirstLetter && unit <= kLastLetter; }
}  // namespace

std::vector<uint8_t> DisplayOrderLetterCodes(const std::u16string& readingOrder) {
    std::vector<uint8_t> codes;
    for (auto unit = readingOrder.rbegin(); unit != readingOrder.rend(); ++unit)
        codes.push_back(IsHebrewLetter(*unit) ? uint8_t(kFirstLetterCode + (*unit - kFirstLetter))
                                              : uint8_t(*unit));
    return codes;
}

std::vector<std::u16string> HebrewWords(const std::u16string& text) {
    std::vector<std::u16string> words;
    std::u16string word;
    for (char16_t unit : text) {
        if (IsHebrewLetter(unit)) {
            word += unit;
        } else if (unit >= 0x0591 && unit <= 0x05C7 && unit != 0x05BE && unit != 0x05C0 &&
                   unit != 0x05C3 && unit != 0x05C6) {
            continue;   // a point or accent inside a word
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

int WordsFoundInOrder(const std::vector<std::u16string>& expected,
                      const std::vector<std::u16string>& found) {
    // Longest common subsequence, row by row.
    std::vector<int> previous(found.size() + 1, 0), current(found.size() + 1, 0);
    for (const std::u16string& word : expected) {
        for (size_t j = 1; j <= found.size(); ++j)
            current[j] = word == found[j - 1] ? previous[j - 1] + 1
                                              : std::max(previous[j], current[j - 1]);
        std::swap(previous, current);
    }
    return previous[found.size()];
}

std::string ToUtf8(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) {
        uint32_t c = unit;
        if (c < 0x80) {
            bytes += char(c);
        } else if (c < 0x800) {
            bytes += char(0xC0 | (c >> 6));
            bytes += char(0x80 | (c & 0x3F));
        } else {
            bytes += char(0xE0 | (c >> 12));
            bytes += char(0x80 | ((c >> 6) & 0x3F));
            bytes += char(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::u16string FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return std::u16string(wide.begin(), wide.end());
}
