#include "tools/book/display_order.h"

#include <algorithm>

namespace {
char Mirrored(char c) {
    switch (c) {
        case '(': return ')';
        case ')': return '(';
        case '[': return ']';
        case ']': return '[';
        case '<': return '>';
        case '>': return '<';
        default: return c;
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string ToDisplayOrder(std::string_view logical) {
    std::string display(logical.rbegin(), logical.rend());
    for (char& c : display) c = Mirrored(c);
    for (auto run = display.begin(); run != display.end();) {
        if (!IsDigit(*run)) {
            ++run;
            continue;
        }
        auto end = std::find_if_not(run, display.end(), IsDigit);
        std::reverse(run, end);
        run = end;
    }
    return display;
}
