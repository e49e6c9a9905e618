// Reading and writing single values of the program's settings store, and the
// names the values are stored under. Reads never fail loudly: a missing key or
// value, or one that cannot be read, gives the default. Writes return 1 on
// success and 0 on failure and never show anything.
#pragma once
#include <cstddef>
#include <cstdint>

// Values of the program key.
constexpr const char16_t kValueFontName[] = u"FontName";
constexpr const char16_t kValueSearchString[] = u"SearchString";
constexpr const char16_t kValueFontSize[] = u"FontSize";
constexpr const char16_t kValueFontAsciiBase[] = u"FontAsciiBase";
constexpr const char16_t kValueLastPosition[] = u"LastPosition";
constexpr const char16_t kValueFlags[] = u"Flags";
constexpr const char16_t kValueLesson[] = u"Lesson";
constexpr const char16_t kValueTop[] = u"Top";
constexpr const char16_t kValueLeft[] = u"Left";
constexpr const char16_t kValueWidth[] = u"Width";
constexpr const char16_t kValueHeight[] = u"Height";
constexpr const char16_t kValueShowCmd[] = u"showCmd";
constexpr const char16_t kValueBookmarks[] = u"Bookmarks";
constexpr const char16_t kValuePrintTop[] = u"PrintTop";
constexpr const char16_t kValuePrintBottom[] = u"PrintBottom";
constexpr const char16_t kValuePrintLeft[] = u"PrintLeft";
constexpr const char16_t kValuePrintRight[] = u"PrintRight";
constexpr const char16_t kValueDevMode[] = u"DevMode";
// The one value of the maker-level key; read, never written.
constexpr const char16_t kValueSurroundingGutter[] = u"SurroundingGutter";

constexpr uint32_t kDefaultPrintMargin = 1000;

// A REG_DWORD value gives its number; any other type is taken as wide
// characters read as a decimal number (number * 10 + code - '0' for each
// character up to the first NUL or the end of the data; no sign, and
// non-digits count by their code).
uint32_t ReadDword(const char16_t* name, uint32_t defaultValue);
uint32_t ReadDwordFrom(const char16_t* keyPath, const char16_t* name, uint32_t defaultValue);

// The value's data as a new, zero-filled buffer of twice its size plus one
// character, so it always ends in a NUL; null when missing. Free with PlainFree.
char16_t* ReadString(const char16_t* name);
// The value's data as a new buffer of exactly its size (*size when given);
// null when missing. Free with PlainFree.
uint8_t* ReadBytes(const char16_t* name, size_t* size);
// As ReadBytes, but defaultValue (and *size untouched) when missing.
uint8_t* ReadBytesOr(const char16_t* name, uint8_t* defaultValue, size_t* size);
// Copies the value's bytes up to its first NUL, its end or capacity - 1 bytes,
// whichever comes first, into buffer and ends them with a NUL. A missing value
// or one whose first byte is 0 leaves buffer as it was.
void ReadByteString(const char16_t* name, uint8_t* buffer, size_t capacity);

int32_t WriteDword(const char16_t* name, uint32_t number);
int32_t WriteString(const char16_t* name, const char16_t* text);          // REG_SZ, NUL included
int32_t WriteByteString(const char16_t* name, const uint8_t* text);       // REG_BINARY, NUL included
int32_t WriteBytes(const char16_t* name, const void* data, size_t size);  // REG_BINARY
