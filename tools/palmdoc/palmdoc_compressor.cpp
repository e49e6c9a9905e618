#include "tools/palmdoc/palmdoc_compressor.h"

#include <limits>

#include "tools/palmdoc/match_finder.h"
#include "tools/palmdoc/palmdoc_tokens.h"

namespace {

using namespace palmdoc;

enum class TokenKind : uint8_t { Literal, SpacePair, LiteralRun, BackReference };

struct Step {
    TokenKind Kind;
    uint8_t Length;   // output bytes the token produces
    uint32_t Cost;    // compressed bytes from here to the end
};

// Writes the token chosen at `position` and returns the output bytes it covers.
size_t AppendToken(std::vector<uint8_t>& out, const uint8_t* data, size_t position,
                   TokenKind kind, size_t length, size_t distance) {
    switch (kind) {
        case TokenKind::Literal: AppendLiteral(out, data[position]); return 1;
        case TokenKind::SpacePair: AppendSpacePair(out, data[position + 1]); return 2;
        case TokenKind::LiteralRun: AppendLiteralRun(out, data + position, length); return length;
        case TokenKind::BackReference: AppendBackReference(out, distance, length); return length;
    }
    return 1;
}

}  // namespace

// Every token's cost is fixed (a back-reference 2 bytes whatever its length
// and distance, a literal run 1 + its length), so the cheapest parse of the
// suffix at each position follows from the suffixes after it. Ties go to the
// token that covers more output, which also decodes faster.
std::vector<uint8_t> CompressPalmDoc(const uint8_t* data, size_t size) {
    std::vector<LongestMatch> matches = FindLongestMatches(data, size);
    std::vector<Step> steps(size + 1);
    steps[size] = Step{TokenKind::Literal, 0, 0};
    for (size_t i = size; i-- > 0;) {
        Step best{TokenKind::Literal, 0, std::numeric_limits<uint32_t>::max()};
        auto consider = [&](TokenKind kind, size_t length, uint32_t tokenCost) {
            uint32_t cost = tokenCost + steps[i + length].Cost;
            if (cost < best.Cost) best = Step{kind, uint8_t(length), cost};
        };
        for (size_t length = matches[i].Length; length >= kMinMatchLength; --length)
            consider(TokenKind::BackReference, length, 2);
        if (IsSpacePair(data, size, i)) consider(TokenKind::SpacePair, 2, 1);
        if (StandsAlone(data[i])) consider(TokenKind::Literal, 1, 1);
        size_t longestRun = size - i < kMaxLiteralRun ? size - i : kMaxLiteralRun;
        for (size_t length = longestRun; length >= 1; --length)
            consider(TokenKind::LiteralRun, length, uint32_t(1 + length));
        steps[i] = best;
    }

    std::vector<uint8_t> out;
    out.reserve(steps[0].Cost);
    for (size_t i = 0; i < size;)
        i += AppendToken(out, data, i, steps[i].Kind, steps[i].Length, matches[i].Distance);
    return out;
}

std::vector<uint8_t> CompressPalmDocGreedy(const uint8_t* data, size_t size) {
    std::vector<LongestMatch> matches = FindLongestMatches(data, size);
    std::vector<uint8_t> out;
    for (size_t i = 0; i < size;) {
        if (matches[i].Length >= kMinMatchLength) {
            i += AppendToken(out, data, i, TokenKind::BackReference, matches[i].Length,
                             matches[i].Distance);
        } else if (IsSpacePair(data, size, i)) {
            i += AppendToken(out, data, i, TokenKind::SpacePair, 2, 0);
        } else if (StandsAlone(data[i])) {
            i += AppendToken(out, data, i, TokenKind::Literal, 1, 0);
        } else {
            // Gather the bytes that need a run until one can stand alone or a
            // repeat begins.
            size_t length = 1;
            while (length < kMaxLiteralRun && i + length < size && !StandsAlone(data[i + length]) &&
                   matches[i + length].Length < kMinMatchLength)
                ++length;
            i += AppendToken(out, data, i, TokenKind::LiteralRun, length, 0);
        }
    }
    return out;
}
