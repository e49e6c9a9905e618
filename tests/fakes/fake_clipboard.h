// An in-memory clipboard with its global blocks: what it holds in which
// format, which blocks are still the program's, and every call made out of
// turn (data set while closed, a block freed that the clipboard owns, ...).
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/clipboard_port.h"
#include "platform/ports.h"

class FakeClipboard : public ClipboardPort {
public:
    // Failures a test can ask for.
    bool FailOpen = false;
    int OpensBeforeFailure = -1;   // this many opens succeed, then FailOpen is set
    bool FailAlloc = false;
    bool FailLock = false;
    bool FailSetData = false;

    // Calls made out of turn; a sound caller leaves this empty.
    std::vector<std::string> Faults;
    int Opens = 0;

    // What another program placed: the clipboard's only data afterwards.
    void Hold(uint32_t format, const std::vector<uint8_t>& bytes);
    void HoldUnicodeText(const std::u16string& text);   // with its terminator
    void HoldRichText(const std::string& document);     // with its terminator

    // The formats the clipboard holds, in ascending order.
    std::vector<uint32_t> Formats() const;
    bool Holds(uint32_t format) const { return contents_.count(format) != 0; }
    // The data of a format up to its terminator (empty when it holds none).
    std::u16string UnicodeText() const;
    std::string RichText() const;
    // The whole block of a format, terminator and all that follows it.
    std::vector<uint8_t> BlockBytes(uint32_t format) const;
    uint32_t RichTextFormat();
    // Blocks that were allocated and neither freed nor handed over.
    int BlocksOfTheProgram() const;
    bool IsOpen() const { return open_; }

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

private:
    struct Block {
        std::vector<uint8_t> Bytes;
        int Locks = 0;
        bool OwnedByClipboard = false;
    };
    Block* Find(ClipboardBlock block, const char* call);
    ClipboardBlock NewBlock(const std::vector<uint8_t>& bytes);
    void Release(uint32_t format);

    std::map<uintptr_t, Block> blocks_;
    std::map<uint32_t, ClipboardBlock> contents_;
    std::map<std::u16string, uint32_t> registered_;
    uintptr_t nextHandle_ = 0x100;
    bool open_ = false;
};

// Installs a fake clipboard in Ports for one test and puts the old one back.
class ScopedFakeClipboard {
public:
    FakeClipboard Clipboard;
    ScopedFakeClipboard() : saved_(Ports.Clipboard) { Ports.Clipboard = &Clipboard; }
    ~ScopedFakeClipboard() { Ports.Clipboard = saved_; }

private:
    ClipboardPort* saved_;
};
