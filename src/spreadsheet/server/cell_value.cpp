#include "spreadsheet/server/cell_value.h"

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
    case CellValue::Kind::Empty:
        return {};
    case CellValue::Kind::Number:
        return formatGeneral(value.number);
    case CellValue::Kind::Text:
        return value.text;
    case CellValue::Kind::Error:
        switch (value.error) {
        case CellError::DivByZero: return "#DIV/0!";
        case CellError::Value: return "#WERT!";
        case CellError::Ref: return "#BEZUG!";
        case CellError::Name: return "#NAME?";
        case CellError::Num: return "#ZAHL!";
        case CellError::Circular: return "#ZIRKELBEZUG!";
        }
    }
    return {};
}

std::string fileErrorCode(CellError error)
{
    switch (error) {
    case CellError::DivByZero: return "#DIV/0!";
    case CellError::Value: return "#VALUE!";
    case CellError::Ref: return "#REF!";
    case CellError::Name: return "#NAME?";
    case CellError::Num: return "#NUM!";
    case CellError::Circular: return "#REF!";
    }
    return "#VALUE!";
}

} // namespace quillmar::spreadsheet::server
