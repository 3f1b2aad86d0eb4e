#include "collection/table_layouts.h"

#include "support/text.h"

namespace quillmar::collection {

namespace {
FieldDef text(const char* name, int width) { return {name, FieldType::Text, width}; }
FieldDef integer(const char* name) { return {name, FieldType::Integer, 0}; }
} // namespace

Table makeQuantityTable()
{
    return Table("GROESSEN",
                 {{"NR", FieldType::Float, 0}, text("GROESSE", 70), text("SYMBOL", 30), text("EINHEIT", 41),
                  text("ABLEITUNG", 30), text("NAMEEINHEI", 30), text("DATEI", 24), text("RECHENVARI", 20),
                  text("KONSTANTE", 20)},
                 {"NR"});
}

Table makeFormulaTable()
{
    std::vector<FieldDef> fields = {text("GEBIET", 40),   text("THEMA", 60),    text("INHALT", 80),
                                    text("FORMEL", 255),  text("GRAFIK", 60),   text("RECHNUNG", 200),
                                    text("BEISPIEL", 255), text("QUELLE", 80)};
    for (int i = 1; i <= 9; ++i)
        fields.push_back({std::string("M").append(std::to_string(i)), FieldType::Integer, 0});
    fields.push_back(integer("nr"));
    fields.push_back(integer("myNr"));
    return Table("formel", std::move(fields), {"myNr"});
}

Table makeQuantityList()
{
    return Table("umrechnu", {text("Groesse", 40), text("DATEI", 40), text("Variable", 40)});
}

Table makeUnitTable(std::string name)
{
    return Table(std::move(name), {text("Stoff", 30), text("Einheit", 25), text("Faktor", 15)});
}

std::optional<std::string> missingQuantityField(const Table& t)
{
    const Table layout = makeQuantityTable();
    for (const FieldDef& f : layout.fields())
        if (!t.fieldIndex(f.name))
            return f.name;
    return std::nullopt;
}

std::optional<std::string> missingFormulaField(const Table& t)
{
    for (const char* name : {"GEBIET", "THEMA", "INHALT", "FORMEL", "GRAFIK", "RECHNUNG"})
        if (!t.fieldIndex(name))
            return std::string(name);
    // M1..M9 are read by position, and the numbering fields close the record.
    for (std::size_t i = 0; i < kQuantityFieldCount; ++i) {
        const std::string name = std::string("M").append(std::to_string(i + 1));
        const std::size_t at = kFirstQuantityField + i;
        if (at >= t.fieldCount() || !text::equalsNoCase(t.fields()[at].name, name))
            return name;
    }
    const std::size_t n = t.fieldCount();
    if (n < kFirstQuantityField + kQuantityFieldCount + 2 || !text::equalsNoCase(t.fields()[n - 2].name, "nr"))
        return std::string("nr");
    if (!text::equalsNoCase(t.fields()[n - 1].name, "myNr"))
        return std::string("myNr");
    return std::nullopt;
}

std::filesystem::path unitTableFile(const std::filesystem::path& prefix, std::string_view datei)
{
    std::filesystem::path name{std::string(datei)};
    name.replace_extension(".cds");
    return prefix / "daten" / name.filename();
}

} // namespace quillmar::collection
