#include "spreadsheet/server/cell_value.h"

#include "spreadsheet/server/server_texts.h"

#include <cstdio>
#include <string>

namespace quillmar::spreadsheet::server {

namespace {

std::string formatGeneral(double n)
{
    if (n == 0.0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", n);
    std::string s = buf;
    // "1.5E+20" -> "1,5E+20"; the exponent keeps at least two digits as printf writes it.
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}

} // namespace

std::string displayText(const CellValue& value)
{
    switch (value.kind) {
    case CellValue::Kind::empty:
        return {};
    case CellValue::Kind::number:
        return formatGeneral(value.number);
    case CellValue::Kind::text:
        return value.text;
    case CellValue::Kind::error:
        switch (value.error) {
        case CellError::divByZero: return std::string(texts::kErrorDivByZero);
        case CellError::value: return std::string(texts::kErrorValue);
        case CellError::ref: return std::string(texts::kErrorRef);
        case CellError::name: return std::string(texts::kErrorName);
        case CellError::num: return std::string(texts::kErrorNum);
        case CellError::circular: return std::string(texts::kErrorCircular);
        }
    }
    return {};
}

std::string fileErrorCode(CellError error)
{
    switch (error) {
    case CellError::divByZero: return "#DIV/0!";
    case CellError::value: return "#VALUE!";
    case CellError::ref: return "#REF!";
    case CellError::name: return "#NAME?";
    case CellError::num: return "#NUM!";
    case CellError::circular: return "#REF!";
    }
    return "#VALUE!";
}

} // namespace quillmar::spreadsheet::server
