#pragma once
// The example line of the page "Beispiel": the formula with the entered values and
// units put in place of the symbols of the given quantities, followed by the
// result, all in formula markup ("F=2kg\m3m/s\u(2) = 6 N").
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::formula {

struct ExampleGiven {
    std::string symbol;      // SYMBOL, markup
    std::string replacement; // the value text followed by the unit text
};

// Everything of formel up to and including its first "=" is kept; in the rest each
// symbol of a given quantity is replaced by its value and unit, in parentheses when
// an exponent "\u(" follows it. The givens are tried in slot order at each place,
// so when one symbol begins another the earlier slot wins. A symbol is not
// replaced inside a longer name (the "c" of "cos" stays), markup commands stay
// as they are, and the Greek letters of "\c(...)" are not read as Latin symbols
// unless a given's symbol is that very group. " = ", the result text, a blank and
// the result's unit close the line.
std::string buildExampleLine(std::string_view formel, const std::vector<ExampleGiven>& givens,
                             std::string_view resultText, std::string_view resultUnit);

} // namespace quillmar::formula
