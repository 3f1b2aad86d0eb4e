#include "spreadsheet/server/functions.h"

#include <cmath>
#include <numbers>

namespace quillmar::spreadsheet::server {

namespace {

CellValue number(double x)
{
    if (!std::isfinite(x))
        return CellValue::ofError(CellError::num);
    return CellValue::ofNumber(x);
}

CellValue fact(double x)
{
    if (x < 0)
        return CellValue::ofError(CellError::num);
    const double n = std::floor(x);
    if (n > 170)
        return CellValue::ofError(CellError::num);
    long double product = 1.0L;
    for (int i = 2; i <= static_cast<int>(n); ++i)
        product *= i;
    return number(static_cast<double>(product));
}

CellValue root(double x) { return x < 0 ? CellValue::ofError(CellError::num) : number(std::sqrt(x)); }
CellValue ln(double x) { return x <= 0 ? CellValue::ofError(CellError::num) : number(std::log(x)); }
CellValue log10(double x) { return x <= 0 ? CellValue::ofError(CellError::num) : number(std::log10(x)); }
CellValue exp(double x) { return number(std::exp(x)); }
CellValue sin(double x) { return number(std::sin(x)); }
CellValue cos(double x) { return number(std::cos(x)); }
CellValue tan(double x) { return number(std::tan(x)); }
CellValue cot(double x)
{
    const double t = std::tan(x);
    return t == 0 ? CellValue::ofError(CellError::divByZero) : number(1.0 / t);
}
CellValue asin(double x) { return std::fabs(x) > 1 ? CellValue::ofError(CellError::num) : number(std::asin(x)); }
CellValue acos(double x) { return std::fabs(x) > 1 ? CellValue::ofError(CellError::num) : number(std::acos(x)); }
CellValue atan(double x) { return number(std::atan(x)); }
CellValue acot(double x) { return number(std::numbers::pi / 2 - std::atan(x)); }
CellValue abs(double x) { return number(std::fabs(x)); }
CellValue sign(double x) { return number(x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0); }
CellValue degrees(double x) { return number(x * (180.0 / std::numbers::pi)); }
CellValue radians(double x) { return number(x * (std::numbers::pi / 180.0)); }
CellValue integer(double x) { return number(std::floor(x)); }
CellValue pi(double) { return number(std::numbers::pi); }

} // namespace

const std::vector<SheetFunction>& sheetFunctions()
{
    static const std::vector<SheetFunction> list = {
        {"WURZEL", "SQRT", "SQRT", 1, root},
        {"FAKULTÄT", "FACT", "FACT", 1, fact},
        {"LN", "LN", "LN", 1, ln},
        {"LOG10", "LOG10", "LOG10", 1, log10},
        {"EXP", "EXP", "EXP", 1, exp},
        {"SIN", "SIN", "SIN", 1, sin},
        {"COS", "COS", "COS", 1, cos},
        {"TAN", "TAN", "TAN", 1, tan},
        {"COT", "COT", "_xlfn.COT", 1, cot},
        {"ARCSIN", "ASIN", "ASIN", 1, asin},
        {"ARCCOS", "ACOS", "ACOS", 1, acos},
        {"ARCTAN", "ATAN", "ATAN", 1, atan},
        {"ARCCOT", "ACOT", "_xlfn.ACOT", 1, acot},
        {"ABS", "ABS", "ABS", 1, abs},
        {"VORZEICHEN", "SIGN", "SIGN", 1, sign},
        {"GRAD", "DEGREES", "DEGREES", 1, degrees},
        {"BOGENMASS", "RADIANS", "RADIANS", 1, radians},
        {"GANZZAHL", "INT", "INT", 1, integer},
        {"PI", "PI", "PI", 0, pi},
    };
    return list;
}

std::string upperName(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < name.size()) {
            // ä ö ü (C3 A4, C3 B6, C3 BC) -> Ä Ö Ü (C3 84, C3 96, C3 9C)
            unsigned char next = static_cast<unsigned char>(name[i + 1]);
            if (next == 0xA4 || next == 0xB6 || next == 0xBC)
                next = static_cast<unsigned char>(next - 0x20);
            out += static_cast<char>(c);
            out += static_cast<char>(next);
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

const SheetFunction* findFunction(std::string_view name)
{
    const std::string upper = upperName(name);
    for (const auto& f : sheetFunctions())
        if (upper == f.german || upper == f.english)
            return &f;
    return nullptr;
}

} // namespace quillmar::spreadsheet::server
