#include "spreadsheet/dialect.h"

#include <algorithm>

namespace quillmar::spreadsheet {
namespace {

// The program writes and reads numbers with a decimal comma and a thousands point.
constexpr char kProgramDecimal = ',';
constexpr char kProgramThousands = '.';

void appendOffset(std::string& out, char letter, int offset, const Notation& notation)
{
    out += letter;
    if (offset == 0)
        return;
    out += notation.offsetOpen;
    out += std::to_string(offset);
    out += notation.offsetClose;
}

} // namespace

std::string absoluteReference(int row, int column, Dialect dialect)
{
    const Notation notation = notationOf(dialect);
    std::string reference(1, notation.rowLetter);
    reference += std::to_string(row);
    reference += notation.columnLetter;
    reference += std::to_string(column);
    return reference;
}

std::string relativeReference(int rowOffset, int columnOffset, Dialect dialect)
{
    const Notation notation = notationOf(dialect);
    std::string reference;
    appendOffset(reference, notation.rowLetter, rowOffset, notation);
    appendOffset(reference, notation.columnLetter, columnOffset, notation);
    return reference;
}

std::string numberForCell(std::string_view programText, Dialect dialect)
{
    const Notation notation = notationOf(dialect);
    std::string out(programText);
    if (notation.decimalSeparator == kProgramDecimal)
        return out;
    out.erase(std::remove(out.begin(), out.end(), kProgramThousands), out.end());
    if (const auto comma = out.find(kProgramDecimal); comma != std::string::npos)
        out[comma] = notation.decimalSeparator;
    return out;
}

std::string numberFromCell(std::string_view cellText, Dialect dialect)
{
    const Notation notation = notationOf(dialect);
    std::string out(cellText);
    if (notation.decimalSeparator == kProgramDecimal)
        return out;
    out.erase(std::remove(out.begin(), out.end(), notation.thousandsSeparator), out.end());
    std::replace(out.begin(), out.end(), notation.decimalSeparator, kProgramDecimal);
    return out;
}

} // namespace quillmar::spreadsheet
