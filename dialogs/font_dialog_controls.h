// The controls of the Choose Font dialog as its logic uses them: the two
// lists' selections, the base buttons and the sample box. The Win32 dialog
// implements them on its window; tests use a fake.
#pragma once
#include <cstdint>

#include "view/text_device.h"

class FontDialogControls {
public:
    virtual ~FontDialogControls() = default;
    // The text of the list's selected item, at most capacity - 1 units and a
    // terminating 0; false (and text untouched) when nothing is selected.
    virtual bool ListSelection(int listId, char16_t* text, int32_t capacity) = 0;
    virtual bool IsChecked(int buttonId) = 0;
    virtual void SetChecked(int buttonId, bool checked) = 0;
    // The sample box's text, the letters in stored order (leftmost first).
    virtual void SetSampleText(const char16_t* text) = 0;
    // A font for the sample: cellHeight is a character cell height, the
    // weight the default, the letters those of letterBase.
    virtual FontHandle MakeSampleFont(const char16_t* faceName, int32_t cellHeight,
                                      int32_t letterBase) = 0;
    virtual void DeleteSampleFont(FontHandle font) = 0;
    // Sets the font on the sample box and redraws it.
    virtual void SetSampleFont(FontHandle font) = 0;
};
