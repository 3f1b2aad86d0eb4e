#pragma once
// The one number type of the program: the x87 80-bit extended format
// (sign, 15-bit exponent, 64-bit significand).
#include <limits>

namespace quillmar {

using Real = long double;

static_assert(std::numeric_limits<Real>::digits == 64,
              "Quillmar needs the 80-bit extended type (64-bit significand) as long double");

} // namespace quillmar
