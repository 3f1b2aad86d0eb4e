#include "collection/collection_tables.h"

#include "collection/table_file.h"
#include "collection/table_layouts.h"
#include "collection/texts.h"
#include "support/text.h"

namespace quillmar::collection {

CollectionTables::CollectionTables() : quantities(makeQuantityTable()), formulas(makeFormulaTable()) {}

std::filesystem::path CollectionTables::quantityFile() const { return prefix_ / "daten" / "GROESSEN.cds"; }

std::filesystem::path CollectionTables::formulaFile() const { return prefix_ / "daten" / "formel.cds"; }

namespace {

// Loads file into target with its index; a file that cannot be read or lacks a field
// of the layout is shown as a message and leaves target as it was.
bool loadInto(const std::filesystem::path& file, std::string_view tableName,
              std::optional<std::string> (*missingField)(const Table&), std::string_view indexField, Table& target,
              Messages& messages)
{
    Table loaded;
    std::string err = loadTable(file, loaded);
    if (err.empty()) {
        if (const auto missing = missingField(loaded))
            err = text::fillIn(texts::kWrongLayout, {file.string(), tableName, *missing});
    }
    if (!err.empty()) {
        messages.show(err);
        return false;
    }
    loaded.setIndexFieldNames(indexField);
    target = std::move(loaded);
    target.first();
    return true;
}

} // namespace

bool CollectionTables::open(const std::filesystem::path& prefix, Messages& messages)
{
    prefix_ = prefix;
    quantities = makeQuantityTable();
    formulas = makeFormulaTable();
    quantities.first();
    formulas.first();
    const bool quantitiesOk =
        loadInto(quantityFile(), texts::kQuantityTableName, missingQuantityField, "NR", quantities, messages);
    const bool formulasOk =
        loadInto(formulaFile(), texts::kFormulaTableName, missingFormulaField, "myNr", formulas, messages);
    return quantitiesOk && formulasOk;
}

void CollectionTables::insertQuantity()
{
    quantities.last();
    const std::int64_t highest = quantities.asInteger("NR").value_or(0);
    quantities.insert();
    quantities.setInteger("NR", highest + 1);
}

void CollectionTables::insertFormula()
{
    const auto current = formulas.asInteger("myNr");
    formulas.insert();
    formulas.setInteger("myNr", current.value_or(0));
    formulas.post();
}

bool CollectionTables::locateQuantity(std::int64_t nr) { return quantities.locate("NR", std::to_string(nr)); }

std::string CollectionTables::saveQuantities() { return saveTable(prefix_ / "daten" / "groessen.cds", quantities); }

std::string CollectionTables::saveFormulas() { return saveTable(formulaFile(), formulas); }

std::vector<std::int64_t> quantityNumbers(const Table& formulas)
{
    std::vector<std::int64_t> numbers;
    for (std::size_t i = 0; i < kQuantityFieldCount; ++i) {
        const auto nr = formulas.asInteger(kFirstQuantityField + i);
        if (!nr)
            break;
        numbers.push_back(*nr);
    }
    return numbers;
}

} // namespace quillmar::collection
