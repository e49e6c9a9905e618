#include "platform/win32/message_box_port.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

int32_t MessageBoxPort::ShowMessage(void* owner, const char16_t* text, const char16_t* caption,
                                    uint32_t style) {
    return MessageBoxW(static_cast<HWND>(owner), AsWide(text), AsWide(caption), style);
}
