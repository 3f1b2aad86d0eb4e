#pragma once
// The symbol font: text drawn while the font name is "SYMBOL" is read in the
// classic symbol-font encoding (Latin letters give Greek letters, some upper code
// points give mathematical signs) and drawn as the matching Unicode characters with
// a font that has them.
#include <string>
#include <string_view>

namespace quillmar::typeset {

inline constexpr std::string_view kSymbolFontName = "SYMBOL";

// Code points of the symbol-font encoding that the formula commands draw.
inline constexpr char32_t kSymbolRadical = 0xD6;
inline constexpr char32_t kSymbolArrowRight = 0xAE;
inline constexpr char32_t kSymbolCapitalSigma = 'S';
inline constexpr char32_t kSymbolIntegral = 0xF2;

// True for the name that selects the symbol font (any case).
bool isSymbolFontName(std::string_view name);

// The Unicode character that the symbol-font code point stands for; code points
// beyond the encoding's 256 and unassigned ones stay as they are.
char32_t symbolToUnicode(char32_t code);

// Maps every character of a UTF-8 text (characters up to U+00FF taken as
// symbol-font code points) and gives UTF-8.
std::string symbolTextToUnicode(std::string_view utf8);

// One symbol-font code point as UTF-8 Unicode text.
std::string symbolCharText(char32_t code);

} // namespace quillmar::typeset
