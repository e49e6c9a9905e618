#include "output/rtf_body.h"

#include <cstdio>
#include <cstring>

#include "output/presentation_forms.h"

namespace {
constexpr char kParagraphBreak[] = "\\par\\par\r\n";
constexpr size_t kParagraphBreakLength = sizeof kParagraphBreak - 1;
// The body's last break, its 0 and a margin.
constexpr size_t kMeasureStart = 13;
// A run of line ends as measured: the break and a margin.
constexpr size_t kMeasuredBreak = 12;

bool IsLineEnd(char16_t unit) { return unit == 0x0D || unit == 0x0A; }
bool IsPlain(char16_t unit) { return unit >= 0x21 && unit <= 0x7E; }
bool IsRtfSpecial(char16_t unit) { return unit == u'\\' || unit == u'{' || unit == u'}'; }
// Characters a reader would take as part of a \uN escape right before them.
bool ContinuesEscape(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'z') ||
           (unit >= u'A' && unit <= u'Z');
}

// "\u" and the decimal digits of value.
size_t EscapeLength(unsigned value) {
    size_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return 2 + digits;
}

// Every escape is counted with room for the space that may end it.
size_t MeasureBody(const char16_t* text) {
    size_t length = kMeasureStart;
    for (size_t i = 0; text[i] != 0;) {
        const char16_t unit = text[i];
        if (unit == u' ') {
            size_t run = 0;
            while (text[i] == u' ') ++run, ++i;
            length += run + 1;
            continue;
        }
        if (IsLineEnd(unit)) {
            while (IsLineEnd(text[i])) ++i;
            length += kMeasuredBreak;
            continue;
        }
        if (IsRtfSpecial(unit)) length += 2;
        else if (IsPlain(unit)) length += 1;
        else if (const Decomposition* forms = FindDecomposition(unit)) {
            for (int k = 0; k < DecompositionLength(*forms); ++k)
                length += EscapeLength(forms->Points[k]) + 1;
        } else
            length += EscapeLength(unit) + 1;
        ++i;
    }
    return length;
}

class BodyWriter {
public:
    explicit BodyWriter(char* output) : start_(output), position_(output) {}

    void Spaces(size_t run) {
        if (afterEscape_) ++run;   // the first space ends the escape and is not shown
        std::memset(position_, ' ', run);
        position_ += run;
        afterEscape_ = false;
    }
    void ParagraphBreak() {
        std::memcpy(position_, kParagraphBreak, kParagraphBreakLength);
        position_ += kParagraphBreakLength;
        afterEscape_ = false;
    }
    void Plain(char16_t unit) {
        if (afterEscape_ && ContinuesEscape(unit)) *position_++ = ' ';
        if (IsRtfSpecial(unit)) *position_++ = '\\';
        *position_++ = char(unit);
        afterEscape_ = false;
    }
    void Escape(unsigned value) {
        position_ += std::sprintf(position_, "\\u%u", value);
        afterEscape_ = true;
    }
    size_t Finish() {
        *position_ = 0;
        return size_t(position_ - start_);
    }

private:
    char* const start_;
    char* position_;
    bool afterEscape_ = false;
};
}  // namespace

size_t EncodeRtfBody(const char16_t* text, char* output) {
    if (!output) return MeasureBody(text);
    BodyWriter body(output);
    for (size_t i = 0; text[i] != 0;) {
        const char16_t unit = text[i];
        if (unit == u' ') {
            size_t run = 0;
            while (text[i] == u' ') ++run, ++i;
            body.Spaces(run);
            continue;
        }
        if (IsLineEnd(unit)) {
            while (IsLineEnd(text[i])) ++i;
            body.ParagraphBreak();
            continue;
        }
        if (IsPlain(unit)) {
            body.Plain(unit);
        } else if (const Decomposition* forms = FindDecomposition(unit)) {
            for (int k = 0; k < DecompositionLength(*forms); ++k) body.Escape(forms->Points[k]);
        } else {
            body.Escape(unit);
        }
        ++i;
    }
    body.ParagraphBreak();
    return body.Finish();
}
