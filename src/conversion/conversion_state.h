#pragma once
// The conversion window without its controls: the quantity list, the units of the
// chosen quantity, the chosen pair of units, converting by the direction rule and
// the last result; and, for the editing page, the quantity list as a table and the
// unit table that follows the list's cursor, creating new unit tables and saving.
//
// Unit positions are 0-based positions in the unit lists (unit j of the table is
// at position j - 1). After a quantity is chosen both stand on 1, the second
// unit, so that the first conversion goes from the second unit to itself.
#include "collection/table.h"
#include "conversion/unit_tables.h"
#include "support/real.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::conversion {

struct Conversion {
    std::string error;      // German; empty on success
    Real value = 0;         // the converted value
    std::string resultText; // the value in the pattern
    std::string markup;     // "5 km = 5000 m" as formula markup
    bool ok() const { return error.empty(); }
};

class ConversionState {
public:
    // Position of the unit pair after choosing a quantity.
    static constexpr int kDefaultUnit = 1;

    ConversionState();

    // --- display page ---
    // Reads daten/umrechnu.cds below the prefix into the quantity list (also the
    // editing page's table). On failure the list is empty and the message given.
    std::string loadQuantityList(const std::filesystem::path& prefix);
    const std::filesystem::path& prefix() const { return prefix_; }
    const std::vector<QuantityEntry>& quantities() const { return quantities_; }

    // Loads the unit table of the entry (0-based). The units of the previous
    // quantity are gone either way; on failure no quantity is chosen.
    std::string chooseQuantity(int index);
    int chosenQuantity() const { return chosen_; }
    const std::vector<Unit>& units() const { return units_; }

    int fromUnit() const { return from_; }
    int toUnit() const { return to_; }
    void setFromUnit(int position) { from_ = position; }
    void setToUnit(int position) { to_ = position; }

    // k for the chosen pair: a German message when no quantity is chosen, the table
    // has fewer than two units, a position names no unit or a factor is unusable.
    // A position of -1 (nothing chosen in the list) counts as the second unit.
    std::string factor(Real& k) const;

    // Converts the value of the numeric field: valueText is its text, which must
    // read as a number in the program's notation. On success resultText and the
    // markup hold the result; on failure nothing changes.
    Conversion convert(std::string_view valueText, std::string_view pattern);
    const std::string& resultText() const { return resultText_; }
    const std::string& markup() const { return markup_; }

    // --- editing page ---
    collection::Table& quantityList() { return list_; }
    collection::Table& unitTable() { return unitTable_; }
    // Whether unitTable() shows the table of the list's current record.
    bool unitTableOpen() const { return unitTableOpen_; }
    const std::filesystem::path& unitTableFile() const { return unitTablePath_; }
    // Reopens the unit table of the list's current record; silent when it cannot
    // be opened (it is then closed: no fields, no records).
    void followListCursor();

    // "Neue Tabelle": creates an empty unit table daten/<fileName with extension
    // .cds> and appends its entry to the quantity list, which is saved. A German
    // message, and nothing created, when a text is missing, the name holds a
    // folder, the file exists ("Datei existiert bereits") or writing fails.
    std::string createUnitTable(std::string_view quantityName, std::string_view fileName, std::string_view variable);

    // Writes the quantity list or the unit table to its file (posting an edit
    // first), then refreshes the display's quantity list.
    std::string saveQuantityList();
    std::string saveUnitTable();

private:
    // The display list from the list table, keeping the chosen quantity when its
    // entry is still there.
    void refreshQuantities();
    void clearUnits();

    std::filesystem::path prefix_;
    collection::Table list_;
    std::vector<QuantityEntry> quantities_;

    int chosen_ = -1;
    std::vector<Unit> units_;
    int from_ = kDefaultUnit;
    int to_ = kDefaultUnit;
    std::string resultText_;
    std::string markup_;

    collection::Table unitTable_;
    std::filesystem::path unitTablePath_;
    bool unitTableOpen_ = false;
};

} // namespace quillmar::conversion
