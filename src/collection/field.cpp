#include "collection/field.h"

#include <charconv>
#include <cmath>

namespace quillmar::collection {

bool isEmptyValue(const Value& v)
{
    if (std::holds_alternative<std::monostate>(v))
        return true;
    if (const auto* s = std::get_if<Text>(&v))
        return s->empty();
    return false;
}

std::string valueText(const Value& v)
{
    if (const auto* s = std::get_if<Text>(&v))
        return s->str();
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&v)) {
        char buffer[64];
        const auto res = std::to_chars(buffer, buffer + sizeof buffer, *d);
        std::string out(buffer, res.ptr);
        for (char& c : out)
            if (c == '.')
                c = ',';
        return out;
    }
    return {};
}

std::optional<double> parseDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 60)
        return std::nullopt;
    std::string s(text);
    std::size_t separators = 0;
    for (char& c : s) {
        if (c == ',' || c == '.') {
            c = '.';
            ++separators;
        }
    }
    if (separators > 1)
        return std::nullopt;
    const char* begin = s.data();
    const char* end = s.data() + s.size();
    if (*begin == '+')
        ++begin;
    // from_chars accepts no "inf"/"nan" in the ways a user would need; reject them.
    for (const char* p = begin; p != end; ++p) {
        const char c = *p;
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+'))
            return std::nullopt;
    }
    double value = 0;
    const auto res = std::from_chars(begin, end, value);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (*begin == '+')
        ++begin;
    std::int64_t value = 0;
    const auto res = std::from_chars(begin, end, value);
    if (res.ec != std::errc() || res.ptr != end)
        return std::nullopt;
    return value;
}

namespace {

std::optional<double> numberOf(const Value& v)
{
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    return std::nullopt;
}

} // namespace

int compareValues(const Value& a, const Value& b)
{
    // The common case of index fields, decided without further tests.
    if (a.index() == 2 && b.index() == 2) {
        const auto x = *std::get_if<std::int64_t>(&a);
        const auto y = *std::get_if<std::int64_t>(&b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.index() == 3 && b.index() == 3) {
        const auto x = *std::get_if<double>(&a);
        const auto y = *std::get_if<double>(&b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const bool ea = isEmptyValue(a);
    const bool eb = isEmptyValue(b);
    if (ea || eb)
        return ea == eb ? 0 : (ea ? -1 : 1);
    if (const auto* ia = std::get_if<std::int64_t>(&a)) {
        if (const auto* ib = std::get_if<std::int64_t>(&b))
            return *ia < *ib ? -1 : (*ia > *ib ? 1 : 0);
    }
    const auto na = numberOf(a);
    const auto nb = numberOf(b);
    if (na && nb)
        return *na < *nb ? -1 : (*na > *nb ? 1 : 0);
    const auto* sa = std::get_if<Text>(&a);
    const auto* sb = std::get_if<Text>(&b);
    const int c = sa && sb ? sa->view().compare(sb->view()) : valueText(a).compare(valueText(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace quillmar::collection
