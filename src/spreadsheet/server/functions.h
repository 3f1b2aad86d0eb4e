#pragma once
// The worksheet functions of the built-in spreadsheet. Each is known by its
// German and its English name (a formula may use either) and is stored in
// workbook files under its file name.
#include "spreadsheet/server/cell_value.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmar::spreadsheet::server {

struct SheetFunction {
    const char* german;
    const char* english;
    const char* fileName; // name in .xlsx formulas (newer functions carry "_xlfn.")
    int arity;            // number of arguments (0 or 1)
    CellValue (*apply)(double argument);
};

// Name comparison ignores case, also of the umlauts Ä, Ö, Ü.
const SheetFunction* findFunction(std::string_view name);

const std::vector<SheetFunction>& sheetFunctions();

// Upper-cases a-z and ä, ö, ü (UTF-8); other characters stay.
std::string upperName(std::string_view name);

} // namespace quillmar::spreadsheet::server
