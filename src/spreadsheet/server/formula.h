#pragma once
// A parsed cell formula: a tree of numbers, texts, references (kept relative or
// absolute as written), operators and function calls.
#include "spreadsheet/server/cell_address.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::spreadsheet::server {

struct SheetFunction;

struct FormulaNode {
    enum class Kind { number, text, reference, name, negate, plus, percent, binary, group, call };
    Kind kind = Kind::number;
    double number = 0.0;
    std::string text;                         // Text: the literal; Name, Call: the name as written
    CellRef ref;                              // Reference
    char op = 0;                              // Binary: + - * / ^
    const SheetFunction* function = nullptr;  // Call: nothing for an unknown name
    std::vector<std::unique_ptr<FormulaNode>> children;
};

using FormulaTree = std::unique_ptr<FormulaNode>;

// Reads a formula without its leading "=". References in Z/S with parentheses
// or R/C with brackets; numbers with decimal comma or point; function names in
// German or English, arguments separated by ";". A bare name (a variable the
// sheet does not know, such as g) is accepted and computes to #NAME?, as in any
// spreadsheet. Nothing when the text is not a well-formed formula.
FormulaTree parseFormula(std::string_view text);

// Reads a constant the way the sheet does: a number with decimal comma (or
// point), an optional sign and exponent; nothing when text is not a number.
std::optional<double> parseNumber(std::string_view text);

} // namespace quillmar::spreadsheet::server
