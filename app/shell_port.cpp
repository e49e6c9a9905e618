#include "app/shell_port.h"

#include <windows.h>

#include "app/menu_marks.h"
#include "app/painting.h"
#include "app/scrolling.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"

void Win32ShellPort::RepaintMain(void* window, uint32_t flags) {
    ::RepaintMain(static_cast<HWND>(window), flags);
}

void Win32ShellPort::UpdateScrollBar(void* window) {
    ::UpdateScrollBar(static_cast<HWND>(window));
}

void Win32ShellPort::UpdateBookmarkMark(void* window) {
    ::UpdateBookmarkMark(static_cast<HWND>(window), MarkMode::Set);
}

void Win32ShellPort::LoadGlyphBitmaps() {
    const int identifiers[3] = {ScreenPicture(IDB_GLYPH_PLUS, IDB_GLYPH_PLUS_TWICE),
                                ScreenPicture(IDB_GLYPH_MINUS, IDB_GLYPH_MINUS_TWICE),
                                ScreenPicture(IDB_GLYPH_PAGE, IDB_GLYPH_PAGE_TWICE)};
    HINSTANCE instance = static_cast<HINSTANCE>(AppSettings.Instance);
    // One that cannot be loaded stays null, for no glyph; DeleteGlyphBitmaps
    // passes it over.
    for (int i = 0; i < 3; ++i)
        AppSettings.GlyphBitmaps[i] = LoadBitmapW(instance, MAKEINTRESOURCEW(identifiers[i]));
}

void Win32ShellPort::DeleteGlyphBitmaps() {
    for (void*& bitmap : AppSettings.GlyphBitmaps) {
        if (bitmap) DeleteObject(static_cast<HBITMAP>(bitmap));
        bitmap = nullptr;
    }
}

void Win32ShellPort::PostQuit(int32_t code) { PostQuitMessage(code); }
