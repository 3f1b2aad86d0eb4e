#pragma once
// The conversion page's spreadsheet commands: putting the chosen conversion into
// the spreadsheet as a small block (insertIntoSpreadsheet) and taking the value of the
// selected cell (readValueFromSpreadsheet).
//
// The block, r and c being the offsets of the target (0 for a new sheet):
//
//   row r+1   from -> to (title)
//   row r+2              Eingabe:
//   row r+3   from name  the value                from symbol
//   row r+4              Ergebnis:
//   row r+5   to name    =Z(-2)S*k  /  =R[-2]C*k   to symbol
//
// With "nur Umrechnung" only the value and the formula are written.
#include "conversion/conversion_state.h"
#include "spreadsheet/dialect.h"
#include "spreadsheet/link.h"
#include "settings/settings_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillmar::conversion {

// Writes the conversion of the state's chosen units into the spreadsheet; the
// value is the numeric field's text. Input that cannot make a correct block (no
// units, an unusable factor, a value that is not a number) gives a German message
// before anything is sent. Failures of the link are thrown as LinkError; cells
// written before then remain.
std::string insertIntoSpreadsheet(spreadsheet::Link& link, const conversion::ConversionState& state, std::string_view valueText,
                            const settings::Options& options, spreadsheet::Dialect dialect,
                            const std::filesystem::path& prefix);

struct TakenValue {
    std::string text;  // for the numeric field, in the program's notation
    std::string error; // German, when the cell holds no number
    bool ok() const { return error.empty(); }
};

// Reads the selected cell over the open conversation (nothing connects here).
TakenValue readValueFromSpreadsheet(spreadsheet::Link& link, spreadsheet::Dialect dialect);

// The factor as it goes into the formula: in the pattern, without thousands
// separators, with the decimal point for the older versions. When the pattern
// would drop digits of the factor (0,000001 as 0,000, 1/3,6 as 0,278), the factor
// is written with all its digits (15 significant) instead, so that the formula
// computes the converted value exactly.
std::string factorText(Real k, std::string_view pattern, spreadsheet::Dialect dialect);

// A number typed in the program's notation ("1.234,5") as the cell takes it: the
// German version reads it as it is; the older versions get "1234.5".
std::string cellNumberText(std::string_view text, spreadsheet::Dialect dialect);

} // namespace quillmar::conversion
