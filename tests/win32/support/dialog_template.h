// A dialog template as the program's image holds it (DLGTEMPLATEEX), read
// from the executable's resources: what the dialog manager builds the
// dialog and its controls from, before any control changes its own styles.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct TemplateControl {
    int Id;
    std::wstring Class;   // "Button", "Edit", "Static", "ListBox", ... or "#n"
    std::wstring Text;    // or "#n" for a resource number
    DWORD Style;
    DWORD ExStyle;
    short X, Y, Width, Height;
};

struct DialogTemplate {
    DWORD Style;
    DWORD ExStyle;
    short X, Y, Width, Height;
    std::wstring Caption;
    WORD PointSize;
    std::wstring FontName;
    std::vector<TemplateControl> Controls;   // in template order
};

// The extended template with this resource number in the module at path (a
// Windows path), or nullopt when there is none or it is not extended.
std::optional<DialogTemplate> ReadDialogTemplate(const std::wstring& modulePath, int resourceId);
