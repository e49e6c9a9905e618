// The Choose Font dialog's controls in memory: the lists' selected texts, the
// base buttons, the sample box's text and font, and the sample fonts made.
#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dialogs/font_dialog_controls.h"
#include "resources/resource_ids.h"

struct FakeSampleFont {
    std::u16string FaceName;
    int32_t CellHeight;
    int32_t LetterBase;
    bool Deleted = false;
};

class FakeFontDialog : public FontDialogControls {
public:
    // The selected item of each list by id; no entry means no selection.
    std::map<int, std::u16string> Selected;
    std::map<int, bool> Checked;
    // The buttons the dialog has: checking another one does nothing, as on
    // the real dialog, whose template has no button for base 97.
    std::set<int> Buttons{IDC_BASE_1255, IDC_BASE_UNICODE};
    std::u16string SampleText;
    FontHandle SampleBoxFont = nullptr;
    std::vector<std::unique_ptr<FakeSampleFont>> Fonts;

    bool ListSelection(int listId, char16_t* text, int32_t capacity) override;
    bool IsChecked(int buttonId) override;
    void SetChecked(int buttonId, bool checked) override {
        if (Buttons.count(buttonId)) Checked[buttonId] = checked;
    }
    void SetSampleText(const char16_t* text) override { SampleText = text; }
    FontHandle MakeSampleFont(const char16_t* faceName, int32_t cellHeight,
                              int32_t letterBase) override;
    void DeleteSampleFont(FontHandle font) override;
    void SetSampleFont(FontHandle font) override { SampleBoxFont = font; }

    const FakeSampleFont* SampleFont() const {
        return reinterpret_cast<const FakeSampleFont*>(SampleBoxFont);
    }
    // The one checked base button, 0 for none.
    int CheckedButton() const;
};
