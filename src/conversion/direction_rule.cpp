#include "conversion/direction_rule.h"

#include "conversion/factor_texts.h"
#include "support/text.h"

#include <charconv>
#include <cmath>

namespace quillmar::conversion {

std::optional<Real> parseFactor(std::string_view text)
{
    text = text::trimBlanks(text);
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    std::string s;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        s += text[i++];
    std::size_t digits = 0;
    bool comma = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            s += c;
            ++digits;
        } else if (c == ',' && !comma) {
            s += '.';
            comma = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            s += text[i++];
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            s += text[i++];
        if (i == start)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    Real value = 0;
    const char* begin = s.data() + (s.front() == '+' ? 1 : 0);
    const auto res = std::from_chars(begin, s.data() + s.size(), value);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

FactorResult conversionFactor(std::string_view first, std::string_view from, std::string_view to)
{
    const auto d = parseFactor(first);
    if (!d || (*d != 1 && *d != -1))
        return {0, text::fillIn(texts::kBadFirstFactor, {text::trimBlanks(first)})};
    const auto a = parseFactor(from);
    if (!a)
        return {0, text::fillIn(texts::kBadFactor, {text::trimBlanks(from)})};
    const auto b = parseFactor(to);
    if (!b)
        return {0, text::fillIn(texts::kBadFactor, {text::trimBlanks(to)})};
    if (*a == 0 || *b == 0)
        return {0, std::string(texts::kZeroFactor)};
    // The base unit's own factor -1 counts as magnitude 1, which the absolute
    // value gives.
    const Real k = *d == 1 ? std::fabs(*a / *b) : std::fabs(*b / *a);
    return {k, {}};
}

FactorResult convert(Real value, std::string_view first, std::string_view from, std::string_view to)
{
    FactorResult k = conversionFactor(first, from, to);
    if (k.ok())
        k.value = value * k.value;
    return k;
}

} // namespace quillmar::conversion
