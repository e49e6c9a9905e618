#include "view/line_runs.h"

namespace {
constexpr uint8_t kSpace = 0x20;

int32_t SkipSpaces(const uint8_t* text, int32_t at) {
    while (text[at] == kSpace) ++at;
    return at;
}

int32_t SkipWord(const uint8_t* text, int32_t at) {
    while (text[at] != 0 && text[at] != kSpace) ++at;
    return at;
}

// Left-to-right first line: the hanging word starts at Offset and runs to the
// first space; the main run begins after the word and the spaces behind it.
ByteRun LeftToRightHangingWord(const uint8_t* text, const ArticleLine& line) {
    const int32_t start = line.Offset;
    return ByteRun{start, SkipWord(text, start) - start};
}

int32_t LeftToRightMainRunStart(const uint8_t* text, const ArticleLine& line) {
    return SkipSpaces(text, SkipWord(text, line.Offset));
}

// Right-to-left first line: the string is stored in display order, so the
// hanging word (the reading-first word) is the tail of the string behind the
// main run and the spaces that separate them.
ByteRun RightToLeftHangingWord(const uint8_t* text, const ArticleLine& line) {
    // Behind the main run come the spaces that followed the hanging word in
    // reading order, then the word itself. A block of a single word has an
    // empty main run and its word starts right at Offset + Length. Spaces
    // after the word (the string's reading start) are not part of it.
    const int32_t start = SkipSpaces(text, int32_t(line.Offset) + line.Length);
    return ByteRun{start, SkipWord(text, start) - start};
}

}  // namespace

ByteRun HangingWordOf(const uint8_t* text, const ArticleLine& line) {
    if (!HasHangingWord(line)) return ByteRun{line.Offset, 0};
    if (line.Format & kFormatRightToLeft) return RightToLeftHangingWord(text, line);
    return LeftToRightHangingWord(text, line);
}

ByteRun MainRunOf(const uint8_t* text, const ArticleLine& line) {
    if (HasHangingWord(line) && !(line.Format & kFormatRightToLeft))
        return ByteRun{LeftToRightMainRunStart(text, line), line.Length};
    return ByteRun{line.Offset, line.Length};
}

LineSpan LineSpanOf(const uint8_t* text, const ArticleLine& line) {
    const ByteRun main = MainRunOf(text, line);
    int32_t end = main.Start + main.Count;
    if (HasHangingWord(line) && (line.Format & kFormatRightToLeft)) {
        const ByteRun word = RightToLeftHangingWord(text, line);
        if (word.Count > 0) end = word.Start + word.Count;
    }
    return LineSpan{line.Offset, end};
}
