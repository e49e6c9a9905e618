#include "dialogs/win32/choose_font_dialog.h"

#include <cwchar>
#include <string>

#include "dialogs/font_choice.h"
#include "dialogs/font_dialog_controls.h"
#include "dialogs/font_sizes.h"
#include "platform/win32/dialog.h"
#include "platform/win32/selected_object.h"
#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"
#include "view/display_font.h"
#include "view/letter_codes.h"
#include "view/win32/gdi_text_device.h"
#include "view/win32/letter_font.h"

namespace {

// Wine's EDIT control runs the bidirectional algorithm over its text, so the
// sample, which holds the letters in stored order, would show them reversed
// (alef at the left). A LEFT-TO-RIGHT OVERRIDE in front of each line makes it
// show the units exactly in stored order: tav at the left, alef at the right
// edge.
constexpr wchar_t kLeftToRightOverride = 0x202D;
// Room the edit control may measure differently from GDI.
constexpr int kFlowSlack = 2;

int ExtentOf(HDC dc, const wchar_t* units, int count) {
    SIZE size{};
    GetTextExtentPoint32W(dc, units, count, &size);
    return size.cx;
}

// The sample as the box shows it. Letters that do not fit one line would be
// wrapped by the box after the first stored units, putting the alphabet's
// end on top; so the lines are made here, from the end of the stored text,
// which holds the first letters: the top line ends with alef at the right
// edge, and each line below goes on where the one above stopped.
std::wstring FlowSample(HWND sample, const char16_t* stored, HFONT font) {
    const std::wstring units(AsWide(stored));
    RECT format{};
    SendMessageW(sample, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int width = format.right - format.left - kFlowSlack;
    HDC dc = GetDC(sample);
    std::wstring shown;
    {
        const SelectedObject selected(dc, font);
        int end = int(units.size());
        while (end > 0) {
            int count = 1;
            while (count < end && ExtentOf(dc, units.data() + end - count - 1, count + 1) <= width)
                ++count;
            if (!shown.empty()) shown += L"\r\n";
            shown += kLeftToRightOverride;
            shown.append(units, size_t(end - count), size_t(count));
            end -= count;
        }
    }
    ReleaseDC(sample, dc);
    return shown;
}

class Win32FontDialog : public FontDialogControls {
public:
    explicit Win32FontDialog(HWND dialog) : dialog_(dialog) {}

    bool ListSelection(int listId, char16_t* text, int32_t capacity) override {
        const LRESULT index = SendDlgItemMessageW(dialog_, listId, LB_GETCURSEL, 0, 0);
        if (index < 0 || capacity <= 0) return false;
        const LRESULT length = SendDlgItemMessageW(dialog_, listId, LB_GETTEXTLEN, WPARAM(index), 0);
        if (length < 0) return false;
        // LB_GETTEXT writes the whole item: read it where it fits, then cut it.
        std::wstring item(size_t(length) + 1, L'\0');
        SendDlgItemMessageW(dialog_, listId, LB_GETTEXT, WPARAM(index),
                            reinterpret_cast<LPARAM>(item.data()));
        int32_t i = 0;
        for (; i < capacity - 1 && item[size_t(i)]; ++i) text[i] = char16_t(item[size_t(i)]);
        text[i] = 0;
        return true;
    }
    bool IsChecked(int buttonId) override {
        return IsDlgButtonChecked(dialog_, buttonId) == BST_CHECKED;
    }
    void SetChecked(int buttonId, bool checked) override {
        CheckDlgButton(dialog_, buttonId, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    void SetSampleText(const char16_t* text) override {
        HWND sample = GetDlgItem(dialog_, IDC_FONT_SAMPLE);
        auto font = reinterpret_cast<HFONT>(SendMessageW(sample, WM_GETFONT, 0, 0));
        SetWindowTextW(sample, FlowSample(sample, text, font).c_str());
    }
    FontHandle MakeSampleFont(const char16_t* faceName, int32_t cellHeight,
                              int32_t letterBase) override {
        HWND sample = GetDlgItem(dialog_, IDC_FONT_SAMPLE);
        HDC dc = GetDC(sample);
        HFONT font = CreateLetterFont(dc, faceName, cellHeight, FW_DONTCARE, letterBase);
        ReleaseDC(sample, dc);
        return reinterpret_cast<FontHandle>(font);
    }
    void DeleteSampleFont(FontHandle font) override {
        if (font) DeleteObject(reinterpret_cast<HFONT>(font));
    }
    // The lines are made anew for the font, then shown.
    void SetSampleFont(FontHandle font) override {
        HWND sample = GetDlgItem(dialog_, IDC_FONT_SAMPLE);
        SendMessageW(sample, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetSampleText(ChooseFontDialog.SampleText);
        InvalidateRect(sample, nullptr, TRUE);
    }

private:
    HWND dialog_;
};

void ListFaces(HWND dialog, const FontSpec& shown) {
    HWND faces = GetDlgItem(dialog, IDC_FONT_FACES);
    SendMessageW(faces, LB_RESETCONTENT, 0, 0);
    for (const FontFaceRecord* face = ChooseFontDialog.Faces; face; face = face->Next)
        SendMessageW(faces, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(face->FaceName)));
    // Selecting by an empty name (no fallback face installed) would pick the
    // first face listed, which OK would then store though nobody chose it.
    if (shown.FontName[0] != 0)
        SendMessageW(faces, LB_SELECTSTRING, WPARAM(-1),
                     reinterpret_cast<LPARAM>(AsWide(shown.FontName)));
}

void ListSizes(HWND dialog, int32_t storedSize) {
    HWND sizes = GetDlgItem(dialog, IDC_FONT_SIZES);
    SendMessageW(sizes, LB_RESETCONTENT, 0, 0);
    int32_t listed[kSizeListCapacity];
    const int32_t count = ListFontSizes(storedSize, listed);
    wchar_t text[16];
    for (int32_t i = 0; i < count; ++i) {
        swprintf(text, 16, L"%d", int(listed[i]));
        SendMessageW(sizes, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    if (storedSize != 0) {
        swprintf(text, 16, L"%d", int(storedSize));
        SendMessageW(sizes, LB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(text));
    }
}

// The font enumeration's callback: one call per face.
int CALLBACK CollectFontFace(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD, LPARAM) {
    return AddFontFace(AsUnits(font->lfFaceName), metrics->tmCharSet);
}

// The state starts afresh at every opening, on the edited record.
INT_PTR OnInitDialog(HWND dialog, LPARAM lParam) {
    FontSpec* spec = DialogRequest<FontSpec>(lParam);
    ChooseFontDialog = ChooseFontState{};
    HWND parent = GetParent(dialog);
    HDC dc = GetDC(parent);
    Win32FontDialog controls(dialog);
    BeginFontChoice(&controls, spec);
    EnumFontsW(dc, nullptr, CollectFontFace, 0);
    // With no face stored the lists show the face and size the article is
    // drawn in.
    GdiTextDevice device(dc);
    const FontSpec shown = DisplayFontSpec(*spec, device);
    ReleaseDC(parent, dc);
    ListFaces(dialog, shown);
    ListSizes(dialog, shown.FontSize);
    SetFocus(GetDlgItem(dialog, IDC_FONT_FACES));
    return FALSE;
}

INT_PTR OnCommand(HWND dialog, int command) {
    Win32FontDialog controls(dialog);
    switch (command) {
        case IDOK:
            ApplyFontChoice(&controls, FontChoiceMode::Commit);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_FONT_FACES:
        case IDC_FONT_SIZES:
            ApplyFontChoice(&controls, FontChoiceMode::FontOrSize);
            return FALSE;
        case IDC_BASE_LATIN:
        case IDC_BASE_1255:
        case IDC_BASE_UNICODE: {
            const int32_t base = command == IDC_BASE_LATIN  ? kLatinBase
                                 : command == IDC_BASE_1255 ? kWindows1255Base
                                                            : kUnicodeBase;
            ShowSampleLetters(&controls, base);
            ApplyFontChoice(&controls, FontChoiceMode::Base);
            return FALSE;
        }
    }
    return FALSE;
}

// The sample font and the faces go with the dialog, however it closed.
INT_PTR OnDestroy(HWND dialog) {
    Win32FontDialog controls(dialog);
    ForgetSampleFont(&controls);
    FreeFontFaces();
    return TRUE;
}

INT_PTR CALLBACK ChooseFontProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog, lParam);
        case WM_COMMAND:    return OnCommand(dialog, LOWORD(wParam));
        case WM_DESTROY:    return OnDestroy(dialog);
    }
    return FALSE;
}

}  // namespace

INT_PTR ChooseDisplayFont(HWND owner, FontSpec* spec) {
    return RunDialog(IDD_CHOOSE_FONT, owner, ChooseFontProc, spec);
}
