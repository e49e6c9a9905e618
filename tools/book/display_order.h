// Right-to-left strings are stored in display order: the byte drawn leftmost
// first.
#pragma once
#include <string>
#include <string_view>

// The logical (reading-order) string reversed, with brackets mirrored so that
// they still open towards the text they enclose, and runs of digits put back
// left to right, as numbers read inside right-to-left text.
std::string ToDisplayOrder(std::string_view logical);
