#pragma once
// Computing a parsed formula at a cell, asking the sheet for referenced values.
#include "spreadsheet/server/cell_value.h"
#include "spreadsheet/server/formula.h"

#include <functional>

namespace quillmar::spreadsheet::server {

using CellLookup = std::function<CellValue(CellAddress)>;

CellValue evaluateFormula(const FormulaNode& formula, CellAddress at, const CellLookup& lookup);

} // namespace quillmar::spreadsheet::server
