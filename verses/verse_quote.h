// Copy Verse: verses quoted with their reference, for the clipboard.
#pragma once
#include <string>

#include "verses/verse_index.h"

// The verses in reading order with the letters at U+05D0 and the book's own
// punctuation: one verse as "<words> (<reference>)"; a range as one line per
// verse, "<number> <words>", then "(<reference>)" on a line of its own.
// Lines end with CR LF. Empty when an article holding them cannot be read.
std::u16string QuoteVerses(const VerseIndex& index, const VerseSpan& span);

// Places the quote on the clipboard as Unicode text and, beside it, as a Rich
// Text document with right-to-left paragraphs. Nothing is placed for an empty
// quote.
void PutVerseQuote(const std::u16string& quote);
