#pragma once
// The two ways the spreadsheet program reads what the link writes: the German
// Excel XP (references Z3S2 and Z(-2)S, numbers with a decimal comma) and the
// older versions (R3C2 and R[-2]C, numbers with a decimal point). The user
// chooses one; it travels with every call that writes or reads cell contents.
#include <string>
#include <string_view>

namespace quillmar::spreadsheet {

enum class Dialect { excelXP, older };

// Everything that differs between the dialects, derived here and nowhere else.
struct Notation {
    char rowLetter;
    char columnLetter;
    char offsetOpen;  // around the offset of a relative reference
    char offsetClose;
    char decimalSeparator;
    char thousandsSeparator;
};

constexpr Notation notationOf(Dialect dialect)
{
    return dialect == Dialect::excelXP ? Notation{'Z', 'S', '(', ')', ',', '.'} : Notation{'R', 'C', '[', ']', '.', ','};
}

// Both numbers 1-based: Z3S2 (R3C2) is row 3, column 2.
std::string absoluteReference(int row, int column, Dialect dialect);

// Relative to the cell that holds the formula; a part whose offset is 0 stays
// bare: (-2, 0) is Z(-2)S (R[-2]C), (-1, 1) is Z(-1)S(1) (R[-1]C[1]).
std::string relativeReference(int rowOffset, int columnOffset, Dialect dialect);

// A number in the program's notation ("1.234,5") as a cell of the dialect takes
// it: unchanged for Excel XP, "1234.5" for the older versions.
std::string numberForCell(std::string_view programText, Dialect dialect);

// A number as a cell of the dialect shows it, in the program's notation:
// unchanged for Excel XP; "1,234.5" of the older versions becomes "1234,5".
std::string numberFromCell(std::string_view cellText, Dialect dialect);

} // namespace quillmar::spreadsheet
