#pragma once
// The .cds files: each is an SQLite database holding one table.
//
//   meta(key, value)                       format marker, table name, index fields
//   fields(position, name, type, width)    the field definitions, in order
//   records("<field 1>", "<field 2>", ...) one column per field, in field order,
//                                          rows in table order
//
// Opening reads the whole table into memory; saving writes the whole table into a
// new file beside the target and puts it in place only when everything was
// written, so a failed save leaves the old file as it was.
#include "collection/table.h"

#include <filesystem>
#include <string>

namespace quillmar::collection {

// Loads the table of a .cds file (its name matched without regard to case).
// Gives an empty text on success, otherwise a German message naming the file;
// the table is then left unchanged.
std::string loadTable(const std::filesystem::path& file, Table& table);

// Writes the table (posting a pending edit first) to the file, replacing an
// existing file whose name matches without regard to case. Gives an empty text on
// success, otherwise a German message; the old file is then intact.
std::string saveTable(const std::filesystem::path& file, Table& table);

// The format marker in the meta table.
inline constexpr const char* kTableFormat = "quillmar-tabelle";
inline constexpr int kTableFormatVersion = 1;

} // namespace quillmar::collection
