#include "tests/fakes/article_bytes.h"

#include <algorithm>
#include <cstring>

#include "platform/allocation.h"
#include "view/letter_codes.h"

std::vector<uint8_t> ArticleMarkup(const std::vector<TestBlock>& blocks) {
    std::vector<uint8_t> bytes;
    for (const TestBlock& block : blocks) {
        bytes.push_back(block.Format);
        bytes.push_back(block.Layout);
        bytes.insert(bytes.end(), block.Text.begin(), block.Text.end());
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

uint8_t* NewBuffer(const std::vector<uint8_t>& data) {
    auto* buffer = static_cast<uint8_t*>(PlainAlloc(data.size() + 2));
    if (!data.empty()) std::memcpy(buffer, data.data(), data.size());
    buffer[data.size()] = 0;
    buffer[data.size() + 1] = 0;
    return buffer;
}

uint8_t* NewArticle(const std::vector<TestBlock>& blocks) { return NewBuffer(ArticleMarkup(blocks)); }

FontSpec TestFontSpec(const std::u16string& faceName, int32_t size) {
    FontSpec spec{};
    const size_t units = std::min(faceName.size(), sizeof spec.FontName / sizeof spec.FontName[0] - 1);
    std::memcpy(spec.FontName, faceName.data(), units * sizeof(char16_t));
    spec.FontSize = size;
    spec.FontAsciiBase = kUnicodeBase;
    return spec;
}
