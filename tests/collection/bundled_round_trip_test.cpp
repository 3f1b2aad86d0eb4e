#include "collection/collection_export.h"
#include "collection/table_file.h"
#include "test_support.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

using namespace quillmar::collection;
using namespace quillmar::collection::testing;
namespace fs = std::filesystem;

// The tables the build made from data/collection survive export and a second
// build unchanged, so edits made in the program can be kept as text.
TEST(BundledCollectionText, ExportAndRebuildGiveTheSameTables)
{
    const fs::path built = quillmar::testing::dataDir();
    std::vector<fs::path> tables;
    for (const auto& e : fs::directory_iterator(built / "daten"))
        if (e.path().extension() == ".cds")
            tables.push_back(e.path());
    // The build turns data/collection into these tables; without them there is
    // nothing this test could vouch for.
    ASSERT_FALSE(tables.empty()) << "the build made no tables in " << (built / "daten");

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
