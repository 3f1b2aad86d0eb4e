#include "collection/tdatadlg.h"

#include "collection/table_file.h"
#include "collection/table_layouts.h"
#include "collection/texts.h"

namespace quillmar::collection {

TDatadlg::TDatadlg() : table1(makeQuantityTable()), table2(makeFormulaTable()) {}

std::filesystem::path TDatadlg::quantityFile() const { return prefix_ / "daten" / "GROESSEN.cds"; }

std::filesystem::path TDatadlg::formulaFile() const { return prefix_ / "daten" / "formel.cds"; }

bool TDatadlg::initialisieren(const std::filesystem::path& prefix, Messages& messages)
{
    prefix_ = prefix;
    table1 = makeQuantityTable();
    table2 = makeFormulaTable();
    table1.first();
    table2.first();
    bool ok = true;

    Table quantities;
    std::string err = loadTable(quantityFile(), quantities);
    if (err.empty()) {
        if (const auto missing = missingQuantityField(quantities))
            err = texts::fillIn(texts::kWrongLayout, {quantityFile().string(), texts::kQuantityTableName, *missing});
    }
    if (err.empty()) {
        quantities.setIndexFieldNames("NR");
        table1 = std::move(quantities);
        table1.first();
    } else {
        messages.show(err);
        ok = false;
    }

    Table formulas;
    err = loadTable(formulaFile(), formulas);
    if (err.empty()) {
        if (const auto missing = missingFormulaField(formulas))
            err = texts::fillIn(texts::kWrongLayout, {formulaFile().string(), texts::kFormulaTableName, *missing});
    }
    if (err.empty()) {
        formulas.setIndexFieldNames("myNr");
        table2 = std::move(formulas);
        table2.first();
    } else {
        messages.show(err);
        ok = false;
    }
    return ok;
}

void TDatadlg::insertQuantity()
{
    table1.last();
    const std::int64_t highest = table1.asInteger("NR").value_or(0);
    table1.insert();
    table1.setInteger("NR", highest + 1);
}

void TDatadlg::insertFormula()
{
    const auto current = table2.asInteger("myNr");
    table2.insert();
    table2.setInteger("myNr", current.value_or(0));
    table2.post();
}

bool TDatadlg::locateQuantity(std::int64_t nr) { return table1.locate("NR", std::to_string(nr)); }

std::string TDatadlg::saveQuantities() { return saveTable(prefix_ / "daten" / "groessen.cds", table1); }

std::string TDatadlg::saveFormulas() { return saveTable(formulaFile(), table2); }

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
