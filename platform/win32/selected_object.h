// A GDI object selected into a device context for as long as this lives; the
// object it replaced is selected again at the end, so the context never keeps
// an object its owner deletes.
#pragma once
#include <windows.h>

class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    // What the context held before, as SelectObject returned it.
    HGDIOBJ Previous() const { return previous_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
