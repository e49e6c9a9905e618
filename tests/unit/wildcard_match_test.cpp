#include <gtest/gtest.h>

#include <string>

#include "search/wildcard_match.h"

namespace {

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.c_str()); }

struct Found {
    long Hit;        // index of the match's last character in the text, -1 for none
    int32_t Length;  // as written, or the sentinel when nothing was written
};

constexpr int32_t kUntouched = -77;

// The pattern against the whole of text, from its last character down (or
// from the index given).
Found Match(const std::string& text, const std::string& pattern, long from = -2) {
    const uint8_t* first = Bytes(text);
    const uint8_t* start = first + (from == -2 ? long(text.size()) - 1 : from);
    int32_t length = kUntouched;
    const uint8_t* hit = MatchBackward(first, Bytes(pattern), start, &length);
    return Found{hit ? long(hit - first) : -1, length};
}

}  // namespace

TEST(WildcardMatch, OneBytePatternIsFoundWithLengthOne) {
    Found f = Match("xyaz", "a");
    EXPECT_EQ(f.Hit, 2);
    EXPECT_EQ(f.Length, 1);
}

TEST(WildcardMatch, TwoBytePatternEndsAtItsSecondByte) {
    Found f = Match("qab", "ab");
    EXPECT_EQ(f.Hit, 2);
    EXPECT_EQ(f.Length, 2);
}

TEST(WildcardMatch, StarMatchesLiterallySpanningOrEmpty) {
    EXPECT_EQ(Match("a*b", "a*b").Length, 3);     // a literal star in the text
    EXPECT_EQ(Match("axyb", "a*b").Length, 4);    // the star spans two bytes
    Found empty = Match("ab", "a*b");
    EXPECT_EQ(empty.Hit, 1);
    EXPECT_EQ(empty.Length, 2);
}

TEST(WildcardMatch, StarTakesTheLatestEndAndTheNearestStart) {
    // The match ending at the later b comes first; its star reaches back only
    // to the nearest a.
    Found f = Match("a1a2b3b", "a*b");
    EXPECT_EQ(f.Hit, 6);
    EXPECT_EQ(f.Length, 5);
}

TEST(WildcardMatch, QuestionMarkIsOneByteButLiteralAtTheEnd) {
    EXPECT_EQ(Match("axc", "a?c").Hit, 2);
    EXPECT_EQ(Match("a?c", "a?c").Hit, 2);
    EXPECT_EQ(Match("ac", "a?c").Hit, -1);
    EXPECT_EQ(Match("abx", "ab?").Hit, -1);
    EXPECT_EQ(Match("ab?", "ab?").Hit, 2);
    EXPECT_EQ(Match("abx", "ab*").Hit, -1);
}

TEST(WildcardMatch, CandidateRunningOffTheStartIsPassedForALowerOne) {
    // "ba" at the very start cannot match "aba"; nor can a string's start be
    // crossed, but a lower candidate is still tried.
    EXPECT_EQ(Match("ba", "aba").Hit, -1);
    Found f = Match("abaxa", "aba", 3);
    EXPECT_EQ(f.Hit, 2);
    EXPECT_EQ(f.Length, 3);
}

TEST(WildcardMatch, TwoOccurrencesAreFoundFromWhereTheSearchStarts) {
    const std::string text = "abzzab";
    EXPECT_EQ(Match(text, "ab").Hit, 5);
    EXPECT_EQ(Match(text, "ab", 4).Hit, 1);   // one before the later one's last byte
}

TEST(WildcardMatch, LengthIsUntouchedWithoutAHit) {
    EXPECT_EQ(Match("abc", "x").Length, kUntouched);
    EXPECT_EQ(Match("abc", "a*x").Length, kUntouched);
}

TEST(WildcardMatch, StartBeforeTheStringFindsNothing) {
    const std::string text = "ab";
    int32_t length = kUntouched;
    EXPECT_EQ(MatchBackward(Bytes(text) + 1, Bytes("b"), Bytes(text), &length), nullptr);
    EXPECT_EQ(length, kUntouched);
}

TEST(WildcardMatch, LeadingStarFindsWhatFollowsIt) {
    Found f = Match("xxab", "*ab");
    EXPECT_EQ(f.Hit, 3);
    EXPECT_EQ(f.Length, 2);
    Found atStart = Match("ab", "*ab");
    EXPECT_EQ(atStart.Hit, 1);
    EXPECT_EQ(atStart.Length, 2);
    // A star in the text is still matched literally first.
    EXPECT_EQ(Match("x*ab", "*ab").Length, 3);
}

TEST(WildcardMatch, SeveralStarsResolveFromTheRight) {
    Found f = Match("a1b22c", "a*b*c");
    EXPECT_EQ(f.Hit, 5);
    EXPECT_EQ(f.Length, 6);
    EXPECT_EQ(Match("a1c", "a*b*c").Hit, -1);
}

TEST(WildcardMatch, TheStoredPatternIsLeftAsItWas) {
    uint8_t pattern[] = "a*b*c";
    const std::string text = "a1b2c";
    EXPECT_NE(MatchBackward(Bytes(text), pattern, Bytes(text) + 4, nullptr), nullptr);
    EXPECT_STREQ(reinterpret_cast<char*>(pattern), "a*b*c");
}

TEST(WildcardMatch, AFailedStarSearchStillTriesCandidatesBelowALiteralStar) {
    // At the c at 7 the part "b*" finds nothing below; the c at 6 meets the
    // text's own "*" as the pattern's second star and matches "bc*c".
    Found f = Match("*bbbc*ccbbcbc", "b**c", 8);
    EXPECT_EQ(f.Hit, 6);
    EXPECT_EQ(f.Length, 4);
}
