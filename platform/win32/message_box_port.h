// Messages to the user as Win32 message boxes.
#pragma once
#include "platform/ports.h"

class MessageBoxPort : public MessagePort {
public:
    int32_t ShowMessage(void* owner, const char16_t* text, const char16_t* caption,
                        uint32_t style) override;
};
