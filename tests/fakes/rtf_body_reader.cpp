#include "tests/fakes/rtf_body_reader.h"

#include <cctype>

bool ReadRtfBody(const std::string& body, std::u16string* text, std::string* fault) {
    text->clear();
    for (size_t i = 0; i < body.size();) {
        const char c = body[i];
        if (c == '{' || c == '}') {
            *fault = "an unescaped brace at " + std::to_string(i);
            return false;
        }
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            *text += char16_t(static_cast<unsigned char>(c));
            ++i;
            continue;
        }
        ++i;
        if (i < body.size() && (body[i] == '\\' || body[i] == '{' || body[i] == '}')) {
            *text += char16_t(body[i++]);
            continue;
        }
        std::string word;
        while (i < body.size() && std::isalpha(static_cast<unsigned char>(body[i]))) word += body[i++];
        std::string digits;
        if (i < body.size() && body[i] == '-') digits += body[i++];
        while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) digits += body[i++];
        if (i < body.size() && body[i] == ' ') ++i;   // the delimiter
        if (word == "par" && digits.empty()) {
            *text += u'\n';
        } else if (word == "u" && !digits.empty()) {
            long value = std::stol(digits);
            *text += char16_t(value < 0 ? value + 65536 : value);
        } else {
            *fault = "an unexpected control word \\" + word + digits;
            return false;
        }
    }
    return true;
}
