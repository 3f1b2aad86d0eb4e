#pragma once
// What a formula window works with besides its own state: the two collection
// tables (shared by every window and the collection editor, each with one cursor),
// the definition store shared with the calculation windows, the way to show a
// message, and the data folder prefix below which daten/ and Grafik/ lie.
#include "collection/table.h"
#include "engine/definition_store.h"
#include "support/messages.h"

#include <filesystem>
#include <functional>

namespace quillmar::collection {
class CollectionTables;
}

namespace quillmar::formula {

struct FormulaContext {
    collection::Table& formulas;   // formel.cds, in myNr order
    collection::Table& quantities; // GROESSEN.cds, in NR order
    engine::DefinitionStore& store;
    Messages& messages;
    std::filesystem::path prefix;
    // Whether the picture file can be shown. The program asks its image reader;
    // without one a picture counts when its file is there.
    std::function<bool(const std::filesystem::path&)> pictureLoads;
};

// The context of the program's data module.
FormulaContext makeContext(collection::CollectionTables& tables, engine::DefinitionStore& store, Messages& messages);

// True when path names a regular file.
bool pictureFileExists(const std::filesystem::path& path);

} // namespace quillmar::formula
