// References as a reader types and reads them: "בראשית ה, כא", "בראשית א,
// א-ג". A typed reference names a book as the titles do, or by a prefix that
// fits one book, or by a customary short form; numbered books take their
// letter or digit after the name or its prefix; chapter and verse are Hebrew
// numerals (with or without geresh and gershayim) or digits, separated by
// spaces, a comma, a colon or a period; a hyphen gives a range of verses of
// one chapter; a chapter alone means its first verse, a book alone its first
// chapter.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "verses/verse_index.h"

// A line shown to the reader, left to right: Latin pieces as they are,
// Hebrew pieces in letter codes and display order.
struct LinePiece {
    bool Hebrew;
    std::string Text;
};
using ReaderLine = std::vector<LinePiece>;

// What a typed reference was understood as: the verses, and the line that
// says so, or what is wrong with it.
struct ReferenceAnswer {
    bool Valid;
    VerseSpan Span;
    ReaderLine Line;
};

// The Latin texts of the answers.
constexpr char kTypeAReference[] = "Type a book, a chapter and a verse";
constexpr char kNoBookIsCalled[] = "No book is called ";
constexpr char kCouldBe[] = " could be ";
constexpr char kHasChapters[] = " chapters";     // "<book> has 50 chapters"
constexpr char kHasVerses[] = " verses";         // "<book> <chapter> has 31 verses"
constexpr char kHas[] = " has ";
constexpr char kRunsBackwards[] = " runs backwards";
constexpr char kIsNotANumber[] = " is not a number";
constexpr char kUnexpected[] = "Unexpected ";
constexpr char kRangeWithinChapter[] = "A range is of verses within one chapter";
constexpr char kRangeNeedsItsEnd[] = "A range needs its last verse";

// The reference the way the titles write it, in letter codes and reading
// order: "byazj{ e, la", "byazj{ a, a-c".
std::string FormatReference(const VerseIndex& index, const VerseSpan& span);

// Reads a reference typed in reading order. Letters may be at fontAsciiBase
// (as the mapped keyboard types them) or Unicode Hebrew letters.
ReferenceAnswer ReadReference(const VerseIndex& index, const char16_t* typed, size_t count,
                              int32_t fontAsciiBase);

// The search-style field holds right-to-left text in display order, with
// numbers typed left to right among it; this is the same text in reading
// order. A number is a run that starts and ends with a digit and holds only
// digits and the separators between them.
std::u16string TypedReadingOrder(const char16_t* field, size_t count);

// The line as Unicode text in display order (letters at U+05D0).
std::u16string LineText(const ReaderLine& line);
