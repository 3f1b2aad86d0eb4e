#include "collection/collection_export.h"

#include "collection/table_file.h"
#include "collection/text_form.h"
#include "collection/texts.h"
#include "support/file_io.h"
#include "support/text.h"

#include <algorithm>
#include <map>

namespace quillmar::collection {

namespace fs = std::filesystem;

namespace {

std::string textFileFor(const Table& t)
{
    if (text::equalsNoCase(t.name(), "GROESSEN"))
        return "groessen.txt";
    if (text::equalsNoCase(t.name(), "formel"))
        return "formel.txt";
    if (text::equalsNoCase(t.name(), "umrechnu"))
        return "umrechnu.txt";
    return "einheiten.txt";
}

// Unit tables in the order in which the quantity list names them, the rest by name.
void orderUnitTables(std::vector<const Table*>& units, const Table* list)
{
    std::vector<std::string> listed;
    if (list) {
        if (const auto f = list->fieldIndex("DATEI")) {
            for (const Record& r : list->records())
                listed.push_back(fs::path(valueText(r[*f])).stem().string());
        }
    }
    const auto rank = [&](const Table* t) {
        for (std::size_t i = 0; i < listed.size(); ++i)
            if (text::equalsNoCase(listed[i], t->name()))
                return i;
        return listed.size();
    };
    std::stable_sort(units.begin(), units.end(), [&](const Table* a, const Table* b) {
        const std::size_t ra = rank(a);
        const std::size_t rb = rank(b);
        if (ra != rb)
            return ra < rb;
        return text::lowerAscii(a->name()) < text::lowerAscii(b->name());
    });
}

} // namespace

std::string exportCollection(const fs::path& dataFolder, const fs::path& targetFolder)
{
    const fs::path daten = fileio::resolveNoCase(dataFolder / "daten");
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(daten, ec)) {
        if (entry.is_regular_file(ec) && text::equalsNoCase(entry.path().extension().string(), ".cds"))
            files.push_back(entry.path());
    }
    if (files.empty())
        return text::fillIn(texts::kNoDataFolder, {daten.string()});
    std::sort(files.begin(), files.end());

    std::vector<Table> tables(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string err = loadTable(files[i], tables[i]);
        if (!err.empty())
            return err;
    }
    std::map<std::string, std::vector<const Table*>> byFile;
    const Table* list = nullptr;
    for (const Table& t : tables) {
        byFile[textFileFor(t)].push_back(&t);
        if (textFileFor(t) == "umrechnu.txt")
            list = &t;
    }
    if (auto it = byFile.find("einheiten.txt"); it != byFile.end())
        orderUnitTables(it->second, list);

    fs::create_directories(targetFolder, ec);
    for (const auto& [name, group] : byFile) {
        const std::string err = fileio::writeAtomically(targetFolder / name, writeTextForm(group));
        if (!err.empty())
            return err;
    }
    return {};
}

std::string generateTables(const std::vector<fs::path>& textFiles, const fs::path& outFolder)
{
    TextFormResult result = readTextForm(textFiles);
    if (result.error)
        return result.error->describe();
    std::error_code ec;
    fs::create_directories(outFolder, ec);
    for (Table& t : result.tables) {
        const std::string err = saveTable(outFolder / (t.name() + ".cds"), t);
        if (!err.empty())
            return err;
    }
    return {};
}

} // namespace quillmar::collection
