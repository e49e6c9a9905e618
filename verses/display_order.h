// Right-to-left strings are stored in display order: the byte drawn leftmost
// first. Header-only, so that the book builder, which links none of the core,
// writes with the same step the reader reads with.
#pragma once
#include <algorithm>
#include <string>
#include <string_view>

// The string reversed, with brackets mirrored so that they still open
// towards the text they enclose, and runs of digits put back left to right,
// as numbers read inside right-to-left text. The step is its own inverse: it
// turns reading order into display order and display order back.
inline std::string TurnedOrder(std::string_view text) {
    auto mirrored = [](char c) {
        switch (c) {
            case '(': return ')';
            case ')': return '(';
            case '[': return ']';
            case ']': return '[';
            case '<': return '>';
            case '>': return '<';
            default: return c;
        }
    };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::string turned(text.rbegin(), text.rend());
    for (char& c : turned) c = mirrored(c);
    for (auto run = turned.begin(); run != turned.end();) {
        if (!isDigit(*run)) {
            ++run;
            continue;
        }
        auto end = std::find_if_not(run, turned.end(), isDigit);
        std::reverse(run, end);
        run = end;
    }
    return turned;
}
