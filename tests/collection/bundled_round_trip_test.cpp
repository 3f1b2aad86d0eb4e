#include "collection/collection_export.h"
#include "collection/table_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace quillmar::collection;
using namespace quillmar::collection::testing;
namespace fs = std::filesystem;

// The tables the build made from data/collection survive export and a second
// build unchanged, so edits made in the program can be kept as text.
TEST(BundledCollectionText, ExportAndRebuildGiveTheSameTables)
{
    const char* built = std::getenv("QUILLMAR_DATA_DIR");
    ASSERT_NE(built, nullptr);
    std::vector<fs::path> tables;
    for (const auto& e : fs::directory_iterator(fs::path(built) / "daten"))
        if (e.path().extension() == ".cds")
            tables.push_back(e.path());
    if (tables.empty())
        GTEST_SKIP() << "the build made no tables (data/collection holds no text yet)";

    TempDir dir;
    ASSERT_EQ(exportCollection(built, dir.path() / "text"), "");
    std::vector<fs::path> texts;
    for (const auto& e : fs::directory_iterator(dir.path() / "text"))
        texts.push_back(e.path());
    ASSERT_EQ(generateTables(texts, dir.path() / "daten"), "");
    for (const fs::path& file : tables) {
        Table a, b;
        ASSERT_EQ(loadTable(file, a), "");
        ASSERT_EQ(loadTable(dir.path() / "daten" / file.filename(), b), "");
        expectSameTable(a, b);
    }
}
