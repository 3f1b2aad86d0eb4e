#include "engine/operations.h"

#include "engine/operators.h"

#include <cmath>
#include <cstdint>

namespace quillmar::engine {

namespace {

constexpr Real kHalfPi = 1.5707963267948966193L;
constexpr Real kPi = 2 * kHalfPi;
constexpr Real kDegreesToRadians = 0.017453292519943295769L;
constexpr Real kRadiansToDegrees = 57.295779513082320877L;
const Real kLn10 = std::log(10.0L);

bool finite(Real value, Real& result)
{
    if (!std::isfinite(value))
        return false;
    result = value;
    return true;
}

bool isWhole(Real x)
{
    return std::floor(x) == x;
}

} // namespace

bool power(Real a, Real b, Real& result)
{
    if (b == 0) {
        result = 1;
        return true;
    }
    if (!isWhole(b)) {
        if (a <= 0)
            return false;
        return finite(std::pow(a, b), result);
    }
    // Whole exponents beyond the signed 64-bit range are refused.
    constexpr Real kLimit = 9223372036854775808.0L; // 2^63
    if (b >= kLimit || b < -kLimit)
        return false;
    std::uint64_t n = static_cast<std::uint64_t>(std::fabs(b));
    Real p = 1;
    Real square = a;
    for (;;) {
        if (n & 1u) {
            p *= square;
            if (!std::isfinite(p))
                return false;
        }
        n >>= 1;
        if (n == 0)
            break;
        square *= square;
        if (!std::isfinite(square))
            return false;
    }
    if (b < 0) {
        if (p == 0)
            return false;
        return finite(1 / p, result);
    }
    result = p;
    return true;
}

bool factorial(Real x, Real& result)
{
    if (!isWhole(x) || x < 0)
        return false;
    // 1755! already exceeds the largest extended value; stop before a long loop.
    if (x > 1755)
        return false;
    Real product = 1;
    for (Real factor = x; factor > 1; factor -= 1) {
        product *= factor;
        if (!std::isfinite(product))
            return false;
    }
    result = product;
    return true;
}

bool applyBinary(std::uint16_t code, Real a, Real b, Real& result)
{
    switch (code) {
    case opAdd:
        return finite(a + b, result);
    case opSubtract:
        return finite(a - b, result);
    case opMultiply:
        return finite(a * b, result);
    case opDivide:
        if (b == 0)
            return false;
        return finite(a / b, result);
    case opPower:
        return power(a, b, result);
    default:
        return false;
    }
}

bool applyUnary(std::uint16_t code, Real x, Real& result)
{
    switch (code) {
    case opNegate:
        result = -x;
        return true;
    case opLn:
        if (x <= 0)
            return false;
        return finite(std::log(x), result);
    case opLg:
        if (x <= 0)
            return false;
        return finite(std::log(x) / kLn10, result);
    case opSqr:
        return finite(x * x, result);
    case opCos:
        return finite(std::cos(x), result);
    case opSin:
        return finite(std::sin(x), result);
    case opTan: {
        const Real c = std::cos(x);
        if (c == 0)
            return false;
        return finite(std::sin(x) / c, result);
    }
    case opCot: {
        const Real s = std::sin(x);
        if (s == 0)
            return false;
        return finite(std::cos(x) / s, result);
    }
    case opExp:
        return finite(std::exp(x), result);
    case opAbs:
        result = std::fabs(x);
        return true;
    case opSgn:
        result = x > 0 ? 1 : (x < 0 ? -1 : 0);
        return true;
    case opRad:
        return finite(x * kDegreesToRadians, result);
    case opGrad:
        return finite(x * kRadiansToDegrees, result);
    case opFak:
        return factorial(x, result);
    case opSqrt:
        if (x < 0)
            return false;
        return finite(std::sqrt(x), result);
    case opArccos: {
        const Real xx = x * x;
        if (xx > 1)
            return false;
        if (xx == 1)
            result = x > 0 ? 0 : kPi;
        else
            result = std::acos(x);
        return true;
    }
    case opArcsin: {
        const Real xx = x * x;
        if (xx > 1)
            return false;
        if (xx == 1)
            result = x > 0 ? kHalfPi : -kHalfPi;
        else
            result = std::asin(x);
        return true;
    }
    case opArctan:
        result = std::atan(x);
        return true;
    case opArccot:
        result = kHalfPi - std::atan(x);
        return true;
    default:
        return false;
    }
}

} // namespace quillmar::engine
