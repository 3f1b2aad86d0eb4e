#include "cli/export_verb.h"
#include "collection/collection_export.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct ExportRun {
    int status;
    std::string out;
    std::string err;
};

ExportRun exportTables(const std::vector<std::string>& args)
{
    std::istringstream in;
    std::ostringstream out, err;
    const int status = quillmar::cli::runExportVerb(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(ExportVerb, WritesTheTextFormOrExplainsWhyNot)
{
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("quillmar-export-" + std::to_string(rd()));
    const fs::path fixtures = quillmar::testing::sourceDir() / "tests" / "collection" / "fixtures";
    std::vector<fs::path> texts;
    for (const auto& e : fs::directory_iterator(fixtures))
        texts.push_back(e.path());
    ASSERT_EQ(quillmar::collection::generateTables(texts, dir / "prog" / "daten"), "");

    const ExportRun ok = exportTables({(dir / "prog").string(), (dir / "text").string()});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.out, "Die Tabellen aus \"" + (dir / "prog").string() + "\" wurden in \"" + (dir / "text").string()
                          + "\" als Text geschrieben.\n");
    for (const char* name : {"groessen.txt", "formel.txt", "umrechnu.txt", "einheiten.txt"})
        EXPECT_TRUE(fs::exists(dir / "text" / name)) << name;

    const ExportRun usage = exportTables({"nur-einer"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err, "Aufruf: quillmar exportieren DATENORDNER ZIELORDNER\n");

    const ExportRun missing = exportTables({(dir / "fehlt").string(), (dir / "aus").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Der Ordner \"" + (dir / "fehlt" / "daten").string() + "\" enthält keine Tabellen.\n");
    EXPECT_FALSE(fs::exists(dir / "aus"));
    fs::remove_all(dir);
}
