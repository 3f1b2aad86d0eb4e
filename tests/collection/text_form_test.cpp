#include "collection/collection_export.h"
#include "collection/table_file.h"
#include "collection/text_form.h"
#include "support/file_io.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>

using namespace quillmar::collection;
using namespace quillmar::collection::testing;
namespace fs = std::filesystem;

namespace {

const Table& byName(const std::vector<Table>& tables, const std::string& name)
{
    for (const Table& t : tables)
        if (t.name() == name)
            return t;
    throw std::runtime_error("no table " + name);
}

} // namespace

TEST(TextForm, ReadsJoinsNumbersAndSortsTheFixtureCollection)
{
    const TextFormResult r = readTextForm(fixtureTexts());
    ASSERT_FALSE(r.error) << r.error->describe();
    ASSERT_EQ(r.tables.size(), 5u);

    // The two formel_*.txt files make one table, numbered in file order.
    const Table& formel = byName(r.tables, "formel");
    ASSERT_EQ(formel.recordCount(), 4u);
    const auto rows = texts(formel);
    const std::size_t gebiet = 0, thema = 1, inhalt = 2, beispiel = 6, m1 = 8, nr = 17, myNr = 18;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][myNr], std::to_string(i));
        EXPECT_EQ(rows[i][nr], std::to_string(i));
        EXPECT_EQ(rows[i][gebiet], "Mechanik"); // from %vorgabe
    }
    EXPECT_EQ(rows[0][thema], "Dynamik");
    EXPECT_EQ(rows[2][thema], "Gewicht");
    EXPECT_EQ(rows[3][thema], ""); // an empty %vorgabe ends the preset
    EXPECT_EQ(rows[2][inhalt], "Gewichtskraft");
    EXPECT_EQ(rows[2][beispiel], "Ein Körper von 2 kg\r\nwiegt auf der Erde\r\n\r\nrund 19,6 N.");
    EXPECT_EQ(rows[0][m1], "3");
    EXPECT_TRUE(isEmptyValue(formel.record(3)[m1]));

    // The quantities are kept in NR order whatever the file order.
    const Table& groessen = byName(r.tables, "GROESSEN");
    ASSERT_EQ(groessen.recordCount(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(std::get<double>(groessen.record(i)[0]), static_cast<double>(i + 1));
    EXPECT_EQ(texts(groessen)[3][8], "9,80665");
}

TEST(TextForm, CanonicalTextIsWrittenBackIdentically)
{
    const std::string text = "%tabelle formel\n"
                             "%feld GEBIET text 20\n"
                             "%feld THEMA text 20\n"
                             "%feld INHALT text 20\n"
                             "%feld BEISPIEL text 60\n"
                             "%feld M1 ganzzahl\n"
                             "%feld Wert zahl\n"
                             "%feld nr ganzzahl\n"
                             "%feld myNr ganzzahl\n"
                             "%index myNr\n"
                             "\n"
                             "%vorgabe GEBIET: Optik\n"
                             "%vorgabe THEMA: Linsen\n"
                             "\n"
                             "INHALT: Linsengleichung\n"
                             "BEISPIEL:  zwei Zeilen, \n"
                             "+ mit Leerzeichen\n"
                             "+\n"
                             "M1: -7\n"
                             "Wert: 0,125\n"
                             "\n"
                             "INHALT:\n"
                             "\n"
                             "%vorgabe THEMA:\n"
                             "\n"
                             "INHALT: Ohne Thema\n"
                             "Wert: 1e+300\n"
                             "nr: 9\n"
                             "myNr: 5\n"
                             "\n"
                             "%tabelle masse\n"
                             "%feld Stoff text 30\n"
                             "%feld Faktor text 15\n"
                             "\n"
                             "Stoff: Gramm\n"
                             "Faktor: 0,001\n";
    TextFormResult r = parseTextForm(text, "x.txt");
    ASSERT_FALSE(r.error) << r.error->describe();
    finishTables(r.tables);
    ASSERT_EQ(r.tables[0].recordCount(), 3u);
    EXPECT_EQ(valueText(r.tables[0].record(0)[3]), " zwei Zeilen, \r\nmit Leerzeichen\r\n");
    EXPECT_EQ(writeTextForm({&r.tables[0], &r.tables[1]}), text);
}

TEST(TextForm, BadTextGivesFileLineAndGermanMessage)
{
    const std::string head = "%tabelle t\n%feld A text 5\n%feld N ganzzahl\n%feld Z zahl\n\n";
    struct Case {
        std::string body;
        int line;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"B: 1\n", 6, "Die Tabelle \"t\" hat kein Feld \"B\"."},
        {"A: x\nN: 1,5\n", 7, "\"1,5\" ist keine gültige ganze Zahl für das Feld \"N\"."},
        {"Z: 1,2,3\n", 6, "\"1,2,3\" ist keine gültige Zahl für das Feld \"Z\"."},
        {"A: sechsé\n", 6, "Der Wert des Feldes \"A\" hat 6 Zeichen, erlaubt sind 5."},
        {"A: fünfé\n", 0, ""}, // five characters fit, however many bytes
        {"A: x\nA: y\n", 7, "Das Feld \"A\" steht zweimal im selben Datensatz."},
        {"A x\n", 6, "Unverständliche Zeile (erwartet \"FELD: WERT\")."},
        {"+ mehr\n", 6, "Eine Fortsetzungszeile \"+ ...\" muss einer Zeile \"FELD: WERT\" folgen."},
        {"A: x\n\n%feld C text 3\n", 8, "Felder müssen vor dem ersten Datensatz der Tabelle stehen."},
        {"%feld C text\n", 6, "Ein Textfeld braucht eine Breite: \"%feld NAME text BREITE\"."},
        {"%feld C datum 3\n", 6, "Unbekannter Feldtyp \"datum\" (erlaubt sind text, ganzzahl und zahl)."},
        {"%feld a text 3\n", 6, "Das Feld \"a\" ist doppelt definiert."},
        {"%index Q\n", 6, "Die Tabelle hat kein Feld \"Q\" für den Index."},
        {"%sortiere A\n", 6, "Unbekannte Anweisung \"%sortiere\"."},
        {"%tabelle ../x\n", 6, "\"../x\" ist kein gültiger Tabellenname."},
        {"%vorgabe N: zwei\n\nA: x\n", 6, "\"zwei\" ist keine gültige ganze Zahl für das Feld \"N\"."},
        {"%tabelle leer\n%tabelle u\n%feld A text 1\n", 6, "Die Tabelle \"leer\" hat keine Felder."},
    };
    for (const Case& c : cases) {
        const TextFormResult r = parseTextForm(head + c.body, "test.txt");
        if (c.line == 0) {
            EXPECT_FALSE(r.error) << c.body;
            continue;
        }
        ASSERT_TRUE(r.error) << c.body;
        EXPECT_EQ(r.error->describe(), "test.txt:" + std::to_string(c.line) + ": " + c.message) << c.body;
        EXPECT_TRUE(r.tables.empty());
    }
    const TextFormResult noTable = parseTextForm("# nur ein Kommentar\nA: 1\n", "f.txt");
    ASSERT_TRUE(noTable.error);
    EXPECT_EQ(noTable.error->describe(), "f.txt:2: Vor dieser Zeile steht kein \"%tabelle NAME\".");
}

TEST(TextForm, JoiningNeedsTheSameFields)
{
    TempDir dir;
    ASSERT_EQ(quillmar::fileio::writeAtomically(dir.path() / "formel_a.txt", "%tabelle formel\n%feld A text 3\n\nA: 1\n"), "");
    ASSERT_EQ(quillmar::fileio::writeAtomically(dir.path() / "formel_b.txt", "%tabelle formel\n%feld A text 4\n\nA: 2\n"), "");
    const TextFormResult r = readTextForm({dir.path() / "formel_b.txt", dir.path() / "formel_a.txt"});
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->describe(),
              "formel_b.txt: Die Tabelle \"formel\" wird schon in \"formel_a.txt\" mit anderen Feldern definiert.");
}

TEST(TextForm, GenerateThenExportGivesTheSameTablesAndText)
{
    TempDir dir;
    const fs::path first = dir.path() / "erste";
    ASSERT_EQ(generateTables(fixtureTexts(), first / "daten"), "");
    ASSERT_EQ(exportCollection(first, dir.path() / "text"), "");

    std::map<std::string, std::string> exported;
    for (const auto& e : fs::directory_iterator(dir.path() / "text"))
        exported[e.path().filename().string()] = *quillmar::fileio::readAll(e.path());
    ASSERT_EQ(exported.size(), 4u);
    // Files already in the written form come back unchanged.
    EXPECT_EQ(exported["umrechnu.txt"], *quillmar::fileio::readAll(fixtureDir() / "umrechnu.txt"));
    EXPECT_EQ(exported["einheiten.txt"], *quillmar::fileio::readAll(fixtureDir() / "einheiten.txt"));

    // Making the tables again from the exported text gives the same tables.
    std::vector<fs::path> texts;
    for (const auto& [name, content] : exported)
        texts.push_back(dir.path() / "text" / name);
    const fs::path second = dir.path() / "zweite";
    ASSERT_EQ(generateTables(texts, second / "daten"), "");
    for (const auto& e : fs::directory_iterator(first / "daten")) {
        Table a, b;
        ASSERT_EQ(loadTable(e.path(), a), "");
        ASSERT_EQ(loadTable(second / "daten" / e.path().filename(), b), "");
        expectSameTable(a, b);
    }
    // And exporting those gives the same text once more.
    ASSERT_EQ(exportCollection(second, dir.path() / "text2"), "");
    for (const auto& [name, content] : exported)
        EXPECT_EQ(*quillmar::fileio::readAll(dir.path() / "text2" / name), content) << name;
}

TEST(TextForm, GeneratorReportsTheBadFile)
{
    TempDir dir;
    ASSERT_EQ(quillmar::fileio::writeAtomically(dir.path() / "a.txt", "%tabelle t\n%feld N ganzzahl\n\nN: x\n"), "");
    EXPECT_EQ(generateTables({dir.path() / "a.txt"}, dir.path() / "daten"),
              "a.txt:4: \"x\" ist keine gültige ganze Zahl für das Feld \"N\".");
    EXPECT_FALSE(fs::exists(dir.path() / "daten" / "t.cds"));
    EXPECT_NE(exportCollection(dir.path() / "fehlt", dir.path() / "aus"), "");
}
