#pragma once
// The link components the program makes: talking to the spreadsheet server that
// this machine offers, processing the user's events while they wait.
#include "excel/excel_link.h"

namespace quillmar::excel::widgets {
class BuiltinSpreadsheet;
}

namespace quillmar::app {

// Every component talks to the built-in spreadsheet, which must outlive them.
excel::ExcelLink::Factory programExcelFactory(excel::widgets::BuiltinSpreadsheet& spreadsheet);

} // namespace quillmar::app
