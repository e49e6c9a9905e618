#include "output/win32/win32_clipboard_port.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

static_assert(kClipboardUnicodeText == CF_UNICODETEXT, "the Unicode text format's number");

namespace {
// Another program (the session's clipboard manager, a clipboard viewer) may
// hold the clipboard for a moment; a user's Copy waits that long for it.
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 10;
}  // namespace

// With no owner window the clipboard is this thread's until it is closed.
bool Win32ClipboardPort::Open() {
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        if (attempt == kOpenAttempts) return false;
        Sleep(kOpenRetryMs);
    }
}

void Win32ClipboardPort::Close() { CloseClipboard(); }

bool Win32ClipboardPort::Empty() { return EmptyClipboard() != FALSE; }

ClipboardBlock Win32ClipboardPort::GetData(uint32_t format) { return GetClipboardData(format); }

bool Win32ClipboardPort::SetData(uint32_t format, ClipboardBlock block) {
    return SetClipboardData(format, static_cast<HANDLE>(block)) != nullptr;
}

uint32_t Win32ClipboardPort::RegisterFormat(const char16_t* name) {
    return RegisterClipboardFormatW(AsWide(name));
}

ClipboardBlock Win32ClipboardPort::AllocBlock(size_t bytes) {
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
}

void* Win32ClipboardPort::LockBlock(ClipboardBlock block) { return GlobalLock(static_cast<HGLOBAL>(block)); }

void Win32ClipboardPort::UnlockBlock(ClipboardBlock block) { GlobalUnlock(static_cast<HGLOBAL>(block)); }

size_t Win32ClipboardPort::BlockSize(ClipboardBlock block) { return GlobalSize(static_cast<HGLOBAL>(block)); }

void Win32ClipboardPort::FreeBlock(ClipboardBlock block) { GlobalFree(static_cast<HGLOBAL>(block)); }
