#pragma once
// Computing a parsed formula at a cell, asking the sheet for referenced values.
#include "excel/server/cell_value.h"
#include "excel/server/formula.h"

#include <functional>

namespace quillmar::excel::server {

using CellLookup = std::function<CellValue(CellAddress)>;

CellValue evaluateFormula(const FormulaNode& formula, CellAddress at, const CellLookup& lookup);

} // namespace quillmar::excel::server
