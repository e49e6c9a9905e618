// The sizes the Choose Font dialog offers, with the stored size among them.
#pragma once
#include <cstdint>

// In points, in the order listed (52, not 48).
constexpr int32_t SizeChoices[] = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72};
constexpr int32_t kSizeChoiceCount = sizeof SizeChoices / sizeof SizeChoices[0];
// The choices and at most one stored size that is not among them.
constexpr int32_t kSizeListCapacity = kSizeChoiceCount + 1;

// Fills sizes with the list as the size list shows it and returns its length:
// SizeChoices, with a stored size that is not 0 and not one of them put once
// in its ascending place; one above the largest choice is not added.
int32_t ListFontSizes(int32_t storedSize, int32_t sizes[kSizeListCapacity]);
