#pragma once
// Reading numbers as the numeric fields and the dialog "Zahlenformat" show them.
#include "engine/number_format.h"

#include <optional>
#include <string_view>

namespace quillmar::engine {

// A real number in the program's notation: blanks around it, an optional sign,
// digits, the decimal separator, optional thousands separators between groups of
// three integer digits ("1.234,5"), and an optional exponent with E or e
// ("1,5e-3"). Nothing when the text is not such a number or lies beyond the
// range of the 80-bit type; a value below its smallest normal number reads as 0.
std::optional<Real> parseNumber(std::string_view text, const NumberSeparators& separators = {});

// A whole number that fits an int: blanks around it, an optional sign, digits.
std::optional<int> parseWholeNumber(std::string_view text);

} // namespace quillmar::engine
