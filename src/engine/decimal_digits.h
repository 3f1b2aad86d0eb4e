#pragma once
// Exact decimal rounding of the 80-bit value: the digits a number pattern shows,
// rounded half away from zero on the exact decimal value (2,5 -> 3; 0,125 -> 0,13).
#include "support/real.h"

#include <string>

namespace quillmar::engine {

// Significant digits d0 d1 d2 ... of a value d0,d1d2... * 10^exponent.
// Empty digits mean the value rounded to zero.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// |value| rounded to count significant digits (count >= 1). value must be finite;
// zero gives empty digits.
DecimalDigits roundToSignificant(Real value, int count);

// |value| rounded to a multiple of 10^-decimals (decimals may be negative).
// The digits have no trailing zeros beyond the last kept position; a value that
// rounds to zero gives empty digits.
DecimalDigits roundToDecimals(Real value, int decimals);

} // namespace quillmar::engine
