#pragma once
// What a cell of the built-in spreadsheet holds after computing: nothing, a
// number, a text or an error value.
#include <string>

namespace quillmar::spreadsheet::server {

enum class CellError {
    DivByZero, // division by zero
    Value,     // an operand of the wrong kind (a text in arithmetic)
    Ref,       // a reference outside the sheet
    Name,      // an unknown function name
    Num,       // a number outside a function's domain or too large
    Circular,  // the cell depends on itself
};

struct CellValue {
    enum class Kind { Empty, Number, Text, Error };
    Kind kind = Kind::Empty;
    double number = 0.0;
    std::string text;
    CellError error = CellError::Value;

    static CellValue empty() { return {}; }
    static CellValue ofNumber(double n) { return {Kind::Number, n, {}, CellError::Value}; }
    static CellValue ofText(std::string t) { return {Kind::Text, 0.0, std::move(t), CellError::Value}; }
    static CellValue ofError(CellError e) { return {Kind::Error, 0.0, {}, e}; }

    bool isNumber() const { return kind == Kind::Number; }
    bool isError() const { return kind == Kind::Error; }
};

// The value as the sheet shows it and as a cell item is answered: numbers with
// the decimal comma and up to 15 significant digits, errors in their German
// spelling (#DIV/0!, #WERT!, #BEZUG!, #NAME?, #ZAHL!).
std::string displayText(const CellValue& value);

// The error's code as workbook files store it (#DIV/0!, #VALUE!, #REF!, ...).
std::string fileErrorCode(CellError error);

} // namespace quillmar::spreadsheet::server
