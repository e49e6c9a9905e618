#include "tests/win32/support/dialog_template.h"

#include <cstdint>

namespace {

class Reader {
public:
    Reader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}
    bool Ok() const { return ok_; }
    WORD Word() {
        if (at_ + 2 > size_) return Fail();
        WORD value = WORD(bytes_[at_] | (bytes_[at_ + 1] << 8));
        at_ += 2;
        return value;
    }
    DWORD Dword() {
        DWORD low = Word();
        return low | (DWORD(Word()) << 16);
    }
    short Short() { return short(Word()); }
    std::wstring String() {
        std::wstring text;
        for (WORD unit; ok_ && (unit = Word()) != 0;) text += wchar_t(unit);
        return text;
    }
    // A name or ordinal field: 0, 0xFFFF and a number, or a string.
    std::wstring NameOrNumber() {
        WORD first = Word();
        if (first == 0) return {};
        if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
        std::wstring text(1, wchar_t(first));
        for (WORD unit; ok_ && (unit = Word()) != 0;) text += wchar_t(unit);
        return text;
    }
    void AlignToDword() { at_ = (at_ + 3) & ~size_t(3); }

private:
    WORD Fail() {
        ok_ = false;
        return 0;
    }
    const uint8_t* bytes_;
    size_t size_;
    size_t at_ = 0;
    bool ok_ = true;
};

std::wstring ClassName(const std::wstring& name) {
    static const wchar_t* kPredefined[] = {L"Button", L"Edit", L"Static", L"ListBox",
                                           L"ScrollBar", L"ComboBox"};
    if (name.size() > 1 && name[0] == L'#') {
        int atom = std::stoi(name.substr(1));
        if (atom >= 0x80 && atom <= 0x85) return kPredefined[atom - 0x80];
    }
    return name;
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(const std::wstring& modulePath, int resourceId) {
    HMODULE module = LoadLibraryExW(modulePath.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return std::nullopt;
    std::optional<DialogTemplate> result;
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(5));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (bytes) {
        Reader in(bytes, SizeofResource(module, found));
        DialogTemplate dialog{};
        const WORD version = in.Word();
        const WORD signature = in.Word();
        if (version == 1 && signature == 0xFFFF) {
            in.Dword();   // help id
            dialog.ExStyle = in.Dword();
            dialog.Style = in.Dword();
            const WORD count = in.Word();
            dialog.X = in.Short();
            dialog.Y = in.Short();
            dialog.Width = in.Short();
            dialog.Height = in.Short();
            in.NameOrNumber();   // menu
            in.NameOrNumber();   // class
            dialog.Caption = in.String();
            if (dialog.Style & (DS_SETFONT | DS_SHELLFONT)) {
                dialog.PointSize = in.Word();
                in.Word();   // weight
                in.Word();   // italic, character set
                dialog.FontName = in.String();
            }
            for (WORD i = 0; i < count && in.Ok(); ++i) {
                in.AlignToDword();
                TemplateControl control{};
                in.Dword();   // help id
                control.ExStyle = in.Dword();
                control.Style = in.Dword();
                control.X = in.Short();
                control.Y = in.Short();
                control.Width = in.Short();
                control.Height = in.Short();
                control.Id = int(LONG(in.Dword()));
                control.Class = ClassName(in.NameOrNumber());
                control.Text = in.NameOrNumber();
                const WORD extra = in.Word();
                for (WORD b = 0; b < extra; b += 2) in.Word();
                dialog.Controls.push_back(control);
            }
            if (in.Ok()) result = dialog;
        }
    }
    FreeLibrary(module);
    return result;
}
