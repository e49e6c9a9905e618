#include "verses/verse_quote.h"

#include <cstring>

#include "output/clipboard_copy.h"
#include "output/rtf_body.h"
#include "output/rtf_document.h"
#include "platform/allocation.h"
#include "platform/clipboard_port.h"
#include "platform/ports.h"
#include "settings/app_settings.h"
#include "store/record_loader.h"
#include "verses/article_verses.h"
#include "verses/verse_reference.h"
#include "view/letter_codes.h"

namespace {
constexpr char16_t kLineEnd[] = u"\r\n";

// Letter codes in reading order as Unicode text: the conversion the view
// uses, at the Unicode base and without the Reverse step.
std::u16string UnicodeText(const std::string& letters) {
    const int32_t savedBase = AppSettings.Font.FontAsciiBase;
    const uint32_t savedFlags = AppSettings.Flags;
    AppSettings.Font.FontAsciiBase = kUnicodeBase;
    AppSettings.Flags &= ~kFlagsReverse;
    const char16_t* units = LettersToDisplay(reinterpret_cast<const uint8_t*>(letters.data()),
                                             int32_t(letters.size()), &SharedConversion);
    AppSettings.Font.FontAsciiBase = savedBase;
    AppSettings.Flags = savedFlags;
    return units ? std::u16string(units, letters.size()) : std::u16string();
}

// The span's verses with their numbers, in order, from every article that
// holds some of them; false when one cannot be read.
bool CollectVerses(const VerseIndex& index, const VerseSpan& span, std::vector<std::string>* numbered,
                   std::vector<std::string>* words) {
    for (size_t a = 0; a < index.Articles.size(); ++a) {
        const IndexedArticle& held = index.Articles[a];
        if (held.Book != span.Book || held.Chapter != span.Chapter || held.LastVerse < span.FirstVerse ||
            held.FirstVerse > span.LastVerse)
            continue;
        uint32_t length = 0;
        uint8_t* article = LoadRecord(int(a + 1), nullptr, &length);
        if (!article) return false;
        for (const VerseBlock& block : ArticleVerseBlocks(article, length + kRecordTerminators)) {
            if (block.Verse < span.FirstVerse || block.Verse > span.LastVerse) continue;
            numbered->push_back(HebrewNumeralText(block.Verse));
            words->push_back(VerseWords(article, block));
        }
        PlainFree(article);
    }
    return words->size() == size_t(span.LastVerse - span.FirstVerse + 1);
}

// Hands both blocks to the clipboard in one opening; a block it does not
// take is released.
void PlaceBoth(ClipboardPort* clipboard, ClipboardBlock text, uint32_t richFormat, ClipboardBlock rich) {
    if (!clipboard->Open()) {
        if (text) clipboard->FreeBlock(text);
        if (rich) clipboard->FreeBlock(rich);
        return;
    }
    clipboard->Empty();
    if (text && !clipboard->SetData(kClipboardUnicodeText, text)) clipboard->FreeBlock(text);
    if (rich && !clipboard->SetData(richFormat, rich)) clipboard->FreeBlock(rich);
    clipboard->Close();
}

ClipboardBlock FilledBlock(ClipboardPort* clipboard, const void* bytes, size_t size) {
    ClipboardBlock block = clipboard->AllocBlock(size);
    void* at = block ? clipboard->LockBlock(block) : nullptr;
    if (!at) {
        if (block) clipboard->FreeBlock(block);
        return nullptr;
    }
    std::memcpy(at, bytes, size);
    clipboard->UnlockBlock(block);
    return block;
}
}  // namespace

std::u16string QuoteVerses(const VerseIndex& index, const VerseSpan& span) {
    std::vector<std::string> numbers, words;
    if (!CollectVerses(index, span, &numbers, &words)) return std::u16string();
    const std::u16string reference = u"(" + UnicodeText(FormatReference(index, span)) + u")";
    if (words.size() == 1) return UnicodeText(words[0]) + u" " + reference;
    std::u16string quote;
    for (size_t i = 0; i < words.size(); ++i) quote += UnicodeText(numbers[i] + " " + words[i]) + kLineEnd;
    return quote + reference;
}

void PutVerseQuote(const std::u16string& quote) {
    ClipboardPort* clipboard = Ports.Clipboard;
    if (!clipboard || quote.empty()) return;
    const uint32_t richFormat = clipboard->RegisterFormat(kRichTextFormatName);
    ClipboardBlock text = FilledBlock(clipboard, quote.c_str(), (quote.size() + 1) * sizeof(char16_t));
    ClipboardBlock rich = nullptr;
    if (richFormat != 0) {
        std::string body(EncodeRtfBody(quote.c_str(), nullptr) + 1, '\0');
        const size_t bodyLength = EncodeRtfBody(quote.c_str(), body.data());
        std::string document(RichDocumentSize(bodyLength, 0), '\0');
        const size_t length = ComposeRichDocument(document.data(), nullptr, 0, body.data(), bodyLength);
        rich = FilledBlock(clipboard, document.data(), length + 1);
    }
    PlaceBoth(clipboard, text, richFormat, rich);
}
