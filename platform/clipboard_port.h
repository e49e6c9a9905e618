// The clipboard and the movable, shareable global memory its data travels
// in, as the core uses them. Each call is one platform call.
#pragma once
#include <cstddef>
#include <cstdint>

// A global memory block (a handle, not an address).
using ClipboardBlock = void*;

// The platform's number of the UTF-16 text format.
constexpr uint32_t kClipboardUnicodeText = 13;

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // Opens the clipboard for this program, with no owner window; false when
    // another program holds it.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // Only while open.
    virtual bool Empty() = 0;
    // The data in format, or none; the block stays the clipboard's.
    virtual ClipboardBlock GetData(uint32_t format) = 0;
    // On success the clipboard owns the block.
    virtual bool SetData(uint32_t format, ClipboardBlock block) = 0;
    // The number of a named format, registered if it is new; 0 on failure.
    virtual uint32_t RegisterFormat(const char16_t* name) = 0;

    // Movable, shareable blocks; none when there is no memory.
    virtual ClipboardBlock AllocBlock(size_t bytes) = 0;
    // The block's address while locked, or none.
    virtual void* LockBlock(ClipboardBlock block) = 0;
    virtual void UnlockBlock(ClipboardBlock block) = 0;
    virtual size_t BlockSize(ClipboardBlock block) = 0;
    virtual void FreeBlock(ClipboardBlock block) = 0;
};
