#include "dialogs/font_sizes.h"

int32_t ListFontSizes(int32_t storedSize, int32_t sizes[kSizeListCapacity]) {
    int32_t count = 0;
    for (int32_t i = 0; i < kSizeChoiceCount; ++i) {
        const int32_t choice = SizeChoices[i];
        if (storedSize != 0 && storedSize < choice && (i == 0 || SizeChoices[i - 1] < storedSize))
            sizes[count++] = storedSize;
        sizes[count++] = choice;
    }
    return count;
}
