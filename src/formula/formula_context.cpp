#include "formula/formula_context.h"

#include "collection/collection_tables.h"

#include <system_error>

namespace quillmar::formula {

FormulaContext makeContext(collection::CollectionTables& tables, engine::DefinitionStore& store, Messages& messages)
{
    return FormulaContext{tables.formulas, tables.quantities, store, messages, tables.prefix(), pictureFileExists};
}

bool pictureFileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace quillmar::formula
