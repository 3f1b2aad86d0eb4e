#pragma once
// What a cell of the built-in spreadsheet holds after computing: nothing, a
// number, a text or an error value.
#include <string>

namespace quillmar::spreadsheet::server {

enum class CellError {
    divByZero, // division by zero
    value,     // an operand of the wrong kind (a text in arithmetic)
    ref,       // a reference outside the sheet
    name,      // an unknown function name
    num,       // a number outside a function's domain or too large
    circular,  // the cell depends on itself
};

struct CellValue {
    enum class Kind { empty, number, text, error };
    Kind kind = Kind::empty;
    double number = 0.0;
    std::string text;
    CellError error = CellError::value;

    static CellValue empty() { return {}; }
    static CellValue ofNumber(double n) { return {Kind::number, n, {}, CellError::value}; }
    static CellValue ofText(std::string t) { return {Kind::text, 0.0, std::move(t), CellError::value}; }
    static CellValue ofError(CellError e) { return {Kind::error, 0.0, {}, e}; }

    bool isNumber() const { return kind == Kind::number; }
    bool isError() const { return kind == Kind::error; }
};

// The value as the sheet shows it and as a cell item is answered: numbers with
// the decimal comma and up to 15 significant digits, errors in their German
// spelling (#DIV/0!, #WERT!, #BEZUG!, #NAME?, #ZAHL!).
std::string displayText(const CellValue& value);

// The error's code as workbook files store it (#DIV/0!, #VALUE!, #REF!, ...).
std::string fileErrorCode(CellError error);

} // namespace quillmar::spreadsheet::server
