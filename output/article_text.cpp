#include "output/article_text.h"

#include "platform/allocation.h"
#include "platform/ports.h"
#include "settings/app_settings.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

namespace {
constexpr char16_t kCarriageReturn = 0x0D;
constexpr char16_t kLineFeed = 0x0A;

// One block of an article read within its readable bytes.
struct Block {
    uint8_t Format;
    uint8_t Layout;
    const uint8_t* String;
    uint32_t StringLength;
    uint32_t Next;   // offset of the block after it
};

// The block at offset at, or false at the end marker or the end of the bytes.
bool ReadBlock(const uint8_t* text, uint32_t size, uint32_t at, Block* block) {
    if (at >= size || text[at] == 0) return false;
    block->Format = text[at];
    block->Layout = at + 1 < size ? text[at + 1] : 0;
    const uint32_t start = at + 2;
    uint32_t end = start;
    while (end < size && text[end] != 0) ++end;
    block->String = text + (start < size ? start : size);
    block->StringLength = end > start ? end - start : 0;
    block->Next = end + 1;
    return true;
}

// Where the text is written; every write first makes sure it fits.
class TextOutput {
public:
    TextOutput(char16_t* buffer, uint32_t bufferBytes)
        : position_(buffer), end_(buffer + bufferBytes / sizeof(char16_t)) {}
    bool Fits(uint32_t units) const { return uint32_t(end_ - position_) >= units; }
    char16_t*& Position() { return position_; }
    void Put(char16_t unit) { *position_++ = unit; }

private:
    char16_t* position_;
    char16_t* const end_;
};

// The dashes of a rule block with this layout byte.
uint32_t RuleDashCount(uint8_t layoutByte) {
    return layoutByte <= kRuleUnitsLimit ? layoutByte : 2u * (layoutByte - kRuleUnitsLimit);
}

char16_t* AppendDashes(uint8_t layoutByte, char16_t* output) {
    for (uint32_t n = RuleDashCount(layoutByte); n > 0; --n) *output++ = u'-';
    return output;
}

int32_t ShowOverflow() {
    if (Ports.Messages)
        Ports.Messages->ShowMessage(AppSettings.MainWindow, kTextOverflowMessage, nullptr, kMbOk);
    return kTextOverflow;
}

}  // namespace

char16_t* AppendRule(const uint8_t* block, char16_t* output) { return AppendDashes(block[1], output); }

uint32_t MeasureArticleText(const uint8_t* text, uint32_t size, ArticleTextCounts* counts) {
    *counts = ArticleTextCounts{};
    uint32_t lineEnds = 0;
    uint32_t at = 0;
    Block block;
    while (ReadBlock(text, size, at, &block)) {
        lineEnds += (block.Format & kFormatParagraphEnd) ? 2 : 1;
        if (!IsRuleFormat(block.Format))
            counts->Margins += block.Layout & kLayoutMarginMask;
        else if (block.Layout <= kRuleUnitsLimit)
            counts->ShortRules += block.Layout;
        else
            counts->WideRules += RuleDashCount(block.Layout);
        at = block.Next;
    }
    const uint32_t length = at < size ? at : size;
    counts->Length = length + length / 2;
    return lineEnds;
}

char16_t* AllocArticleText(const uint8_t* text, uint32_t size, uint32_t* bytes) {
    ArticleTextCounts counts;
    const uint32_t lineEnds = MeasureArticleText(text, size, &counts);
    *bytes = 2 * (counts.Length + 2 * lineEnds + counts.Margins + counts.ShortRules +
                  counts.WideRules) + 2;
    return static_cast<char16_t*>(AllocOrAbort(*bytes));
}

int32_t ArticleToText(const uint8_t* text, uint32_t size, char16_t* buffer, uint32_t bufferBytes) {
    TextOutput out(buffer, bufferBytes);
    uint32_t at = 0;
    Block block;
    while (ReadBlock(text, size, at, &block)) {
        if (IsRuleFormat(block.Format)) {
            if (!out.Fits(RuleDashCount(block.Layout))) return ShowOverflow();
            // The layout byte as read within the article, which may end right
            // after the format byte.
            out.Position() = AppendDashes(block.Layout, out.Position());
        } else {
            const uint32_t margin = block.Layout & kLayoutMarginMask;
            if (!out.Fits(block.StringLength + margin)) return ShowOverflow();
            if (block.StringLength > 0) {
                const char16_t* units =
                    LettersToDisplay(block.String, int32_t(block.StringLength), &SharedConversion);
                if (!units) return kTextNoMemory;
                for (uint32_t i = 0; i < block.StringLength; ++i) out.Put(units[i]);
            }
            for (uint32_t i = 0; i < margin; ++i) out.Put(u' ');
        }
        const uint32_t lineEnds = (block.Format & kFormatParagraphEnd) ? 2 : 1;
        if (!out.Fits(2 * lineEnds)) return ShowOverflow();
        for (uint32_t i = 0; i < lineEnds; ++i) {
            out.Put(kCarriageReturn);
            out.Put(kLineFeed);
        }
        at = block.Next;
    }
    if (!out.Fits(1)) return ShowOverflow();
    out.Put(0);
    return kTextBuilt;
}
