#pragma once
// A number pattern taken apart: its sections and, for one section, the parts that
// the formatter lays the digits into.
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::engine {

struct PatternToken {
    enum class Kind {
        literal,        // text copied as it stands
        integerDigit,   // "0" or "#" before the decimal point
        decimalPoint,   // the first "."
        fractionDigit,  // "0" or "#" after the decimal point
        exponent,       // "E+", "E-", "e+" or "e-" with its exponent digits
    };
    Kind kind = Kind::literal;
    std::string text; // the literal text, or the exponent letter as written
};

struct PatternSection {
    bool empty = true;             // the section's text was empty
    std::vector<PatternToken> tokens;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;      // from the leftmost "0" before the point
    int fractionPlaceholders = 0;
    int minFractionDigits = 0;     // up to the rightmost "0" after the point
    bool grouping = false;         // a "," anywhere
    bool scientific = false;
    bool exponentSignAlways = false; // "E+" rather than "E-"
    int minExponentDigits = 0;       // the "0"s after E+/E-, at most four
};

// Splits a pattern at the ";" outside quotes into at most three sections; a
// pattern without ";" is one section. Text after a third ";" is ignored.
std::vector<std::string_view> splitPatternSections(std::string_view pattern);

// Reads one section. Every text is a valid section; unusual characters are
// literals.
PatternSection parsePatternSection(std::string_view section);

// A whole pattern with its sections (one to three) read.
struct ParsedPattern {
    std::vector<PatternSection> sections;
};

ParsedPattern parsePattern(std::string_view pattern);

} // namespace quillmar::engine
