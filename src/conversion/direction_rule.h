#pragma once
// The direction rule of a unit table. Its first record is the base unit with the
// factor 1 or -1:
//   1:  a factor F is the size of one such unit in base units (value × F);
//  -1:  a factor F is the number of such units in one base unit (value ÷ F).
// Converting from unit a to unit b multiplies by k = |F(a) ÷ F(b)| (first factor
// 1) or k = |F(b) ÷ F(a)| (first factor -1).
#include "support/real.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmar::conversion {

// Reads a factor text: an optional sign, digits with a decimal comma, an optional
// exponent ("0,0254", "-1", "1,5E-3"); blanks around it are ignored.
std::optional<Real> parseFactor(std::string_view text);

struct FactorResult {
    Real value = 0;
    std::string error; // German; empty on success
    bool ok() const { return error.empty(); }
};

// k for converting from the unit with factor `from` to the unit with factor `to`
// in a table whose first factor is `first`. A first factor other than 1 or -1, a
// factor that does not read as a number, and a zero factor give an error.
FactorResult conversionFactor(std::string_view first, std::string_view from, std::string_view to);

// value × k.
FactorResult convert(Real value, std::string_view first, std::string_view from, std::string_view to);

} // namespace quillmar::conversion
