#include "engine/number_parse.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace quillmar::engine {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Takes an optional sign off the front; true when it was a minus.
bool takeSign(std::string_view& text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool minus = text.front() == '-';
        text.remove_prefix(1);
        return minus;
    }
    return false;
}

// Integer digits, with thousands separators only between complete groups of three.
bool takeIntegerDigits(std::string_view& text, char thousands, std::string& out)
{
    std::size_t groupLength = 0;
    bool grouped = false;
    while (!text.empty()) {
        const char c = text.front();
        if (isDigit(c)) {
            out += c;
            ++groupLength;
        } else if (c == thousands && groupLength > 0 && (!grouped || groupLength == 3)) {
            grouped = true;
            groupLength = 0;
        } else {
            break;
        }
        text.remove_prefix(1);
    }
    return !grouped || groupLength == 3;
}

// Whether a plain number ("123.45e-6", no sign) is below 1: the decimal exponent
// of its first significant digit plus its exponent is negative.
bool isBelowOne(std::string_view plain)
{
    const std::size_t e = plain.find('e');
    const std::string_view mantissa = plain.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return true;
    long long magnitude = first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
    if (e != std::string_view::npos) {
        std::string_view exponent = plain.substr(e + 1);
        const bool negative = !exponent.empty() && exponent.front() == '-';
        if (negative)
            exponent.remove_prefix(1);
        long long value = 0;
        for (char c : exponent)
            value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
        magnitude += negative ? -value : value;
    }
    return magnitude < 0;
}

} // namespace

std::optional<Real> parseNumber(std::string_view text, const NumberSeparators& separators)
{
    text = trimBlanks(text);
    const bool minus = takeSign(text);
    std::string plain;
    if (!takeIntegerDigits(text, separators.thousands, plain))
        return std::nullopt;
    std::size_t mantissaDigits = plain.size();
    if (!text.empty() && text.front() == separators.decimal) {
        text.remove_prefix(1);
        plain += '.';
        while (!text.empty() && isDigit(text.front())) {
            plain += text.front();
            ++mantissaDigits;
            text.remove_prefix(1);
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (!text.empty() && (text.front() == 'E' || text.front() == 'e')) {
        text.remove_prefix(1);
        plain += 'e';
        if (takeSign(text))
            plain += '-';
        if (text.empty() || !isDigit(text.front()))
            return std::nullopt;
        while (!text.empty() && isDigit(text.front())) {
            plain += text.front();
            text.remove_prefix(1);
        }
    }
    if (!text.empty())
        return std::nullopt;

    Real value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a normal number: that is zero for every purpose of the
        // program. Too large: not a number the program can hold.
        if (!isBelowOne(plain))
            return std::nullopt;
        value = 0;
    } else if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return minus ? -value : value;
}

std::optional<int> parseWholeNumber(std::string_view text)
{
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace quillmar::engine
