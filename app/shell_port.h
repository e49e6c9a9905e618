// What the portable core asks of the Win32 shell.
#pragma once
#include "platform/ports.h"

class Win32ShellPort : public ShellPort {
public:
    void RepaintMain(void* window, uint32_t flags) override;
    void UpdateScrollBar(void* window) override;
    void UpdateBookmarkMark(void* window) override;
    void LoadGlyphBitmaps() override;
    void DeleteGlyphBitmaps() override;
    void PostQuit(int32_t code) override;
};
