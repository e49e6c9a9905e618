#include "tools/book/book_source.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <pugixml.hpp>

#include "tools/book/book_canon.h"
#include "tools/book/hebrew_letter_codes.h"

namespace {
[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

// "Gen.1.2" -> the number after the last dot, checked against the book name.
int TrailingNumber(const char* osisId, const std::string& prefix, const std::string& where) {
    const std::string id = osisId;
    if (id.compare(0, prefix.size(), prefix) != 0 || id.size() == prefix.size())
        Fail(where, "unexpected osisID " + id);
    const std::string digits = id.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos) Fail(where, "unexpected osisID " + id);
    return std::stoi(digits);
}

bool IsSeg(const pugi::xml_node& node, const char* type) {
    return std::strcmp(node.name(), "seg") == 0 && std::strcmp(node.attribute("type").value(), type) == 0;
}

// All character data of a word, including letters inside large, small and
// suspended letter marks.
void AppendCharacterData(const pugi::xml_node& node, std::string& utf8) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            utf8 += child.value();
        else if (child.type() == pugi::node_element)
            AppendCharacterData(child, utf8);
    }
}

std::string WordText(const pugi::xml_node& word) {
    std::string utf8;
    AppendCharacterData(word, utf8);
    return HebrewToLetterCodes(utf8);
}

bool IsBlank(const char* text) { return std::strspn(text, " \t\r\n") == std::strlen(text); }

SourceVerse ParseVerse(const pugi::xml_node& verse, int number, const std::string& where) {
    SourceVerse parsed{number, {}, false};
    bool joined = true;             // the next word follows without a space
    bool markAfterLastWord = false;
    for (pugi::xml_node child : verse.children()) {
        if (child.type() == pugi::node_pcdata && !IsBlank(child.value()))
            Fail(where, "text outside a word");
        if (child.type() != pugi::node_element) continue;
        const std::string name = child.name();
        if (name == "w") {
            const std::string word = WordText(child);
            if (word.empty()) Fail(where, "a word without letters");
            if (!joined) parsed.Text += ' ';
            parsed.Text += word;
            joined = false;
            markAfterLastWord = false;
        } else if (IsSeg(child, "x-maqqef")) {
            parsed.Text += '-';
            joined = true;
        } else if (IsSeg(child, "x-sof-pasuq")) {
            parsed.Text += ':';
        } else if (IsSeg(child, "x-pe") || IsSeg(child, "x-samekh")) {
            markAfterLastWord = true;
        } else if (IsSeg(child, "x-paseq") || IsSeg(child, "x-reversednun") || name == "note") {
            continue;
        } else {
            Fail(where, "unexpected element <" + name + " type=\"" + child.attribute("type").value() + "\">");
        }
    }
    if (parsed.Text.empty()) Fail(where, "an empty verse");
    parsed.EndsParagraph = markAfterLastWord;
    return parsed;
}
}  // namespace

SourceBook ParseOsisBook(std::string_view xml, size_t canonIndex) {
    const std::string bookName = kCanonBooks[canonIndex].SourceName;
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_buffer(xml.data(), xml.size());
    if (!result) Fail(bookName, std::string("malformed XML: ") + result.description());

    const pugi::xpath_node bookDiv =
        document.select_node(("/osis/osisText/div[@type='book'][@osisID='" + bookName + "']").c_str());
    if (!bookDiv) Fail(bookName, "no book division named " + bookName);

    SourceBook book{canonIndex, {}};
    for (pugi::xml_node chapter : bookDiv.node().children("chapter")) {
        const std::string chapterWhere = std::string(bookName) + " " + chapter.attribute("osisID").value();
        const int chapterNumber = TrailingNumber(chapter.attribute("osisID").value(), bookName + ".", chapterWhere);
        if (chapterNumber != int(book.Chapters.size()) + 1) Fail(chapterWhere, "chapters out of order");
        SourceChapter parsed{chapterNumber, {}};
        const std::string versePrefix = bookName + "." + std::to_string(chapterNumber) + ".";
        for (pugi::xml_node verse : chapter.children("verse")) {
            const std::string verseWhere = verse.attribute("osisID").value();
            const int verseNumber = TrailingNumber(verse.attribute("osisID").value(), versePrefix, verseWhere);
            if (verseNumber != int(parsed.Verses.size()) + 1) Fail(verseWhere, "verses out of order");
            parsed.Verses.push_back(ParseVerse(verse, verseNumber, verseWhere));
        }
        if (parsed.Verses.empty()) Fail(chapterWhere, "a chapter without verses");
        book.Chapters.push_back(std::move(parsed));
    }
    if (book.Chapters.empty()) Fail(bookName, "a book without chapters");
    return book;
}

std::vector<SourceBook> LoadBookSource(const std::string& directory) {
    std::vector<SourceBook> books;
    for (size_t i = 0; i < kCanonBookCount; ++i) {
        const std::string path = directory + "/" + kCanonBooks[i].SourceName + ".xml";
        std::ifstream file(path, std::ios::binary);
        if (!file) throw std::runtime_error("cannot read " + path);
        const std::string xml((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        books.push_back(ParseOsisBook(xml, i));
    }
    return books;
}
