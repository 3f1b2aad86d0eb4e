#pragma once
// The arithmetic of compiled programs. Every operation reports failure instead of
// giving an infinite or undefined value, so no floating-point trap is needed.
#include "support/real.h"

#include <cstdint>

namespace quillmar::engine {

// a op b for the two-operand codes (+ - / * ^). False when the operation is
// undefined or overflows.
bool applyBinary(std::uint16_t code, Real a, Real b, Real& result);

// op x for negation and the built-in functions.
bool applyUnary(std::uint16_t code, Real x, Real& result);

// a raised to b: whole exponents by repeated squaring, so negative bases work
// and large exponents cost only their bit count.
bool power(Real a, Real b, Real& result);

// x! for whole x >= 0 (0! = 1); negative or broken x fail.
bool factorial(Real x, Real& result);

} // namespace quillmar::engine
