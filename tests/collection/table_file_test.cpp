#include "collection/collection_export.h"
#include "collection/table_file.h"
#include "collection/table_layouts.h"
#include "collection/collection_tables.h"
#include "support/file_io.h"
#include "support/messages.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace quillmar;
using namespace quillmar::collection;
using namespace quillmar::collection::testing;
namespace fs = std::filesystem;

namespace {

Table sample()
{
    Table t("probe", {{"Text", FieldType::Text, 10}, {"Ganz", FieldType::Integer, 0}, {"Zahl", FieldType::Float, 0},
                      {"Feld \"mit\" Zeichen", FieldType::Text, 0}},
            {"Ganz"});
    t.addLoadedRecord({std::string("Größe αβ"), std::int64_t{-3}, 0.1, std::string("a\r\nb")});
    t.addLoadedRecord({Value{}, std::int64_t{9000000000}, 1e-300, Value{}});
    t.addLoadedRecord({std::string("x"), Value{}, Value{}, std::string("'; DROP TABLE records; --")});
    t.sortRecords();
    return t;
}

void writeSqlite(const fs::path& file, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

TEST(TableFile, SavedTableLoadsBackIdenticallyAndIsPlainSql)
{
    TempDir dir;
    Table t = sample();
    ASSERT_EQ(saveTable(dir.path() / "probe.cds", t), "");
    Table back;
    ASSERT_EQ(loadTable(dir.path() / "PROBE.CDS", back), "");
    expectSameTable(t, back);
    EXPECT_TRUE(back.bof());
    EXPECT_EQ(back.asText("TEXT"), "x"); // the empty Ganz sorts first

    // A second save of the loaded table gives the same bytes' worth of content.
    ASSERT_EQ(saveTable(dir.path() / "probe.cds", back), "");
    Table again;
    ASSERT_EQ(loadTable(dir.path() / "probe.cds", again), "");
    expectSameTable(t, again);

    // Texts read from the file stay valid after the table that read them is gone.
    const Value kept = again.record(1)[0];
    Table copy = again;
    again = Table();
    copy.setRecNo(3);
    copy.setText("Text", "anders");
    copy = Table();
    EXPECT_EQ(valueText(kept), "Größe αβ");

    // Other programs read the records with a plain SELECT, in table order.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir.path() / "probe.cds").c_str(), &db), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT * FROM records", -1, &st, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_column_count(st), 4);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_type(st, 1), SQLITE_NULL);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int64(st, 1), -3);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

TEST(TableFile, SavingReplacesTheFileWhoseNameDiffersOnlyInCase)
{
    TempDir top;
    const fs::path dir = top.path() / "Maße und Größen";
    fs::create_directories(dir);
    Table t = sample();
    ASSERT_EQ(saveTable(dir / "GROESSEN.cds", t), "");
    t.first();
    t.setText("Text", "geändert");
    ASSERT_EQ(saveTable(dir / "groessen.cds", t), ""); // posts the edit first
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"GROESSEN.cds"}); // no second file, no temporary left
    Table back;
    ASSERT_EQ(loadTable(dir / "GROESSEN.cds", back), "");
    EXPECT_EQ(back.asText("Text"), "geändert");
}

TEST(TableFile, BadFilesGiveAMessageNamingTheFileAndLeaveTheTable)
{
    TempDir dir;
    const fs::path text = dir.path() / "text.cds";
    ASSERT_EQ(fileio::writeAtomically(text, "Das ist keine Datenbank, sondern Text.\n"), "");
    const fs::path foreign = dir.path() / "fremd.cds";
    writeSqlite(foreign, "CREATE TABLE kunden(name TEXT); INSERT INTO kunden VALUES('x');");
    const fs::path otherMarker = dir.path() / "marke.cds";
    writeSqlite(otherMarker, "CREATE TABLE meta(key TEXT, value TEXT); INSERT INTO meta VALUES('format','anders');");
    const fs::path noRecords = dir.path() / "ohne.cds";
    writeSqlite(noRecords, "CREATE TABLE meta(key TEXT, value TEXT);"
                           "INSERT INTO meta VALUES('format','quillmar-tabelle'),('version','1');"
                           "CREATE TABLE fields(position INTEGER, name TEXT, type TEXT, width INTEGER);"
                           "INSERT INTO fields VALUES(1,'A','text',5);");
    const fs::path empty = dir.path() / "leer.cds";
    ASSERT_EQ(fileio::writeAtomically(empty, ""), "");

    const std::vector<std::pair<fs::path, std::string>> cases = {
        {dir.path() / "fehlt.cds", "Die Datei \"%\" wurde nicht gefunden."},
        {dir.path(), "Die Datei \"%\" wurde nicht gefunden."},
        {text, "Die Datei \"%\" ist keine Tabelle von Quillmar."},
        {foreign, "Die Datei \"%\" ist keine Tabelle von Quillmar."},
        {otherMarker, "Die Datei \"%\" ist keine Tabelle von Quillmar."},
        {noRecords, "Die Datei \"%\" ist keine Tabelle von Quillmar."},
        {empty, "Die Datei \"%\" ist keine Tabelle von Quillmar."},
    };
    for (const auto& [file, pattern] : cases) {
        Table t = sample();
        std::string expected = pattern;
        expected.replace(expected.find('%'), 1, file.string());
        EXPECT_EQ(loadTable(file, t), expected);
        expectSameTable(t, sample());
    }
}

TEST(TableFile, FailedSaveKeepsTheOldFileAndSaysSo)
{
    TempDir dir;
    const fs::path file = dir.path() / "formel.cds";
    Table old = sample();
    ASSERT_EQ(saveTable(file, old), "");
    const auto oldBytes = fileio::readAll(file);

    // A full disk: the file size limit stops the new file half-way.
    Table big("probe", old.fields(), {"Ganz"});
    for (int i = 0; i < 5000; ++i)
        big.addLoadedRecord({std::string("0123456789"), std::int64_t{i}, 1.5, std::string(200, 'x')});
    big.sortRecords();
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::string err = saveTable(file, big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(err, "Die Tabelle konnte nicht in der Datei \"" + file.string()
                       + "\" gespeichert werden; die bisherige Datei bleibt unverändert.");
    EXPECT_EQ(fileio::readAll(file), oldBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(saveTable(dir.path() / "fehlt" / "neu.cds", old),
              "Die Tabelle konnte nicht in der Datei \"" + (dir.path() / "fehlt" / "neu.cds").string()
                  + "\" gespeichert werden.");
    Table back;
    ASSERT_EQ(loadTable(file, back), "");
    expectSameTable(back, old);
}

TEST(TableFile, SaveIntoAWriteProtectedFolderKeepsTheOldFile)
{
    TempDir dir;
    const fs::path file = dir.path() / "formel.cds";
    Table t = sample();
    ASSERT_EQ(saveTable(file, t), "");
    const auto oldBytes = fileio::readAll(file);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir.path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "write protection is not enforced for this user";
    t.first();
    t.setText("Text", "neu");
    EXPECT_EQ(saveTable(file, t), "Die Tabelle konnte nicht in der Datei \"" + file.string()
                                      + "\" gespeichert werden; die bisherige Datei bleibt unverändert.");
    EXPECT_EQ(fileio::readAll(file), oldBytes);
}

TEST(CollectionTables, OpensBothTablesWhateverTheCaseOfTheirFileNames)
{
    TempDir dir;
    ASSERT_EQ(generateTables(fixtureTexts(), dir.path() / "daten"), "");
    fs::rename(dir.path() / "daten" / "GROESSEN.cds", dir.path() / "daten" / "groessen.cds");
    fs::rename(dir.path() / "daten" / "formel.cds", dir.path() / "daten" / "FORMEL.CDS");

    CollectionTables d;
    RecordingMessages messages;
    ASSERT_TRUE(d.open(dir.path(), messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(d.quantities.recordCount(), 4u);
    EXPECT_EQ(d.formulas.recordCount(), 4u);
    EXPECT_EQ(d.formulas.indexFieldNames(), "myNr");
    EXPECT_EQ(d.quantities.indexFieldNames(), "NR");

    // The formula window's way of reading: locate, then the quantities by NR.
    ASSERT_TRUE(d.formulas.locate({{"INHALT", "Gewichtskraft"}, {"GEBIET", "Mechanik"}, {"THEMA", "Gewicht"}}));
    std::vector<std::string> symbols;
    for (std::int64_t nr : quantityNumbers(d.formulas)) {
        ASSERT_TRUE(d.locateQuantity(nr));
        symbols.push_back(d.quantities.asText("SYMBOL"));
    }
    EXPECT_EQ(symbols, (std::vector<std::string>{"F", "m", "g"}));
    EXPECT_FALSE(d.locateQuantity(99));

    // Saved under the editor's spelling, the quantities replace the same file.
    d.insertQuantity();
    d.quantities.setText("GROESSE", "Neue Größe");
    ASSERT_EQ(d.saveQuantities(), "");
    ASSERT_EQ(d.saveFormulas(), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "daten"), fs::directory_iterator()), 5);
    CollectionTables again;
    ASSERT_TRUE(again.open(dir.path(), messages));
    again.quantities.last();
    EXPECT_EQ(again.quantities.asInteger("NR"), 5);
    EXPECT_EQ(again.quantities.asText("GROESSE"), "Neue Größe");
}

TEST(CollectionTables, ATableThatCannotBeOpenedIsReportedAndLeftEmpty)
{
    TempDir dir;
    fs::create_directories(dir.path() / "daten");
    Table wrong("formel", {{"GEBIET", FieldType::Text, 5}});
    ASSERT_EQ(saveTable(dir.path() / "daten" / "formel.cds", wrong), "");

    CollectionTables d;
    RecordingMessages messages;
    EXPECT_FALSE(d.open(dir.path(), messages));
    const std::vector<std::string> expected = {
        "Die Datei \"" + (dir.path() / "daten" / "GROESSEN.cds").string() + "\" wurde nicht gefunden.",
        "Die Datei \"" + (dir.path() / "daten" / "formel.cds").string()
            + "\" hat nicht den Aufbau der Formeltabelle (Feld \"THEMA\" fehlt oder steht an falscher Stelle).",
    };
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(d.quantities.recordCount(), 0u);
    EXPECT_EQ(d.formulas.fields(), makeFormulaTable().fields());
    EXPECT_TRUE(quantityNumbers(d.formulas).empty());
}
