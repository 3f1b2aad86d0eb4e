#pragma once
// Writes a parsed formula the way workbook files store it: A1 references
// ($A$1 for absolute parts), English function names, decimal point, "," between
// arguments, no leading "=".
#include "spreadsheet/server/formula.h"

#include <string>

namespace quillmar::spreadsheet::server {

std::string formulaToA1(const FormulaNode& formula, CellAddress at);

// The shortest text that reads back as exactly the same double ("0.1", "1E-300").
std::string roundTripNumber(double value);

} // namespace quillmar::spreadsheet::server
