#include "output/rtf_document.h"

#include <cstring>

namespace {
constexpr char kRtfSignature[] = "{\\rtf";

bool IsTrailingSpace(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }

char* Append(char* at, const char* bytes, size_t length) {
    std::memcpy(at, bytes, length);
    return at + length;
}
}  // namespace

bool IsRichDocument(const char* bytes, size_t length) {
    const size_t signature = sizeof kRtfSignature - 1;
    return bytes && length >= signature && std::memcmp(bytes, kRtfSignature, signature) == 0;
}

size_t RichDocumentSize(size_t bodyLength, size_t oldLength) {
    return bodyLength + oldLength + (oldLength ? kAppendedArticleExtra : kNewDocumentExtra);
}

size_t ComposeRichDocument(char* document, const char* old, size_t oldLength, const char* body,
                           size_t bodyLength) {
    char* at = document;
    if (oldLength == 0) {
        at = Append(at, kRtfHeader, kRtfHeaderLength);
    } else {
        size_t kept = oldLength;
        while (kept > 0 && IsTrailingSpace(old[kept - 1])) --kept;
        if (kept > 0 && old[kept - 1] == '}') --kept;
        at = Append(at, old, kept);
        at = Append(at, kRtfAppendedGroupOpen, sizeof kRtfAppendedGroupOpen - 1);
        at = Append(at, kRtfSeparator, kRtfSeparatorLength);
    }
    at = Append(at, body, bodyLength);
    if (oldLength != 0) at = Append(at, kRtfAppendedGroupClose, sizeof kRtfAppendedGroupClose - 1);
    at = Append(at, kRtfClosing, kRtfClosingLength);
    *at = 0;
    return size_t(at - document);
}
