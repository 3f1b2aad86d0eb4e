#pragma once
// Saves a workbook as an .xlsx file: formulas in A1 notation with their computed
// values as cached results, numbers as numbers, texts as texts, column widths,
// styles and pictures. The file is written beside the target and then renamed
// over it, so a failed save never leaves a half-written workbook.
#include "spreadsheet/server/workbook.h"

#include <filesystem>
#include <string>

namespace quillmar::spreadsheet::server {

// Empty text on success, otherwise the German reason.
std::string saveXlsx(const Workbook& book, const std::filesystem::path& target);

} // namespace quillmar::spreadsheet::server
