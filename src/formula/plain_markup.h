#pragma once
// Formula markup as readable plain text, for places without typesetting (the
// command line): "m/s\u(2)" gives "m/s²", "\c(W)" gives "Ω", "\f(a;b)" gives "a/b".
#include <string>
#include <string_view>

namespace quillmar::formula {

// Fractions become "a/b" (parts in parentheses when they hold operators),
// exponents and indices of digits and signs become superscript and subscript
// characters (otherwise "^" and "_"), "\m" becomes "·", roots "√", Greek letters
// their Unicode letters, sum and integral "Σ" and "∫".
std::string plainText(std::string_view markup);

// The same for a unit: the Greek m stands for micro and becomes the micro sign
// ("\c(m)m" gives "µm").
std::string plainUnitText(std::string_view markup);

} // namespace quillmar::formula
