#pragma once
// The link components the program makes: talking to the spreadsheet server that
// this machine offers, processing the user's events while they wait.
#include "excel/excel_link.h"

namespace quillmar::app {

excel::ExcelLink::Factory programExcelFactory();

} // namespace quillmar::app
