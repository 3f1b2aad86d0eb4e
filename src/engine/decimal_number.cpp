#include "engine/decimal_number.h"

#include <charconv>
#include <cstdint>

namespace quillmar::engine {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// 10^0 .. 10^27 are exact in the 64-bit significand (5^27 < 2^64).
constexpr int kExactPowers = 28;

constexpr Real exactPowerOfTen(int n)
{
    Real p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

struct PowerTable {
    Real values[kExactPowers];
    constexpr PowerTable() : values{}
    {
        for (int i = 0; i < kExactPowers; ++i)
            values[i] = exactPowerOfTen(i);
    }
};

constexpr PowerTable kPowers;

} // namespace

bool parseDecimalComma(std::string_view text, Real& value)
{
    // Validate and collect the parts: mantissa digits with at most one comma,
    // then optionally E, at most one sign and at least one digit.
    std::size_t i = 0;
    std::uint64_t mantissa = 0;
    int significantDigits = 0;
    int scale = 0; // decimal exponent contributed by the digits
    int digitCount = 0;
    bool comma = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == ','); ++i) {
        const char c = text[i];
        if (c == ',') {
            if (comma)
                return false;
            comma = true;
            continue;
        }
        ++digitCount;
        if (significantDigits == 0 && c == '0') {
            if (comma)
                --scale;
            continue;
        }
        if (significantDigits < 19) {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            ++significantDigits;
            if (comma)
                --scale;
        } else {
            ++significantDigits; // too many for the fast path
            if (!comma)
                ++scale;
        }
    }
    if (digitCount == 0)
        return false;
    long exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'E' && text[i] != 'e')
            return false;
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            ++i;
        }
        if (i == text.size())
            return false;
        for (; i < text.size(); ++i) {
            if (!isDigit(text[i]))
                return false;
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (negative)
            exponent = -exponent;
    }

    if (mantissa == 0 && significantDigits == 0) {
        value = 0;
        return true;
    }

    // Fast and exact: a mantissa of at most 19 digits is exact, and so is a power
    // of ten up to 10^27; one multiplication or division rounds correctly.
    const long total = exponent + scale;
    if (significantDigits <= 19 && total > -kExactPowers && total < kExactPowers) {
        const Real m = static_cast<Real>(mantissa);
        value = total >= 0 ? m * kPowers.values[total] : m / kPowers.values[-total];
        return true;
    }

    // Otherwise the standard conversion, which rounds correctly and ignores the
    // locale; it reads the point, so the comma is translated in a local copy.
    char buffer[1024];
    if (text.size() >= sizeof buffer)
        return false;
    std::size_t n = 0;
    for (char c : text)
        buffer[n++] = c == ',' ? '.' : c;
    Real converted = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + n, converted, std::chars_format::general);
    if (error != std::errc() || end != buffer + n)
        return false;
    value = converted;
    return true;
}

bool scanNumber(std::string_view text, std::size_t& pos, Real& value)
{
    std::size_t end = pos;
    while (end < text.size() && (isDigit(text[end]) || text[end] == ','))
        ++end;
    if (end < text.size() && text[end] == 'E') {
        ++end;
        while (end < text.size() && (text[end] == '+' || text[end] == '-'))
            ++end;
        while (end < text.size() && isDigit(text[end]))
            ++end;
    }
    if (end == pos || !parseDecimalComma(text.substr(pos, end - pos), value))
        return false;
    pos = end;
    return true;
}

} // namespace quillmar::engine
