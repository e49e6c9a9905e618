// Breaking an article's blocks into the lines of its view.
#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "view/article_view.h"
#include "view/letter_codes.h"
#include "view/line_runs.h"

namespace {
constexpr uint8_t kSpace = 0x20;
constexpr uint8_t kHyphen = 0x2D;
constexpr int32_t kTableGrowth = 128;
constexpr int32_t kDisplayLineLimit = 0xFFFF;

int32_t HangLevelOf(uint8_t layoutByte) { return layoutByte >> 6; }
int32_t MarginOf(uint8_t layoutByte) { return layoutByte & kLayoutMarginMask; }

// Converts (Reverse suspended) and measures up to count bytes of run against
// maxWidth. False when the conversion had no memory; then nothing fits.
bool MeasureFitting(TextDevice* dc, const uint8_t* run, int32_t* maxWidth, int32_t* count) {
    int32_t units = 0;
    while (units < *count && run[units] != 0) ++units;
    const int32_t limit = std::max(*maxWidth, 0);
    *count = 0;
    *maxWidth = 0;
    if (units == 0) return true;
    const uint32_t savedFlags = AppSettings.Flags;
    AppSettings.Flags &= ~kFlagsReverse;
    const char16_t* converted = LettersToDisplay(run, units, &SharedConversion);
    AppSettings.Flags = savedFlags;
    if (!converted) return false;
    int32_t fit = 0;
    const TextExtent all = dc->MeasureFit(converted, units, limit, &fit);
    fit = std::clamp(fit, 0, units);
    int32_t width = all.Width;
    // The device gives the extent of everything passed; the fitted prefix
    // needs a measurement of its own unless it is everything.
    if (fit == 0) {
        width = 0;
    } else if (fit < units) {
        int32_t ignored = 0;
        width = dc->MeasureFit(converted, fit, limit, &ignored).Width;
    }
    *count = fit;
    *maxWidth = width;
    return true;
}

int16_t AlignedX(uint8_t format, int32_t left, int32_t viewWidth, int32_t indent, int32_t margin,
                 int32_t width) {
    switch (format & kFormatAlignMask) {
        case kFormatAlignRight:
            return int16_t(left + viewWidth - indent - width);
        case kFormatAlignCentre:
            return int16_t(left + margin + int16_t(viewWidth - indent - width) / 2);
        default:
            return int16_t(left + indent);
    }
}

// One run of LayoutArticle over one article.
class ArticleLayout {
public:
    ArticleLayout(ArticleView* view, const uint8_t* text, uint32_t size)
        : view_(view), text_(text), size_(std::min(size, kArticleOffsetLimit)) {}

    // Lays out every block; false when memory ran out (the table then ends
    // after the last complete line).
    bool Run();
    int32_t LinesMade() const { return index_; }
    int32_t ParagraphEnds() const { return paragraphEnds_; }
    FontHandle PreviousFont() const { return previousFont_; }

private:
    uint8_t ByteAt(uint32_t offset) const { return offset < size_ ? text_[offset] : 0; }
    bool RoomForLine();
    bool LayOutRule(uint8_t format, uint8_t layoutByte, uint32_t stringOffset);
    bool LayOutText(uint8_t format, int32_t hangLevel, uint32_t stringOffset, int32_t length);
    bool MakeLines(uint8_t format, const uint8_t* work, int32_t length, uint32_t stringOffset);

    ArticleView* view_;
    const uint8_t* text_;
    uint32_t size_;
    uint16_t formatWord_ = kNormalFormatWord;
    int32_t lineHeight_ = 0;
    uint16_t margin_ = 0;
    int32_t hangWidth_ = 0;
    int32_t index_ = 0;
    int32_t paragraphEnds_ = 0;
    bool full_ = false;
    FontHandle previousFont_ = nullptr;
};

bool ArticleLayout::Run() {
    previousFont_ = SelectFormatFont(view_, kNormalFormatWord);
    lineHeight_ = view_->Dc->Metrics().Height;
    int32_t previousMargin = 0;
    uint32_t offset = 0;
    while (!full_) {
        const uint8_t format = ByteAt(offset);
        if (format == 0) break;
        const uint8_t layoutByte = ByteAt(offset + 1);
        const uint32_t stringOffset = offset + 2;
        int32_t length = 0;
        while (ByteAt(stringOffset + uint32_t(length)) != 0) ++length;

        int32_t hangLevel = HangLevelOf(layoutByte);
        const int32_t margin = MarginOf(layoutByte);
        if (hangLevel > 0 && ByteAt(stringOffset) == kSpace && index_ > 0) {
            // A continuation block goes on at the previous block's indent.
            margin_ = uint16_t(margin_ + margin - previousMargin);
            hangLevel = 0;
        } else {
            margin_ = uint16_t(margin);
        }
        previousMargin = margin;

        const bool done = IsRuleFormat(format) ? LayOutRule(format, layoutByte, stringOffset)
                                               : LayOutText(format, hangLevel, stringOffset, length);
        if (!done) return false;
        offset = stringOffset + uint32_t(length) + 1;
    }
    return true;
}

// Makes sure the entry at index_ may be written: grows the table, or ends the
// article when the 16-bit counts would overflow.
bool ArticleLayout::RoomForLine() {
    if (index_ >= kMaxLineCount || index_ + paragraphEnds_ + 2 > kDisplayLineLimit) {
        full_ = true;
        return true;
    }
    if (index_ == view_->LineCapacity) return GrowLineTable(view_, index_) == 0;
    return true;
}

bool ArticleLayout::LayOutRule(uint8_t format, uint8_t layoutByte, uint32_t stringOffset) {
    if (layoutByte == 0) return true;
    if (!RoomForLine()) return false;
    if (full_) return true;
    const int32_t viewWidth = std::max(view_->Width, 0);
    int32_t length = layoutByte <= kRuleUnitsLimit
                         ? layoutByte
                         : (layoutByte - kRuleUnitsLimit) * viewWidth * 2 / 100;
    length = std::min(length, viewWidth);
    ArticleLine& line = view_->Lines[index_++];
    line.Offset = uint16_t(stringOffset);
    line.Length = 0;
    line.Width = uint16_t(length);
    line.Height = uint16_t(lineHeight_);
    line.HangWidth = 0;
    line.Format = format;
    line.X = AlignedX(format, view_->Left, view_->Width, 0, 0, length);
    if (format & kFormatParagraphEnd) ++paragraphEnds_;
    return true;
}

bool ArticleLayout::LayOutText(uint8_t format, int32_t hangLevel, uint32_t stringOffset,
                               int32_t length) {
    if ((format & kFormatFontBits) != (formatWord_ & kFormatFontBits)) {
        SelectFormatFont(view_, format);
        lineHeight_ = view_->Dc->Metrics().Height;
    }
    formatWord_ = format;
    hangWidth_ = hangLevel > 0 ? (hangLevel + 1) * view_->Dc->Metrics().MaxCharWidth / 2 : 0;
    if (margin_ >= view_->Width) margin_ = 0;

    if (!(format & kFormatRightToLeft))
        return MakeLines(format, text_ + stringOffset, length, stringOffset);
    // Right-to-left strings are stored in display order; lines are broken in
    // reading order on a reversed copy.
    auto* work = static_cast<uint8_t*>(PlainAlloc(size_t(length) + 1));
    if (!work) {
        std::memset(&view_->Lines[index_], 0, sizeof(ArticleLine));
        return false;
    }
    for (int32_t j = 0; j < length; ++j) work[j] = text_[stringOffset + uint32_t(length - 1 - j)];
    work[length] = 0;
    const bool done = MakeLines(format, work, length, stringOffset);
    PlainFree(work);
    return done;
}

// Breaks the working string (the block's string in reading order, length bytes)
// into lines. Every line consumes at least one byte, so the walk ends.
bool ArticleLayout::MakeLines(uint8_t format, const uint8_t* work, int32_t length,
                              uint32_t stringOffset) {
    const bool rightToLeft = (format & kFormatRightToLeft) != 0;
    int32_t p = 0;
    int32_t remaining = length;
    while (true) {
        while (p < length && work[p] == kSpace) {
            ++p;
            --remaining;
        }
        if (p >= length) return true;
        if (!RoomForLine()) return false;
        if (full_) return true;

        int32_t fit = remaining;
        int32_t avail = view_->Width - margin_;
        const int32_t wordStart = p;
        int32_t hangLength = 0;
        if (hangWidth_ != 0) {
            while (p < length && work[p] != kSpace) ++p;
            while (p < length && work[p] == kSpace) ++p;
            hangLength = p - wordStart;
            fit -= hangLength;
            avail = std::max(avail - hangWidth_, 0);
        }

        int32_t width = avail;
        bool measured = MeasureFitting(view_->Dc, work + p, &width, &fit);
        if (measured && p + fit < length && work[p + fit] != kSpace) {
            // The fitted part ends inside a word: break at the last space or
            // hyphen in it, but not at its first byte.
            int32_t k = fit - 1;
            while (k > 0 && work[p + k] != kSpace && work[p + k] != kHyphen) --k;
            if (k > 0) {
                fit = work[p + k] == kHyphen ? k + 1 : k;
                measured = MeasureFitting(view_->Dc, work + p, &width, &fit);
            }
        }
        if (measured && fit == 0 && hangLength == 0) {
            // Not even one character fits the view: take one anyway, so that
            // a view narrower than a letter still ends the layout.
            fit = 1;
            width = INT32_MAX;
            measured = MeasureFitting(view_->Dc, work + p, &width, &fit);
        }
        if (!measured) {
            std::memset(&view_->Lines[index_], 0, sizeof(ArticleLine));
            return false;
        }

        ArticleLine& line = view_->Lines[index_];
        if (rightToLeft)
            line.Offset = uint16_t(stringOffset + uint32_t(length - p - fit));
        else
            line.Offset = uint16_t(stringOffset + uint32_t(hangLength ? wordStart : p));
        p = wordStart;
        line.Length = uint16_t(fit);
        line.Height = uint16_t(lineHeight_);
        line.Width = uint16_t(width);
        line.HangWidth = uint16_t(hangWidth_);
        const uint16_t indent = uint16_t(margin_ + hangWidth_);
        line.X = AlignedX(format, view_->Left, view_->Width, indent, margin_, width);
        margin_ = indent;
        fit += hangLength;
        hangWidth_ = 0;

        // The block's last line is the one after which only spaces are left.
        int32_t rest = p + fit;
        while (rest < length && work[rest] == kSpace) ++rest;
        if (rest >= length) {
            line.Format = format;
            if (format & kFormatParagraphEnd) ++paragraphEnds_;
        } else {
            line.Format = format & ~kFormatParagraphEnd;
        }
        p += fit;
        remaining -= fit;
        ++index_;
    }
}

void ReleaseText(ArticleView* view) {
    PlainFree(view->Text);
    view->Text = nullptr;
    view->TextSize = 0;
}
}  // namespace

void FitText(TextDevice* dc, const uint8_t* run, int32_t* maxWidth, int32_t* count) {
    MeasureFitting(dc, run, maxWidth, count);
}

int32_t GrowLineTable(ArticleView* view, int32_t index) {
    if (!view) return kNoView;
    const int32_t capacity = view->LineCapacity + kTableGrowth;
    auto* lines = static_cast<ArticleLine*>(PlainAlloc((size_t(capacity) + 1) * sizeof(ArticleLine)));
    if (!lines) {
        if (view->Lines) std::memset(&view->Lines[index], 0, sizeof(ArticleLine));
        return kGrowFailed;
    }
    if (view->Lines) std::memcpy(lines, view->Lines, size_t(view->LineCapacity) * sizeof(ArticleLine));
    PlainFree(view->Lines);
    view->Lines = lines;
    view->LineCapacity = uint16_t(capacity);
    return 0;
}

int32_t ComputeMaxTopLine(ArticleView* view) {
    if (!view || !view->Lines || view->DisplayLineCount == 0 || view->LineCount == 0) return kNoView;
    int32_t remaining = int16_t(view->Height);
    int32_t count = 0;
    for (int32_t k = view->LineCount - 1; k >= 0; --k) {
        const ArticleLine& line = view->Lines[k];
        if (remaining < line.Height) break;
        remaining -= line.Height;
        ++count;
        if (line.Format & kFormatParagraphEnd) {
            remaining -= line.Height;
            ++count;
        }
    }
    // The blank line after the topmost counted entry fitted, the entry did not.
    if (remaining < 0) --count;
    view->MaxTopLine = uint16_t(std::max(view->DisplayLineCount - count, 0));
    return view->MaxTopLine;
}

int32_t LayoutSizedArticle(ArticleView* view, uint8_t* bytes, uint32_t size,
                           int32_t releasePrevious) {
    if (!view) return kNoView;
    view->MatchStart = 0;
    view->MatchEnd = 0;
    view->MarkStart = 0;
    view->MarkEnd = 0;
    view->DisplayLineCount = 0;
    view->MaxTopLine = 0;
    if (!bytes) {
        if (releasePrevious) ReleaseText(view);
        return kLayoutNoText;
    }
    auto byteAt = [&](uint32_t offset) -> uint8_t { return offset < size ? bytes[offset] : 0; };
    if (byteAt(0) == 0 || (byteAt(2) == 0 && !IsRuleFormat(byteAt(0)))) return kLayoutRefused;
    // Laying the shown bytes out again must not release them.
    if (releasePrevious && view->Text != bytes) ReleaseText(view);
    if (!view->Lines || view->LineCapacity == 0) {
        PlainFree(view->Lines);
        view->Lines = nullptr;
        view->LineCapacity = 0;
        auto* lines = static_cast<ArticleLine*>(PlainAlloc((kTableGrowth + 1) * sizeof(ArticleLine)));
        if (!lines) return kLayoutOutOfMemory;
        std::memset(&lines[0], 0, sizeof lines[0]);
        view->Lines = lines;
        view->LineCapacity = kTableGrowth;
    }

    ArticleLayout layout(view, bytes, size);
    const bool done = layout.Run();
    const int32_t lines = layout.LinesMade();
    view->LineCount = uint16_t(lines);
    view->DisplayLineCount = uint16_t(lines + layout.ParagraphEnds());
    if (!done) {
        // The table ends after the last complete line. A view that still shows
        // other text must not draw this table's offsets over it.
        if (view->Text && view->Text != bytes) {
            std::memset(&view->Lines[0], 0, sizeof(ArticleLine));
            view->LineCount = 0;
            view->DisplayLineCount = 0;
        }
        view->Dc->SelectFont(layout.PreviousFont());
        return kLayoutOutOfMemory;
    }
    std::memset(&view->Lines[lines], 0, sizeof(ArticleLine));
    if (lines > 0 && (view->Lines[lines - 1].Format & kFormatParagraphEnd)) {
        // No blank line after the article's last line.
        view->Lines[lines - 1].Format &= ~kFormatParagraphEnd;
        --view->DisplayLineCount;
    }
    if (view->Text != bytes || size < view->TextSize) view->TextSize = size;
    view->Text = bytes;
    ComputeMaxTopLine(view);
    view->Dc->SelectFont(layout.PreviousFont());
    return kLayoutDone;
}

int32_t LayoutArticle(ArticleView* view, uint8_t* bytes, int32_t releasePrevious) {
    const uint32_t size = view && bytes && bytes == view->Text && view->TextSize
                              ? view->TextSize
                              : kArticleOffsetLimit;
    return LayoutSizedArticle(view, bytes, size, releasePrevious);
}
