#include "output/clipboard_copy.h"

#include <cstring>

#include "output/article_text.h"
#include "output/rtf_body.h"
#include "output/rtf_document.h"
#include "platform/allocation.h"
#include "platform/clipboard_port.h"
#include "platform/ports.h"
#include "settings/app_settings.h"
#include "view/article_view.h"

namespace {
constexpr char16_t kLineEnd[] = u"\r\n";
constexpr size_t kLineEndUnits = 2;

// The clipboard's data as ReadClipboard reads it, telling in *opened whether
// the clipboard could be opened at all.
uint8_t* ReadClipboardData(size_t* length, uint32_t format, bool* opened);
// Put text on the clipboard, after what is there when appending. Nothing
// already there is lost when the block for the new data cannot be made.
void PutUnicodeText(const char16_t* text, int32_t append);
void PutRichText(const char16_t* text, int32_t append);

bool UnicodeLettersFont() { return AppSettings.Font.FontAsciiBase > kLegacyFontBaseLimit; }

// Hands a filled block to the clipboard in place of what it holds; the block
// is released when the clipboard does not take it.
void PlaceBlock(ClipboardPort* clipboard, uint32_t format, ClipboardBlock block) {
    if (!clipboard->Open()) {
        clipboard->FreeBlock(block);
        return;
    }
    clipboard->Empty();
    if (!clipboard->SetData(format, block)) clipboard->FreeBlock(block);
    clipboard->Close();
}

size_t UnitCount(const char16_t* text) {
    size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

// Text from another program need not end its last line; the article then
// starts on a line of its own.
bool EndsWithLineEnd(const uint8_t* old, size_t bytes) {
    if (bytes < 2) return false;
    char16_t last;
    std::memcpy(&last, old + bytes - 2, sizeof last);
    return last == u'\n' || last == u'\r';
}
// What an append adds to; false when the clipboard could not be opened to
// read it, so that the append places nothing rather than replace what it
// could not read.
bool ReadOldData(uint8_t** old, size_t* length, uint32_t format) {
    bool opened = false;
    *old = ReadClipboardData(length, format, &opened);
    return opened;
}
}  // namespace

void CopyArticle(ArticleView* view, int32_t append) {
    if (!view || !view->Text) return;
    const uint32_t size = view->TextSize ? view->TextSize : kArticleOffsetLimit;
    uint32_t bytes = 0;
    char16_t* text = AllocArticleText(view->Text, size, &bytes);
    // With Unicode Hebrew letters the Reverse step turns each block from
    // display order into reading order, unless Reverse is on already.
    const uint32_t savedFlags = AppSettings.Flags;
    if (UnicodeLettersFont()) AppSettings.Flags ^= kFlagsReverse;
    const int32_t status = ArticleToText(view->Text, size, text, bytes);
    AppSettings.Flags = savedFlags;
    if (status == kTextBuilt) PutUnicodeText(text, append);
    PlainFree(text);
}

uint8_t* ReadClipboard(size_t* length, uint32_t format) {
    bool opened = false;
    return ReadClipboardData(length, format, &opened);
}

namespace {

uint8_t* ReadClipboardData(size_t* length, uint32_t format, bool* opened) {
    *length = 0;
    ClipboardPort* clipboard = Ports.Clipboard;
    *opened = clipboard && clipboard->Open();
    if (!*opened) return nullptr;
    uint8_t* copy = nullptr;
    const bool unicode = format == 0 || format == kClipboardUnicodeText;
    ClipboardBlock block = clipboard->GetData(unicode ? kClipboardUnicodeText : format);
    const uint8_t* data = block ? static_cast<const uint8_t*>(clipboard->LockBlock(block)) : nullptr;
    if (data) {
        const size_t size = clipboard->BlockSize(block);
        size_t found = 0;
        if (unicode) {
            while (found + 1 < size && (data[found] | data[found + 1]) != 0) found += 2;
        } else {
            while (found < size && data[found] != 0) ++found;
        }
        if (found > 0) {
            copy = static_cast<uint8_t*>(AllocOrAbort(found + 2));
            std::memcpy(copy, data, found);
            copy[found] = copy[found + 1] = 0;
            *length = found;
        }
        clipboard->UnlockBlock(block);
    }
    clipboard->Close();
    return copy;
}

void PutUnicodeText(const char16_t* text, int32_t append) {
    if (UnicodeLettersFont()) {
        PutRichText(text, append);
        return;
    }
    ClipboardPort* clipboard = Ports.Clipboard;
    if (!clipboard) return;
    size_t oldBytes = 0;
    uint8_t* old = nullptr;
    if (append && !ReadOldData(&old, &oldBytes, 0)) return;
    const bool newLine = old && !EndsWithLineEnd(old, oldBytes);
    const size_t textBytes = UnitCount(text) * sizeof(char16_t);
    const size_t lineEndBytes = newLine ? kLineEndUnits * sizeof(char16_t) : 0;
    ClipboardBlock block = clipboard->AllocBlock(oldBytes + lineEndBytes + textBytes + sizeof(char16_t));
    uint8_t* at = block ? static_cast<uint8_t*>(clipboard->LockBlock(block)) : nullptr;
    if (!at) {
        if (block) clipboard->FreeBlock(block);
        PlainFree(old);
        return;
    }
    if (old) std::memcpy(at, old, oldBytes);
    std::memcpy(at + oldBytes, kLineEnd, lineEndBytes);
    std::memcpy(at + oldBytes + lineEndBytes, text, textBytes + sizeof(char16_t));
    clipboard->UnlockBlock(block);
    PlainFree(old);
    PlaceBlock(clipboard, kClipboardUnicodeText, block);
}

void PutRichText(const char16_t* text, int32_t append) {
    ClipboardPort* clipboard = Ports.Clipboard;
    if (!clipboard) return;
    const uint32_t format = clipboard->RegisterFormat(kRichTextFormatName);
    if (format == 0) return;
    size_t oldLength = 0;
    uint8_t* old = nullptr;
    if (append && !ReadOldData(&old, &oldLength, format)) return;
    const char* oldDocument = reinterpret_cast<const char*>(old);
    if (old && !IsRichDocument(oldDocument, oldLength)) oldLength = 0;   // not ours to extend

    char* body = static_cast<char*>(AllocOrAbort(EncodeRtfBody(text, nullptr) + 1));
    const size_t bodyLength = EncodeRtfBody(text, body);
    const size_t blockSize = RichDocumentSize(bodyLength, oldLength);
    ClipboardBlock block = clipboard->AllocBlock(blockSize);
    char* document = block ? static_cast<char*>(clipboard->LockBlock(block)) : nullptr;
    if (document) {
        const size_t length = ComposeRichDocument(document, oldDocument, oldLength, body, bodyLength);
        // Other programs may be handed the whole block: no stale bytes after the 0.
        std::memset(document + length, 0, blockSize - length);
        clipboard->UnlockBlock(block);
    }
    PlainFree(body);
    PlainFree(old);
    if (document) PlaceBlock(clipboard, format, block);
    else if (block) clipboard->FreeBlock(block);
}

}  // namespace
