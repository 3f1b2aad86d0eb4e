#pragma once
// Number patterns: the texts with which every result is formatted
// ("0.000", "#.##e+##", "##0.######", "0.00E-0", ...).
#include "support/real.h"

#include <string>
#include <string_view>

namespace quillmar::engine {

// The separators that formatted numbers use. The program works with the decimal
// comma and the thousands point, whatever the process locale says.
struct NumberSeparators {
    char decimal = ',';
    char thousands = '.';
};

// Formats value by the pattern. Up to three sections separated by ";" (positive,
// negative, zero); "0" and "#" digit placeholders; the first "." places the decimal
// separator; a "," anywhere groups the integer digits by three; E+, E-, e+, e-
// give the scientific form with up to four "0" for the minimum exponent digits;
// quoted text is copied without the quotes. Digits are rounded half away from zero
// on the exact value. An empty pattern or positive section, or more than 18
// integer digits in a fixed pattern, give the general form. A value that rounds to
// zero is shown as zero (zero section, no minus). Infinity and NaN give "INF",
// "-INF" and "NAN". Nothing reads the process locale.
std::string formatNumber(std::string_view pattern, Real value, const NumberSeparators& separators = {});

// The general form: at most 15 significant digits, scientific ("1E60", "1,5E-7")
// only when the value has more than 15 integer digits or is below 0,00001.
std::string formatGeneral(Real value, const NumberSeparators& separators = {});

} // namespace quillmar::engine
