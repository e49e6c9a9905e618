#include "tests/fakes/fake_font_dialog.h"

bool FakeFontDialog::ListSelection(int listId, char16_t* text, int32_t capacity) {
    auto selected = Selected.find(listId);
    if (selected == Selected.end()) return false;
    // As a list box with a bounded read: what fits, and the 0.
    int32_t i = 0;
    for (; i < capacity - 1 && i < int32_t(selected->second.size()); ++i) text[i] = selected->second[i];
    text[i] = 0;
    return true;
}

bool FakeFontDialog::IsChecked(int buttonId) {
    auto checked = Checked.find(buttonId);
    return checked != Checked.end() && checked->second;
}

FontHandle FakeFontDialog::MakeSampleFont(const char16_t* faceName, int32_t cellHeight,
                                          int32_t letterBase) {
    Fonts.push_back(std::make_unique<FakeSampleFont>(
        FakeSampleFont{faceName ? faceName : u"", cellHeight, letterBase}));
    return reinterpret_cast<FontHandle>(Fonts.back().get());
}

void FakeFontDialog::DeleteSampleFont(FontHandle font) {
    if (font) reinterpret_cast<FakeSampleFont*>(font)->Deleted = true;
}

int FakeFontDialog::CheckedButton() const {
    int found = 0;
    for (const auto& button : Checked) {
        if (!button.second) continue;
        if (found) return -1;   // more than one: a fault the tests catch
        found = button.first;
    }
    return found;
}
