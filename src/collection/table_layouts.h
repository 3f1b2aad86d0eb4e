#pragma once
// The field layouts the program knows: the quantity table, the formula table, the
// quantity list of the unit tables and a unit table.
#include "collection/table.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillmar::collection {

// NR, GROESSE, SYMBOL, EINHEIT, ABLEITUNG, NAMEEINHEI, DATEI, RECHENVARI, KONSTANTE.
Table makeQuantityTable();
// GEBIET, THEMA, INHALT, FORMEL, GRAFIK, RECHNUNG, BEISPIEL, QUELLE, M1..M9, nr, myNr.
Table makeFormulaTable();
// Groesse, DATEI, Variable (daten/umrechnu.cds).
Table makeQuantityList();
// Stoff (text 30), Einheit (text 25), Faktor (text 15).
Table makeUnitTable(std::string name);

// Positions of M1..M9 in a formula record, and how many there are.
inline constexpr std::size_t kFirstQuantityField = 8; // M1 is the ninth field
inline constexpr std::size_t kQuantityFieldCount = 9;

// Checks that a loaded table has the layout its readers rely on; gives the name
// of the first field that is missing or misplaced, or nothing when all is well.
std::optional<std::string> missingQuantityField(const Table& t);
std::optional<std::string> missingFormulaField(const Table& t);

// The file of a unit table: DATEI with its extension replaced by ".cds", in the
// folder daten below the prefix.
std::filesystem::path unitTableFile(const std::filesystem::path& prefix, std::string_view datei);

} // namespace quillmar::collection
