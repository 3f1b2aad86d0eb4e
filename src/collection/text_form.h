#pragma once
// The text form of the collection (data/collection/*.txt): readable, reviewable
// text from which the build makes the .cds tables, and into which the program
// exports them again.
#include "collection/table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::collection {

struct TextFormError {
    std::string file;
    int line = 0; // 0: the file as a whole
    std::string message;
    std::string describe() const; // "file:line: message"
};

struct TextFormResult {
    std::vector<Table> tables; // in the order of their first appearance
    std::optional<TextFormError> error;
};

// Parses the text of one file. Records are returned in file order (not yet
// numbered or sorted); see finishTables().
TextFormResult parseTextForm(std::string_view content, const std::string& fileName);

// Reads the files in the order of their names, joins tables of the same name
// (they must have the same fields), numbers records that leave out `myNr` or
// `nr` 0, 1, 2, ... in file order and sorts every table on its index.
TextFormResult readTextForm(std::vector<std::filesystem::path> files);

// Numbers and sorts parsed tables (part of readTextForm).
void finishTables(std::vector<Table>& tables);

// Writes tables in the text form; records are written in table order. Reading the
// text again gives the same tables.
std::string writeTextForm(const std::vector<const Table*>& tables);

} // namespace quillmar::collection
