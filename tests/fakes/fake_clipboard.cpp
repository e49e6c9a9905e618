#include "tests/fakes/fake_clipboard.h"

#include <cstring>

namespace {
constexpr uint32_t kFirstRegisteredFormat = 0xC000;
}

void FakeClipboard::Hold(uint32_t format, const std::vector<uint8_t>& bytes) {
    for (auto& [held, block] : contents_) blocks_.erase(uintptr_t(block));
    contents_.clear();
    ClipboardBlock block = NewBlock(bytes);
    blocks_[uintptr_t(block)].OwnedByClipboard = true;
    contents_[format] = block;
}

void FakeClipboard::HoldUnicodeText(const std::u16string& text) {
    std::vector<uint8_t> bytes((text.size() + 1) * sizeof(char16_t));
    std::memcpy(bytes.data(), text.c_str(), bytes.size());
    Hold(kClipboardUnicodeText, bytes);
}

void FakeClipboard::HoldRichText(const std::string& document) {
    std::vector<uint8_t> bytes(document.begin(), document.end());
    bytes.push_back(0);
    Hold(RichTextFormat(), bytes);
}

std::vector<uint32_t> FakeClipboard::Formats() const {
    std::vector<uint32_t> formats;
    for (const auto& [format, block] : contents_) formats.push_back(format);
    return formats;
}

std::u16string FakeClipboard::UnicodeText() const {
    auto held = contents_.find(kClipboardUnicodeText);
    if (held == contents_.end()) return {};
    const std::vector<uint8_t>& bytes = blocks_.at(uintptr_t(held->second)).Bytes;
    std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
    return text.substr(0, text.find(u'\0'));
}

std::string FakeClipboard::RichText() const {
    auto format = registered_.find(u"Rich Text Format");
    if (format == registered_.end()) return {};
    auto held = contents_.find(format->second);
    if (held == contents_.end()) return {};
    const std::vector<uint8_t>& bytes = blocks_.at(uintptr_t(held->second)).Bytes;
    std::string text(bytes.begin(), bytes.end());
    return text.substr(0, text.find('\0'));
}

std::vector<uint8_t> FakeClipboard::BlockBytes(uint32_t format) const {
    auto held = contents_.find(format);
    if (held == contents_.end()) return {};
    return blocks_.at(uintptr_t(held->second)).Bytes;
}

uint32_t FakeClipboard::RichTextFormat() { return RegisterFormat(u"Rich Text Format"); }

int FakeClipboard::BlocksOfTheProgram() const {
    int count = 0;
    for (const auto& [handle, block] : blocks_) count += block.OwnedByClipboard ? 0 : 1;
    return count;
}

bool FakeClipboard::Open() {
    if (open_) Faults.push_back("opened twice");
    if (OpensBeforeFailure == 0) FailOpen = true;
    if (OpensBeforeFailure >= 0) --OpensBeforeFailure;
    if (FailOpen) return false;
    ++Opens;
    open_ = true;
    return true;
}

void FakeClipboard::Close() {
    if (!open_) Faults.push_back("closed while not open");
    open_ = false;
}

bool FakeClipboard::Empty() {
    if (!open_) {
        Faults.push_back("emptied while not open");
        return false;
    }
    std::vector<uint32_t> formats = Formats();
    for (uint32_t format : formats) Release(format);
    return true;
}

ClipboardBlock FakeClipboard::GetData(uint32_t format) {
    if (!open_) Faults.push_back("data read while not open");
    auto held = contents_.find(format);
    return held == contents_.end() ? nullptr : held->second;
}

bool FakeClipboard::SetData(uint32_t format, ClipboardBlock handle) {
    if (!open_) Faults.push_back("data set while not open");
    Block* block = Find(handle, "SetData");
    if (!block) return false;
    if (block->Locks != 0) Faults.push_back("a locked block handed over");
    if (FailSetData) return false;
    if (contents_.count(format)) Release(format);
    block->OwnedByClipboard = true;
    contents_[format] = handle;
    return true;
}

uint32_t FakeClipboard::RegisterFormat(const char16_t* name) {
    auto found = registered_.find(name);
    if (found != registered_.end()) return found->second;
    const uint32_t format = kFirstRegisteredFormat + uint32_t(registered_.size());
    registered_[name] = format;
    return format;
}

ClipboardBlock FakeClipboard::AllocBlock(size_t bytes) {
    if (FailAlloc) return nullptr;
    // Stale bytes, as a fresh global block may hold.
    return NewBlock(std::vector<uint8_t>(bytes, 0xA5));
}

void* FakeClipboard::LockBlock(ClipboardBlock handle) {
    Block* block = Find(handle, "LockBlock");
    if (!block || FailLock) return nullptr;
    ++block->Locks;
    return block->Bytes.data();
}

void FakeClipboard::UnlockBlock(ClipboardBlock handle) {
    Block* block = Find(handle, "UnlockBlock");
    if (!block) return;
    if (block->Locks == 0) Faults.push_back("unlocked a block that was not locked");
    else --block->Locks;
}

size_t FakeClipboard::BlockSize(ClipboardBlock handle) {
    Block* block = Find(handle, "BlockSize");
    return block ? block->Bytes.size() : 0;
}

void FakeClipboard::FreeBlock(ClipboardBlock handle) {
    Block* block = Find(handle, "FreeBlock");
    if (!block) return;
    if (block->OwnedByClipboard) {
        Faults.push_back("freed a block the clipboard owns");
        return;
    }
    blocks_.erase(uintptr_t(handle));
}

FakeClipboard::Block* FakeClipboard::Find(ClipboardBlock handle, const char* call) {
    auto found = blocks_.find(uintptr_t(handle));
    if (found == blocks_.end()) {
        Faults.push_back(std::string(call) + " on an unknown block");
        return nullptr;
    }
    return &found->second;
}

ClipboardBlock FakeClipboard::NewBlock(const std::vector<uint8_t>& bytes) {
    const uintptr_t handle = nextHandle_++;
    blocks_[handle].Bytes = bytes;
    return reinterpret_cast<ClipboardBlock>(handle);
}

void FakeClipboard::Release(uint32_t format) {
    auto held = contents_.find(format);
    if (held == contents_.end()) return;
    blocks_.erase(uintptr_t(held->second));
    contents_.erase(held);
}
