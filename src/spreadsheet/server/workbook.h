#pragma once
// One workbook of the built-in spreadsheet: named like "Mappe1", with sheets
// "Tabelle1", ...; or opened from a file and then named after it ("makro.xls").
#include "spreadsheet/server/sheet.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quillmar::spreadsheet::server {

struct Workbook {
    std::string name;
    std::vector<std::unique_ptr<Sheet>> sheets;
    int activeSheet = 0;
    bool hidden = false;
    std::filesystem::path openedFrom; // the file OPEN read; empty for a new workbook
    bool changed = false;             // since it was last saved
    std::filesystem::path savedAs;    // where it is saved automatically, once chosen
    int nextSheetNumber = 1;

    Sheet& sheet() { return *sheets[static_cast<std::size_t>(activeSheet)]; }
    const Sheet& sheet() const { return *sheets[static_cast<std::size_t>(activeSheet)]; }
};

} // namespace quillmar::spreadsheet::server
