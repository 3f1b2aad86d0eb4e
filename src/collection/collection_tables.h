#pragma once
// The data module: the two collection tables that every formula window and the
// collection editor share for the whole run.
#include "collection/table.h"
#include "support/messages.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillmar::collection {

class CollectionTables {
public:
    CollectionTables();

    Table quantities; // the quantities, daten/GROESSEN.cds, in NR order
    Table formulas; // the formulas, daten/formel.cds, in myNr order

    // Opens daten/GROESSEN.cds, then daten/formel.cds, below the data folder
    // prefix. A table that cannot be opened is shown as a German message and left
    // empty (with its field layout); gives true when both opened.
    bool open(const std::filesystem::path& prefix, Messages& messages);

    const std::filesystem::path& prefix() const { return prefix_; }
    std::filesystem::path quantityFile() const;
    std::filesystem::path formulaFile() const;

    // A new quantity record numbered one above the highest NR, wherever the
    // cursor stood; it is left in insert state for the caller to fill and post.
    void insertQuantity();
    // A new formula record with the myNr of the current record, posted at once so
    // that it sorts beside it (the editor renumbers the table afterwards).
    void insertFormula();
    // Moves quantities to the quantity with this NR; false (cursor unchanged) when
    // there is none.
    bool locateQuantity(std::int64_t nr);

    // Write each table back to its file; a German message on failure.
    std::string saveQuantities();
    std::string saveFormulas();

private:
    std::filesystem::path prefix_;
};

// The quantity numbers M1..M9 of the current formula record, read by position
// (fields 9 to 17) up to the first empty one.
std::vector<std::int64_t> quantityNumbers(const Table& formulas);

} // namespace quillmar::collection
