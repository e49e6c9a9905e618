#include "verses/verse_reference.h"

#include <algorithm>

#include "verses/article_verses.h"
#include "view/letter_codes.h"

namespace {
constexpr char16_t kUnicodeAlef = 0x05D0;
constexpr char16_t kUnicodeGeresh = 0x05F3;
constexpr char16_t kUnicodeGershayim = 0x05F4;
constexpr char16_t kUnicodeMaqaf = 0x05BE;
constexpr char16_t kEnDash = 0x2013;
constexpr char16_t kRightSingleQuote = 0x2019;
constexpr char kNotInAReference = '?';
constexpr size_t kLongestNumber = 4;   // more digits than any chapter or verse needs

// Customary short forms, and the titles' names they stand for (letter codes).
struct ShortForm {
    const char* Typed;
    const char* Name;
};
constexpr ShortForm kShortForms[] = {
    {"z\"a", "zofam a"},             // ש"א: שמואל א
    {"z\"b", "zofam b"},             // ש"ב
    {"o\"a", "omljn a"},             // מ"א: מלכים א
    {"o\"b", "omljn b"},             // מ"ב
    {"de\"a", "dbyj ejojn a"},       // דה"א: דברי הימים א
    {"de\"b", "dbyj ejojn b"},       // דה"ב
    {"ze\"z", "zjy ezjyjn"},         // שה"ש: שיר השירים
    {"{ejmjn", "{emjn"},             // תהילים: תהלים
};

bool IsLetter(char c) { return c >= 'a' && c <= '{'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsQuote(char c) { return c == '\'' || c == '"'; }
bool IsSeparator(char c) { return c == ' ' || c == ',' || c == ':' || c == '.'; }

// The typed text in one byte per character: letters as letter codes, the
// Hebrew punctuation as its ASCII look-alike, digits and separators as they
// are, anything else as kNotInAReference.
std::string Normalised(const char16_t* typed, size_t count, int32_t base) {
    std::string text;
    for (size_t i = 0; i < count && typed[i] != 0; ++i) {
        const char16_t c = typed[i];
        if (c >= base && c < base + kLetterCodeCount)
            text += char('a' + (c - base));
        else if (c >= kUnicodeAlef && c < kUnicodeAlef + kLetterCodeCount)
            text += char('a' + (c - kUnicodeAlef));
        else if (c == kUnicodeGeresh || c == kRightSingleQuote || c == u'\'')
            text += '\'';
        else if (c == kUnicodeGershayim || c == u'"')
            text += '"';
        else if (c == kUnicodeMaqaf || c == kEnDash || c == u'-')
            text += '-';
        else if (c >= u' ' && c < u'a')   // digits, separators, and marks shown as they are
            text += char(c);
        else
            text += kNotInAReference;
    }
    return text;
}

enum class TokenKind { Word, Number, Dash };
struct Token {
    TokenKind Kind;
    std::string Text;
};

// Words are letters with the quote marks among and after them; a run of
// digits is a number. False at a character no reference holds.
bool Tokens(const std::string& text, std::vector<Token>* tokens, std::string* stray) {
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (IsLetter(c)) {
            size_t end = i;
            while (end < text.size() && (IsLetter(text[end]) || IsQuote(text[end]))) ++end;
            tokens->push_back(Token{TokenKind::Word, text.substr(i, end - i)});
            i = end;
        } else if (IsDigit(c)) {
            size_t end = i;
            while (end < text.size() && IsDigit(text[end])) ++end;
            tokens->push_back(Token{TokenKind::Number, text.substr(i, end - i)});
            i = end;
        } else if (c == '-') {
            tokens->push_back(Token{TokenKind::Dash, "-"});
            ++i;
        } else if (IsSeparator(c) || IsQuote(c)) {
            ++i;
        } else {
            *stray = text.substr(i);
            return false;
        }
    }
    return true;
}

std::string WithoutQuotes(const std::string& word) {
    std::string bare;
    for (char c : word)
        if (!IsQuote(c)) bare += c;
    return bare;
}

std::vector<std::string> Words(const std::string& name) {
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t space; (space = name.find(' ', start)) != std::string::npos; start = space + 1)
        words.push_back(name.substr(start, space - start));
    words.push_back(name.substr(start));
    return words;
}

std::string Joined(const std::vector<std::string>& words, size_t count) {
    std::string joined;
    for (size_t i = 0; i < count; ++i) joined += (i ? " " : "") + words[i];
    return joined;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// A numbered book's number as its title writes it: the letter, or 1 and 2.
std::string BookNumber(const Token& token) {
    if (token.Kind == TokenKind::Number) return token.Text == "1" ? "a" : token.Text == "2" ? "b" : "";
    const std::string bare = WithoutQuotes(token.Text);
    return (bare == "a" || bare == "b") ? bare : "";
}

bool IsNumbered(const std::vector<std::string>& words) {
    return words.size() > 1 && (words.back() == "a" || words.back() == "b");
}

// What the first k tokens name.
struct BookMatch {
    std::vector<uint8_t> Books;
    bool Exact;
};

BookMatch MatchBooks(const VerseIndex& index, const std::vector<Token>& tokens, size_t k) {
    BookMatch match{{}, false};
    std::vector<std::string> typed;
    for (size_t i = 0; i < k; ++i) typed.push_back(tokens[i].Kind == TokenKind::Word ? tokens[i].Text : "");
    const std::string number = BookNumber(tokens[k - 1]);
    if (!number.empty()) typed[k - 1] = number;

    const std::string whole = Joined(typed, k);
    for (const ShortForm& form : kShortForms) {
        if (whole != form.Typed) continue;
        for (size_t b = 0; b < index.Books.size(); ++b)
            if (index.Books[b].Name == form.Name) return BookMatch{{uint8_t(b)}, true};
    }
    for (std::string& word : typed) word = WithoutQuotes(word);

    std::vector<uint8_t> numberedByPrefix;
    for (size_t b = 0; b < index.Books.size(); ++b) {
        const std::vector<std::string> words = Words(index.Books[b].Name);
        if (k == words.size() && std::equal(typed.begin(), typed.end(), words.begin()))
            return BookMatch{{uint8_t(b)}, true};
        if (typed[k - 1].empty()) continue;
        if (k <= words.size() && std::equal(typed.begin(), typed.begin() + long(k - 1), words.begin()) &&
            StartsWith(words[k - 1], typed[k - 1]) &&
            (k == 1 || typed[k - 1] == words[k - 1] || HebrewNumeralValue(typed[k - 1]) == 0))
            match.Books.push_back(uint8_t(b));
        else if (k > 1 && !number.empty() && IsNumbered(words) && words.back() == number &&
                 StartsWith(Joined(words, words.size() - 1), Joined(typed, k - 1)))
            numberedByPrefix.push_back(uint8_t(b));
    }
    if (!numberedByPrefix.empty() && match.Books.empty()) {
        // A prefix that also starts a book without a number says which.
        for (size_t b = 0; b < index.Books.size(); ++b) {
            const std::vector<std::string> words = Words(index.Books[b].Name);
            if (!IsNumbered(words) && StartsWith(index.Books[b].Name, Joined(typed, k - 1)))
                match.Books.push_back(uint8_t(b));
        }
        match.Books.insert(match.Books.end(), numberedByPrefix.begin(), numberedByPrefix.end());
    }
    return match;
}

std::string DisplayOf(const std::string& reading) {
    // The step that reads display order is its own inverse.
    return ReadingOrder(reinterpret_cast<const uint8_t*>(reading.data()), uint32_t(reading.size()));
}

LinePiece Hebrew(const std::string& reading) { return LinePiece{true, DisplayOf(reading)}; }
LinePiece Latin(const std::string& text) { return LinePiece{false, text}; }

ReferenceAnswer Wrong(ReaderLine line) { return ReferenceAnswer{false, VerseSpan{}, std::move(line)}; }

std::string ChapterName(const VerseIndex& index, uint8_t book, uint32_t chapter) {
    return index.Books[book].Name + " " + HebrewNumeralText(chapter);
}

// A chapter or verse: digits, or a Hebrew numeral; 0 when it is neither.
uint32_t NumberValue(const Token& token) {
    if (token.Kind == TokenKind::Number)
        return token.Text.size() <= kLongestNumber ? uint32_t(std::stoul(token.Text)) : 0;
    if (token.Kind == TokenKind::Word) return HebrewNumeralValue(WithoutQuotes(token.Text));
    return 0;
}

ReferenceAnswer NotANumber(const Token& token) {
    if (token.Kind == TokenKind::Number) return Wrong({Latin(token.Text + kIsNotANumber)});
    return Wrong({Hebrew(token.Text), Latin(kIsNotANumber)});
}

ReferenceAnswer Unexpected(const std::vector<Token>& tokens, size_t from) {
    std::string rest;
    for (size_t i = from; i < tokens.size(); ++i) rest += (i > from ? " " : "") + tokens[i].Text;
    return Wrong({Latin(kUnexpected), Hebrew(rest)});
}

// The chapter and verses after the book, from token at.
ReferenceAnswer ReadNumbers(const VerseIndex& index, uint8_t book, const std::vector<Token>& tokens,
                            size_t at) {
    const IndexedBook& named = index.Books[book];
    uint32_t numbers[3] = {1, 1, 0};
    size_t count = 0;
    bool range = false;
    for (; at < tokens.size(); ++at) {
        const Token& token = tokens[at];
        if (token.Kind == TokenKind::Dash) {
            if (count == 1) return Wrong({Latin(kRangeWithinChapter)});
            if (count != 2 || range) return Unexpected(tokens, at);
            range = true;
            continue;
        }
        if (count == 3 || (count == 2 && !range)) return Unexpected(tokens, at);
        const uint32_t value = NumberValue(token);
        if (value == 0 && (token.Kind == TokenKind::Word || token.Text.size() > kLongestNumber))
            return NotANumber(token);
        numbers[count++] = value;
    }
    if (range && count == 2) return Wrong({Latin(kRangeNeedsItsEnd)});
    const uint32_t chapters = uint32_t(named.VerseCounts.size());
    if (numbers[0] < 1 || numbers[0] > chapters)
        return Wrong({Hebrew(named.Name), Latin(kHas + std::to_string(chapters) + kHasChapters)});
    const uint8_t chapter = uint8_t(numbers[0]);
    const uint32_t verses = named.VerseCounts[chapter - 1];
    const uint32_t first = numbers[1];
    const uint32_t last = count == 3 ? numbers[2] : first;
    if (first < 1 || first > verses || last < 1 || last > verses)
        return Wrong({Hebrew(ChapterName(index, book, chapter)), Latin(kHas + std::to_string(verses) + kHasVerses)});
    if (last < first) {
        const std::string span = ChapterName(index, book, chapter) + ", " + HebrewNumeralText(first) + "-" +
                                 HebrewNumeralText(last);
        return Wrong({Hebrew(span), Latin(kRunsBackwards)});
    }
    const VerseSpan found{book, chapter, uint16_t(first), uint16_t(last)};
    return ReferenceAnswer{true, found, {Hebrew(FormatReference(index, found))}};
}

ReferenceAnswer AmbiguousBook(const VerseIndex& index, const std::vector<Token>& tokens, size_t k,
                              const std::vector<uint8_t>& books) {
    std::string typed;
    for (size_t i = 0; i < k; ++i) typed += (i ? " " : "") + tokens[i].Text;
    ReaderLine line{Hebrew(typed), Latin(kCouldBe)};
    for (size_t i = 0; i < books.size(); ++i) {
        if (i) line.push_back(Latin(", "));
        line.push_back(Hebrew(index.Books[books[i]].Name));
    }
    return Wrong(line);
}
}  // namespace

std::string FormatReference(const VerseIndex& index, const VerseSpan& span) {
    std::string text = ChapterName(index, span.Book, span.Chapter) + ", " + HebrewNumeralText(span.FirstVerse);
    if (span.LastVerse != span.FirstVerse) text += "-" + HebrewNumeralText(span.LastVerse);
    return text;
}

ReferenceAnswer ReadReference(const VerseIndex& index, const char16_t* typed, size_t count,
                              int32_t fontAsciiBase) {
    const std::string text = Normalised(typed, count, fontAsciiBase);
    std::vector<Token> tokens;
    std::string stray;
    if (!Tokens(text, &tokens, &stray)) return Wrong({Latin(kUnexpected), Hebrew(stray)});
    if (tokens.empty() || tokens[0].Kind != TokenKind::Word) return Wrong({Latin(kTypeAReference)});
    // The name is the longest run of leading words (and a book's number)
    // that names a book.
    size_t named = 0;
    while (named < tokens.size() && tokens[named].Kind == TokenKind::Word) ++named;
    if (named < tokens.size() && !BookNumber(tokens[named]).empty()) ++named;
    for (size_t k = named; k > 0; --k) {
        const BookMatch match = MatchBooks(index, tokens, k);
        if (match.Books.empty()) continue;
        if (match.Books.size() > 1 && !match.Exact) return AmbiguousBook(index, tokens, k, match.Books);
        return ReadNumbers(index, match.Books[0], tokens, k);
    }
    return Wrong({Latin(kNoBookIsCalled), Hebrew(tokens[0].Text)});
}

std::u16string TypedReadingOrder(const char16_t* field, size_t count) {
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    auto inNumber = [&](char16_t c) {
        return isDigit(c) || c == u' ' || c == u',' || c == u':' || c == u'.' || c == u'-';
    };
    std::vector<std::u16string> pieces;
    for (size_t i = 0; i < count && field[i] != 0;) {
        if (isDigit(field[i])) {
            size_t end = i, lastDigit = i;
            while (end < count && field[end] != 0 && inNumber(field[end])) {
                if (isDigit(field[end])) lastDigit = end;
                ++end;
            }
            pieces.emplace_back(field + i, field + lastDigit + 1);
            i = lastDigit + 1;
            continue;
        }
        char16_t c = field[i++];
        if (c == u'(') c = u')';
        else if (c == u')') c = u'(';
        pieces.emplace_back(1, c);
    }
    std::u16string reading;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) reading += *piece;
    return reading;
}

std::u16string LineText(const ReaderLine& line) {
    std::u16string text;
    for (const LinePiece& piece : line) {
        for (char c : piece.Text)
            text += piece.Hebrew && IsLetter(c) ? char16_t(kUnicodeAlef + (c - 'a')) : char16_t(uint8_t(c));
    }
    return text;
}
