// A typed reference, any UTF-16 text at all, against an index shaped like
// the book's (numbered books, a two-word name, short chapters): the reader
// either names verses the index holds or says what is wrong, and a valid
// answer formats back to a reference that reads as the same verses. The
// field's reading-order step keeps every unit.
//
// Input: byte 0 picks the character base, the rest is read as UTF-16 units,
// most folded onto the characters a reference holds so that valid ones are
// frequent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "verses/verse_reference.h"

namespace {
VerseIndex MakeIndex() {
    VerseIndex index{};
    const char* names[] = {"byazj{", "zofam a", "zofam b", "zjy ezjyjn", "dbyjn", "dbyj ejojn a"};
    for (const char* name : names) {
        IndexedBook book{name, {}};
        for (uint16_t c = 1; c <= 20; ++c) book.VerseCounts.push_back(uint16_t(c * 3 % 17 + 1));
        index.Books.push_back(book);
    }
    return index;
}

char16_t Fold(uint16_t unit, int32_t base) {
    static const char16_t kPunctuation[] = u" ,:.-'\"0123456789";
    switch (unit % 4) {
        case 0: return char16_t(base + (unit >> 2) % 27);
        case 1: return kPunctuation[(unit >> 2) % (sizeof kPunctuation / 2 - 1)];
        case 2: return char16_t(0x05D0 + (unit >> 2) % 27);
        default: return char16_t((unit >> 2) | 1);   // a field holds no NUL
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const VerseIndex index = MakeIndex();
    if (size < 1) return 0;
    const int32_t bases[] = {97, 224, 1488};
    const int32_t base = bases[data[0] % 3];
    std::u16string typed;
    for (size_t i = 1; i + 1 < size && typed.size() < 64; i += 2)
        typed += Fold(uint16_t(data[i] | (data[i + 1] << 8)), base);

    const std::u16string reading = TypedReadingOrder(typed.data(), typed.size());
    if (reading.size() != typed.size()) abort();

    const ReferenceAnswer answer = ReadReference(index, typed.data(), typed.size(), base);
    if (answer.Line.empty()) abort();
    if (!answer.Valid) return 0;
    const VerseSpan span = answer.Span;
    if (span.Book >= index.Books.size() || span.Chapter < 1 ||
        span.Chapter > index.Books[span.Book].VerseCounts.size() || span.FirstVerse < 1 ||
        span.LastVerse < span.FirstVerse || span.LastVerse > index.Books[span.Book].VerseCounts[span.Chapter - 1])
        abort();
    const std::string again = FormatReference(index, span);
    std::u16string letters;
    for (char c : again) letters += (c >= 'a' && c <= '{') ? char16_t(0x05D0 + (c - 'a')) : char16_t(c);
    const ReferenceAnswer back = ReadReference(index, letters.data(), letters.size(), base);
    if (!back.Valid || back.Span.Book != span.Book || back.Span.Chapter != span.Chapter ||
        back.Span.FirstVerse != span.FirstVerse || back.Span.LastVerse != span.LastVerse)
        abort();
    return 0;
}
