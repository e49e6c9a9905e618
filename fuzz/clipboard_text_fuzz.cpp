// Any bytes as a decompressed article on its way to the clipboard: its text
// must be built inside the buffer sized for it, and its Rich Text body must
// stay within its measure and hold no unescaped brace. The same for any
// UTF-16 text straight into the body encoder.
//
// The first input byte chooses the letter base (bits 0-1) and Reverse (bit 7)
// and whether the rest is an article (bit 6 clear) or UTF-16 text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "output/article_text.h"
#include "output/rtf_body.h"
#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "view/letter_codes.h"

namespace {
const int32_t kBases[] = {kLatinBase, kWindows1255Base, kUnicodeBase, 0xFB2A};

void CheckBody(const char16_t* text) {
    const size_t measure = EncodeRtfBody(text, nullptr);
    std::vector<char> body(measure + 1, '#');
    const size_t written = EncodeRtfBody(text, body.data());
    if (written >= measure || body[written] != 0 || body[measure] != '#') std::abort();
    for (size_t i = 0; i < written; ++i) {
        const unsigned char c = static_cast<unsigned char>(body[i]);
        if (c == '\\') ++i;   // a control word or an escaped character
        else if (c == '{' || c == '}' || c >= 0x80) std::abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    AppSettings.Font.FontAsciiBase = kBases[data[0] & 3];
    AppSettings.Flags = (data[0] & 0x80) ? kFlagsReverse : 0;
    const uint8_t* rest = data + 1;
    const size_t restSize = size - 1;

    if (data[0] & 0x40) {
        std::vector<char16_t> text(restSize / 2 + 1, 0);
        std::memcpy(text.data(), rest, restSize / 2 * 2);
        CheckBody(text.data());
        return 0;
    }

    // Exactly the article's bytes, so that a read past them is caught.
    auto* article = static_cast<uint8_t*>(std::malloc(restSize ? restSize : 1));
    if (restSize) std::memcpy(article, rest, restSize);
    uint32_t bytes = 0;
    char16_t* text = AllocArticleText(article, uint32_t(restSize), &bytes);
    std::memset(text, 0x5A, bytes);
    if (ArticleToText(article, uint32_t(restSize), text, bytes) != kTextBuilt) std::abort();
    CheckBody(text);
    PlainFree(text);
    std::free(article);
    return 0;
}
