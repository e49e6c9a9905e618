// Builds decompressed articles for tests: blocks of format byte, layout byte and
// string, the end marker, and the two zero bytes the record loader appends,
// in a buffer from the plain allocator (a view releases its text with PlainFree).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "view/article_view.h"

struct TestBlock {
    uint8_t Format;
    uint8_t Layout;
    std::string Text;
};

// The article's bytes: blocks and the end marker, without the loader's zeros.
std::vector<uint8_t> ArticleMarkup(const std::vector<TestBlock>& blocks);

// A buffer as the loader hands it over: the markup, then zero bytes at u and
// u + 1. The caller (or the view that takes it) releases it with PlainFree.
uint8_t* NewArticle(const std::vector<TestBlock>& blocks);
uint8_t* NewBuffer(const std::vector<uint8_t>& data);

// The font description a test view is made with: face, size in points and
// the Unicode letter base.
FontSpec TestFontSpec(const std::u16string& faceName, int32_t size);
