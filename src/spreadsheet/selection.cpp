#include "spreadsheet/selection.h"

#include <charconv>

namespace quillmar::spreadsheet {
namespace {

// Reads the decimal number at pos and moves pos behind it; nothing when no
// digit is there or the number is not a positive int.
std::optional<int> readNumber(std::string_view s, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9')
        ++pos;
    int value = 0;
    const auto [end, error] = std::from_chars(s.data() + start, s.data() + pos, value);
    if (pos == start || error != std::errc() || end != s.data() + pos || value < 1)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<CellPosition> parseSelection(std::string_view answer)
{
    // Without "!Z" the answer is read as a bare reference: its first character
    // is taken for the row letter.
    const auto marker = answer.find("!Z");
    std::size_t pos = marker == std::string_view::npos ? 1 : marker + 2;
    if (pos > answer.size())
        return std::nullopt;
    const auto row = readNumber(answer, pos);
    if (!row)
        return std::nullopt;
    ++pos;  // the column letter
    if (pos > answer.size())
        return std::nullopt;
    const auto column = readNumber(answer, pos);
    if (!column)
        return std::nullopt;
    return CellPosition{*row, *column};
}

} // namespace quillmar::spreadsheet
