#pragma once
// Number patterns: the texts with which every result is formatted
// ("0.000", "#.##e+##", "##0.######", "0.00E-0", ...).
#include "support/real.h"

#include <string>
#include <string_view>

namespace quillmar {

// The separators that formatted numbers use. The program works with the decimal
// comma and the thousands point, whatever the process locale says.
struct NumberSeparators {
    char decimal = ',';
    char thousands = '.';
};

// Formats value by the pattern.
std::string formatNumber(std::string_view pattern, Real value, const NumberSeparators& separators = {});

// The general form: at most 15 significant digits, scientific only when needed.
std::string formatGeneral(Real value, const NumberSeparators& separators = {});

} // namespace quillmar
