#include "conversion/unit_tables.h"

#include "collection/table_file.h"
#include "conversion/texts.h"
#include "support/text.h"

namespace quillmar::conversion {

namespace fs = std::filesystem;

fs::path quantityListFile(const fs::path& prefix)
{
    return prefix / "daten" / "umrechnu.cds";
}

std::string quantityEntries(const collection::Table& list, const fs::path& file, std::vector<QuantityEntry>& out)
{
    out.clear();
    if (list.fieldCount() < 3)
        return text::fillIn(texts::kNotAQuantityList, {file.string()});
    out.reserve(list.recordCount());
    for (const collection::Record& r : list.records())
        out.push_back({collection::valueText(r[0]), collection::valueText(r[1]), collection::valueText(r[2])});
    return {};
}

std::string unitsOf(const collection::Table& table, const fs::path& file, std::vector<Unit>& out)
{
    out.clear();
    if (table.fieldCount() < 3)
        return text::fillIn(texts::kNotAUnitTable, {file.string()});
    out.reserve(table.recordCount());
    for (const collection::Record& r : table.records())
        out.push_back({collection::valueText(r[0]), collection::valueText(r[1]), collection::valueText(r[2])});
    return {};
}

std::string loadUnits(const fs::path& file, std::vector<Unit>& out)
{
    out.clear();
    collection::Table table;
    if (std::string error = collection::loadTable(file, table); !error.empty())
        return error;
    return unitsOf(table, file, out);
}

} // namespace quillmar::conversion
