// Fakes of the record source, the message port and the shell port.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/ports.h"
#include "platform/record_source.h"

class MemoryRecordSource : public RecordSource {
public:
    std::map<uint16_t, std::vector<uint8_t>> Records;
    std::vector<uint16_t> Unavailable;   // identifiers that exist but cannot be loaded
    RecordLookup Find(uint16_t identifier, const uint8_t** bytes, size_t* size) override;
};

struct ShownMessage {
    void* Owner;
    std::u16string Text;
    std::u16string Caption;   // empty when none was given
    bool HasCaption;
    uint32_t Style;
};

class FakeMessagePort : public MessagePort {
public:
    std::vector<ShownMessage> Shown;
    std::vector<int32_t> Answers;   // answered in order; kIdOk once they run out
    int32_t ShowMessage(void* owner, const char16_t* text, const char16_t* caption,
                        uint32_t style) override;
};

class FakeShellPort : public ShellPort {
public:
    std::vector<uint32_t> Repaints;
    int ScrollBarUpdates = 0;
    int BookmarkMarkUpdates = 0;
    void RepaintMain(void* window, uint32_t flags) override { Repaints.push_back(flags); }
    void UpdateScrollBar(void* window) override { ++ScrollBarUpdates; }
    void UpdateBookmarkMark(void* window) override { ++BookmarkMarkUpdates; }
    int GlyphLoads = 0;
    int GlyphDeletes = 0;
    std::vector<int32_t> Quits;
    void LoadGlyphBitmaps() override { ++GlyphLoads; }
    void DeleteGlyphBitmaps() override { ++GlyphDeletes; }
    void PostQuit(int32_t code) override { Quits.push_back(code); }
};

// Installs the fakes in Ports for one test and puts the old ports back after.
class ScopedFakePorts {
public:
    MemoryRecordSource Records;
    FakeMessagePort Messages;
    FakeShellPort Shell;
    ScopedFakePorts();
    ~ScopedFakePorts();

private:
    PlatformPorts saved_;
};
