#pragma once
// Cell positions of the built-in spreadsheet (1-based row and column) and the
// reference texts of its commands: Z3S2 or R3C2, absolute or relative (Z(-1)S,
// R[-1]C) to the active cell.
#include <optional>
#include <string>
#include <string_view>

namespace quillmar::spreadsheet::server {

inline constexpr int kMaxRow = 1048576;
inline constexpr int kMaxColumn = 16384;

struct CellAddress {
    int row = 1;
    int column = 1;
    bool operator==(const CellAddress&) const = default;
    // Row by row, as the cells of a sheet are visited.
    bool operator<(const CellAddress& other) const
    {
        return row != other.row ? row < other.row : column < other.column;
    }
};

bool insideSheet(int row, int column);

// One coordinate of a reference: a fixed number, or an offset from the cell
// the reference is read from.
struct RefPart {
    bool relative = true;
    int value = 0;
    int resolve(int from) const { return relative ? from + value : value; }
};

struct CellRef {
    RefPart row;
    RefPart column;
    std::optional<CellAddress> resolve(CellAddress from) const;
};

// Reads one reference at the front of text in either letter pair (Z/S or R/C,
// any case). Gives the reference and the number of characters it took, or
// nothing when text does not start with a reference.
struct ParsedRef {
    CellRef ref;
    std::size_t length = 0;
};
std::optional<ParsedRef> readReference(std::string_view text);

// A whole text that is exactly one reference, resolved against the active cell
// (for the commands FORMULA and SELECT); nothing when it is malformed or lies
// outside the sheet.
std::optional<CellAddress> parseCommandReference(std::string_view text, CellAddress active);

// "Z3S2" (the spreadsheet's own answers always use Z and S).
std::string formatZS(CellAddress address);

// Column letters of the A1 notation: 1 -> "A", 27 -> "AA".
std::string columnLetters(int column);

} // namespace quillmar::spreadsheet::server
