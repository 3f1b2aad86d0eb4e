#include "engine/decimal_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quillmar::engine {
namespace {

// Digits beyond the rounding position that are asked for. The conversion rounds
// its last digit, so a rounding digit 5 followed by nothing but zeros may come from
// ...4999 or from ...5000x; only that case needs the exact expansion, and more
// guard digits make it rarer (about once in 10^guardDigits values).
constexpr int guardDigits = 6;

// Significant digits of the exact decimal value of a positive finite value whose
// decimal exponent is at most decimalExponent: m * 2^q has exactly -q decimals.
int exactDigitCount(Real value, int decimalExponent)
{
    int binaryExponent = 0;
    const Real fraction = std::frexp(value, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int q = binaryExponent - 64 + std::countr_zero(mantissa);
    return decimalExponent + 1 + std::max(0, -q);
}

// Upper bound of the decimal exponent of a positive finite value (exact or one
// too high).
int decimalExponentBound(Real value)
{
    int binaryExponent = 0;
    std::frexp(value, &binaryExponent);
    return static_cast<int>(std::floor(binaryExponent * 0.30102999566398119521));
}

// The first count significant digits of value (rounded by the conversion) and
// its decimal exponent. Independent of the process locale.
void expand(Real value, int count, std::string& digits, int& exponent)
{
    // Short expansions (every usual pattern) need no allocation.
    std::array<char, 96> small;
    std::vector<char> large;
    char* first = small.data();
    std::size_t size = small.size();
    if (static_cast<std::size_t>(count) + 16 > size) {
        large.resize(static_cast<std::size_t>(count) + 16);
        first = large.data();
        size = large.size();
    }
    const auto result = std::to_chars(first, first + size, value, std::chars_format::scientific, count - 1);
    const std::string_view text(first, static_cast<std::size_t>(result.ptr - first));
    const std::size_t e = text.find('e');
    digits.clear();
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    exponent = 0;
    std::string_view exp = text.substr(e + 1);
    if (!exp.empty() && exp.front() == '+')
        exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
}

// Rounds |value| half away from zero, keeping keepFor(exponent) leading digits,
// where exponent is the decimal exponent of the value.
template <class KeepFor>
DecimalDigits roundHalfAway(Real value, int requestDigits, KeepFor keepFor)
{
    value = std::fabs(value);
    if (value == 0 || requestDigits <= 0)
        return {};
    const int exactCount = exactDigitCount(value, decimalExponentBound(value));
    int count = std::min(requestDigits, exactCount);
    std::string digits;
    int exponent = 0;
    expand(value, count, digits, exponent);
    int keep = keepFor(exponent);
    if (keep < 0)
        return {};
    const auto roundDigitAt = [&](int index) { return index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0'; };
    if (count < exactCount && roundDigitAt(keep) == '5'
        && std::all_of(digits.begin() + std::min<std::ptrdiff_t>(keep + 1, static_cast<std::ptrdiff_t>(digits.size())),
                       digits.end(), [](char c) { return c == '0'; })) {
        count = exactCount;
        expand(value, count, digits, exponent);
        keep = keepFor(exponent);
        if (keep < 0)
            return {};
    }
    const bool roundUp = roundDigitAt(keep) >= '5';
    digits.resize(static_cast<std::size_t>(keep), '0');
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return {};
    return {std::move(digits), exponent};
}

} // namespace

DecimalDigits roundToSignificant(Real value, int count)
{
    return roundHalfAway(value, count + 1 + guardDigits, [count](int) { return count; });
}

DecimalDigits roundToDecimals(Real value, int decimals)
{
    if (value == 0)
        return {};
    const int bound = decimalExponentBound(std::fabs(value));
    const int request = bound + decimals + 2;
    if (request <= 0)
        return {};
    return roundHalfAway(value, request + guardDigits, [decimals](int exponent) { return exponent + decimals + 1; });
}

} // namespace quillmar::engine
