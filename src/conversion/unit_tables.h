#pragma once
// The files of the unit conversion: the quantity list daten/umrechnu.cds (one
// entry per quantity: name, file of its unit table, variable name) and one unit
// table per quantity (one record per unit: name, symbol, factor). Both are read
// by field position.
#include "collection/table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillmar::conversion {

struct QuantityEntry {
    std::string name;     // Groesse
    std::string datei;    // DATEI: the file of the unit table in daten
    std::string variable; // Variable
};

struct Unit {
    std::string name;   // Stoff
    std::string symbol; // Einheit, formula markup
    std::string factor; // Faktor, as written in the table
};

std::filesystem::path quantityListFile(const std::filesystem::path& prefix);

// The entries of a loaded quantity list, in table order; a German message when
// the table has fewer than three fields.
std::string quantityEntries(const collection::Table& list, const std::filesystem::path& file,
                            std::vector<QuantityEntry>& out);

// The units of a loaded unit table, in table order; a German message when the
// table has fewer than three fields.
std::string unitsOf(const collection::Table& table, const std::filesystem::path& file, std::vector<Unit>& out);

// Reads a unit table file; on failure out is left empty and a German message given.
std::string loadUnits(const std::filesystem::path& file, std::vector<Unit>& out);

} // namespace quillmar::conversion
