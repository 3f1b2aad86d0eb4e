#include "spreadsheet/server/cell_address.h"

#include <cctype>
#include <charconv>

namespace quillmar::spreadsheet::server {

bool insideSheet(int row, int column)
{
    return row >= 1 && row <= kMaxRow && column >= 1 && column <= kMaxColumn;
}

std::optional<CellAddress> CellRef::resolve(CellAddress from) const
{
    const long r = static_cast<long>(row.resolve(from.row));
    const long c = static_cast<long>(column.resolve(from.column));
    if (r < 1 || r > kMaxRow || c < 1 || c > kMaxColumn)
        return std::nullopt;
    return CellAddress{static_cast<int>(r), static_cast<int>(c)};
}

namespace {

// Reads a signed decimal number bounded by the sheet size; gives the number of characters.
std::size_t readInt(std::string_view s, std::size_t pos, bool allowSign, int& out)
{
    std::size_t i = pos;
    bool negative = false;
    if (allowSign && i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    long value = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        value = value * 10 + (s[i] - '0');
        if (value > 10L * kMaxRow)
            return 0;
        ++i;
    }
    if (i == digitsStart)
        return 0;
    out = static_cast<int>(negative ? -value : value);
    return i - pos;
}

// One coordinate after its letter: "(n)" / "[n]" relative, "n" absolute, nothing = offset 0.
std::size_t readPart(std::string_view s, std::size_t pos, char open, RefPart& part)
{
    if (pos < s.size() && s[pos] == open) {
        const char close = open == '(' ? ')' : ']';
        int n = 0;
        const std::size_t len = readInt(s, pos + 1, true, n);
        if (len == 0 || pos + 1 + len >= s.size() || s[pos + 1 + len] != close)
            return std::string_view::npos;
        part = {true, n};
        return len + 2;
    }
    int n = 0;
    const std::size_t len = readInt(s, pos, false, n);
    if (len > 0) {
        if (n < 1)
            return std::string_view::npos;
        part = {false, n};
        return len;
    }
    part = {true, 0};
    return 0;
}

bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' ||
           static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

std::optional<ParsedRef> readReference(std::string_view s)
{
    if (s.empty())
        return std::nullopt;
    const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    char columnLetter = 0;
    char open = 0;
    if (first == 'Z') {
        columnLetter = 'S';
        open = '(';
    } else if (first == 'R') {
        columnLetter = 'C';
        open = '[';
    } else {
        return std::nullopt;
    }
    ParsedRef result;
    std::size_t pos = 1;
    const std::size_t rowLen = readPart(s, pos, open, result.ref.row);
    if (rowLen == std::string_view::npos)
        return std::nullopt;
    pos += rowLen;
    if (pos >= s.size() || std::toupper(static_cast<unsigned char>(s[pos])) != columnLetter)
        return std::nullopt;
    ++pos;
    const std::size_t colLen = readPart(s, pos, open, result.ref.column);
    if (colLen == std::string_view::npos)
        return std::nullopt;
    pos += colLen;
    // "RAD(" or "SIN(" are names, not references: a reference ends at a non-name character.
    if (pos < s.size() && (isNameChar(s[pos]) || s[pos] == '('))
        return std::nullopt;
    result.length = pos;
    return result;
}

std::optional<CellAddress> parseCommandReference(std::string_view text, CellAddress active)
{
    const auto parsed = readReference(text);
    if (!parsed || parsed->length != text.size())
        return std::nullopt;
    return parsed->ref.resolve(active);
}

std::string formatZS(CellAddress address)
{
    return "Z" + std::to_string(address.row) + "S" + std::to_string(address.column);
}

std::string columnLetters(int column)
{
    std::string letters;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + rest));
        column = (column - 1) / 26;
    }
    return letters;
}

} // namespace quillmar::spreadsheet::server
