#include "tests/fakes/synthetic_book_text.h"

#include <string>

#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {

constexpr uint32_t kLetterCount = kLastLetterCode - kFirstLetterCode + 1;
// A centred title and subtitle and right-aligned paragraphs, each ending its
// paragraph, all right to left.
constexpr uint8_t kTitleFormat =
    kFormatParagraphEnd | kFormatAlignCentre | kFormatRightToLeft | kNormalFormatWord;
constexpr uint8_t kSubtitleFormat =
    kFormatParagraphEnd | kFormatAlignCentre | kFormatRightToLeft | kFormatSmall;
constexpr uint8_t kParagraphFormat =
    kFormatParagraphEnd | kFormatAlignRight | kFormatRightToLeft | kNormalFormatWord;
static_assert(kTitleFormat == 0xD1 && kSubtitleFormat == 0xD2 && kParagraphFormat == 0xB1);
constexpr size_t kVocabularySize = 4000;
constexpr size_t kMaxArticleSize = 65535;

// A small generator with a fixed definition, so the text is the same everywhere.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return uint32_t(state_ >> 16);
    }
    uint32_t Below(uint32_t bound) { return Next() % bound; }

private:
    uint64_t state_;
};

const std::vector<std::string>& Vocabulary() {
    static const std::vector<std::string> words = [] {
        Random random(20261208);
        std::vector<std::string> list;
        for (size_t i = 0; i < kVocabularySize; ++i) {
            std::string word;
            size_t length = 2 + random.Below(4) + random.Below(3);
            for (size_t k = 0; k < length; ++k)
                word += char(kFirstLetterCode + random.Below(kLetterCount));
            list.push_back(word);
        }
        return list;
    }();
    return words;
}

// Frequent words are few and short words common, as in running text.
const std::string& PickWord(Random& random) {
    double r = random.Next() / 4294967296.0;
    return Vocabulary()[size_t(r * r * r * kVocabularySize)];
}

void AppendBlock(std::vector<uint8_t>& out, uint8_t format, Random& random, size_t words) {
    out.push_back(format);
    out.push_back(0);
    for (size_t i = 0; i < words; ++i) {
        if (i > 0) out.push_back(' ');
        const std::string& word = PickWord(random);
        out.insert(out.end(), word.begin(), word.end());
        uint32_t mark = random.Below(20);
        if (mark == 0) out.push_back('.');
        else if (mark == 1) out.push_back(',');
        else if (mark == 2) out.push_back(':');
    }
    out.push_back(0);
}

}  // namespace

std::vector<uint8_t> MakeSyntheticArticle(uint32_t seed, size_t size) {
    if (size > kMaxArticleSize) size = kMaxArticleSize;
    Random random(seed);
    std::vector<uint8_t> out;
    AppendBlock(out, kTitleFormat, random, 1 + random.Below(4));
    AppendBlock(out, kSubtitleFormat, random, 2 + random.Below(6));
    while (true) {
        std::vector<uint8_t> paragraph;
        AppendBlock(paragraph, kParagraphFormat, random, 10 + random.Below(120));
        if (out.size() + paragraph.size() + 1 > size) break;
        out.insert(out.end(), paragraph.begin(), paragraph.end());
    }
    out.push_back(0);
    return out;
}
