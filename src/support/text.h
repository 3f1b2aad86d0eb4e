#pragma once
// Text helpers shared by the core: UTF-8 inside, Windows-1252 in the files.
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::text {

// Appends one code point to a UTF-8 text.
void appendUtf8(std::string& out, char32_t codePoint);

// Number of characters (code points) of a UTF-8 text.
std::size_t length(std::string_view utf8);

// The first max characters of a UTF-8 text (a bound counts characters, not bytes).
std::string left(std::string_view utf8, std::size_t maxChars);

// The pattern with %1, %2, ... %9 replaced by the first, second, ... argument; a
// placeholder without an argument stays as it is.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args);

// Upper-cases a-z only; every other byte stays as it is.
std::string upperAscii(std::string_view s);
std::string lowerAscii(std::string_view s);

// The text without its leading and trailing blanks and tabs.
std::string_view trimBlanks(std::string_view s);

// Comparison without regard to the case of a-z / A-Z.
bool equalsNoCase(std::string_view a, std::string_view b);

// Windows-1252 <-> UTF-8. toCp1252 gives nothing when a character has no
// Windows-1252 code.
std::string fromCp1252(std::string_view bytes);
std::optional<std::string> toCp1252(std::string_view utf8);

// Reads the bytes of a text file of the system: UTF-8 with a byte-order mark,
// or Windows-1252 otherwise. Gives UTF-8.
std::string decodeFileText(std::string_view bytes);

// Encodes text for a file of the system: Windows-1252 when every character fits,
// otherwise UTF-8 with a byte-order mark, so nothing is lost.
std::string encodeFileText(std::string_view utf8);

// Splits a text into lines at CR LF, LF or CR; a final line break does not make
// an extra empty line.
std::vector<std::string> splitLines(std::string_view text);

// Joins lines, each ended by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

} // namespace quillmar::text
