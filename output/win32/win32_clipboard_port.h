// The Win32 clipboard and movable, shareable global memory.
#pragma once
#include "platform/clipboard_port.h"

class Win32ClipboardPort : public ClipboardPort {
public:
    bool Open() override;
    void Close() override;
    bool Empty() override;
    ClipboardBlock GetData(uint32_t format) override;
    bool SetData(uint32_t format, ClipboardBlock block) override;
    uint32_t RegisterFormat(const char16_t* name) override;
    ClipboardBlock AllocBlock(size_t bytes) override;
    void* LockBlock(ClipboardBlock block) override;
    void UnlockBlock(ClipboardBlock block) override;
    size_t BlockSize(ClipboardBlock block) override;
    void FreeBlock(ClipboardBlock block) override;
};
