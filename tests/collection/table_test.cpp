#include "collection/table.h"
#include "collection/table_layouts.h"
#include "collection/collection_tables.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quillmar::collection;
using namespace quillmar::collection::testing;

namespace {

// A formula-like table with the given myNr values, INHALT "r<k>" in that order.
Table numbered(const std::vector<int>& myNrs)
{
    Table t("t", {{"INHALT", FieldType::Text, 10}, {"nr", FieldType::Integer, 0}, {"myNr", FieldType::Integer, 0}},
            {"myNr"});
    for (std::size_t k = 0; k < myNrs.size(); ++k)
        t.addLoadedRecord({std::string("r") + std::to_string(k), Value{}, std::int64_t{myNrs[k]}});
    t.sortRecords();
    return t;
}

std::vector<std::string> column(const Table& t, std::size_t field)
{
    std::vector<std::string> out;
    for (const Record& r : t.records())
        out.push_back(valueText(r[field]));
    return out;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(Table, CursorMovesAndReportsItsEnds)
{
    Table t = numbered({0, 1, 2});
    EXPECT_TRUE(t.bof());
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(t.recNo(), 1u);
    t.prior();
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.asText("inhalt"), "r0");
    t.next();
    t.next();
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(t.recNo(), 3u);
    t.next(); // past the last record: eof, still on it
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.asText("INHALT"), "r2");
    EXPECT_EQ(t.moveBy(-5), -2);
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.moveBy(2), 2);
    EXPECT_FALSE(t.eof()); // reaching the last record is not yet the end
    t.first();
    EXPECT_EQ(t.moveBy(3), 2);
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.moveBy(std::numeric_limits<long>::min()), -2);
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.moveBy(std::numeric_limits<long>::max()), 2);
    EXPECT_TRUE(t.eof());

    // Reading a table from the first record until eof visits each record once.
    Strings seen;
    for (t.first(); !t.eof(); t.next())
        seen.push_back(t.asText(std::size_t{0}));
    EXPECT_EQ(seen, (Strings{"r0", "r1", "r2"}));

    Table empty("e", {{"A", FieldType::Text, 5}});
    empty.first();
    EXPECT_TRUE(empty.bof());
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recNo(), 0u);
    EXPECT_EQ(empty.asText("A"), "");
    EXPECT_EQ(empty.setText("A", "x"), "Die Tabelle enthält keinen Datensatz.");
    EXPECT_EQ(empty.moveBy(1), 0);
}

TEST(Table, LocateMatchesFieldNamesWithoutCaseAndNumbersByValue)
{
    Table t("t", {{"GEBIET", FieldType::Text, 20}, {"INHALT", FieldType::Text, 20}, {"NR", FieldType::Float, 0}});
    t.addLoadedRecord({std::string("Optik"), std::string("Linse"), 3.0});
    t.addLoadedRecord({std::string("Mechanik"), std::string("Hebel"), 7.0});
    t.addLoadedRecord({std::string("Mechanik"), std::string("Linse"), 9.0});
    t.sortRecords();

    EXPECT_TRUE(t.locate({{"gebiet", "Mechanik"}, {"Inhalt", "Linse"}}));
    EXPECT_EQ(t.recNo(), 3u);
    EXPECT_TRUE(t.locate("nr", "7"));
    EXPECT_EQ(t.recNo(), 2u);
    EXPECT_TRUE(t.locate("NR", "3,0"));
    EXPECT_EQ(t.recNo(), 1u);
    // Not found, an unknown field, another case of the value: the cursor stays.
    t.setRecNo(2);
    EXPECT_FALSE(t.locate("INHALT", "linse"));
    EXPECT_FALSE(t.locate("FARBE", "rot"));
    EXPECT_FALSE(t.locate("NR", "abc"));
    EXPECT_EQ(t.recNo(), 2u);
}

TEST(Table, EditingPostsCancelsAndKeepsTheIndexOrder)
{
    Table t = numbered({10, 20, 30});
    t.setRecNo(2);
    ASSERT_EQ(t.setText("INHALT", "neu"), "");
    EXPECT_EQ(t.state(), Table::State::Edit);
    EXPECT_EQ(t.asText("INHALT"), "neu"); // the buffer is read while editing
    t.cancel();
    EXPECT_EQ(t.asText("INHALT"), "r1");

    // A changed key moves the record, and the cursor goes with it.
    t.edit();
    t.setInteger("myNr", 35);
    t.post();
    EXPECT_EQ(column(t, 0), (Strings{"r0", "r2", "r1"}));
    EXPECT_EQ(t.asText("INHALT"), "r1");
    EXPECT_EQ(t.recNo(), 3u);

    // Moving posts a pending edit first.
    t.first();
    t.setInteger("myNr", 40);
    t.next();
    EXPECT_EQ(t.state(), Table::State::Browse);
    EXPECT_EQ(column(t, 0), (Strings{"r2", "r1", "r0"}));

    // Insert places the new record before the current one; post sorts it in.
    t.setRecNo(2);
    t.insert();
    EXPECT_EQ(t.recordCount(), 3u);
    t.setText("INHALT", "x");
    t.setInteger("myNr", 5);
    t.post();
    EXPECT_EQ(column(t, 0), (Strings{"x", "r2", "r1", "r0"}));
    EXPECT_EQ(t.recNo(), 1u);
    t.append();
    t.cancel();
    EXPECT_EQ(t.recordCount(), 4u);
    EXPECT_EQ(t.recNo(), 4u);

    // Delete: the cursor goes to the following record, or the new last one.
    t.setRecNo(2);
    t.deleteRecord();
    EXPECT_EQ(t.asText("INHALT"), "r1");
    t.last();
    t.deleteRecord();
    EXPECT_EQ(t.asText("INHALT"), "r1");
    EXPECT_EQ(t.recordCount(), 2u);
}

TEST(Table, FieldValuesAreBoundedAndChecked)
{
    Table t("t", {{"SYMBOL", FieldType::Text, 3}, {"M1", FieldType::Integer, 0}, {"NR", FieldType::Float, 0}});
    t.append();
    EXPECT_EQ(t.setText("symbol", "αβγδε"), "");
    EXPECT_EQ(t.asText("SYMBOL"), "αβγ"); // cut at three characters, not bytes
    EXPECT_EQ(t.setText("M1", "12"), "");
    EXPECT_EQ(t.setText("M1", "1,5"), "\"1,5\" ist keine gültige ganze Zahl für das Feld \"M1\".");
    EXPECT_EQ(t.setText("NR", "x"), "\"x\" ist keine gültige Zahl für das Feld \"NR\".");
    EXPECT_EQ(t.setText("QQ", "1"), "Das Feld 'QQ' wurde nicht gefunden");
    EXPECT_EQ(t.setText("NR", "57,5"), "");
    t.post();
    EXPECT_EQ(t.asInteger("M1"), 12);
    EXPECT_EQ(t.asText("NR"), "57,5");
    EXPECT_EQ(t.asInteger("SYMBOL"), std::nullopt);
    EXPECT_EQ(t.setText("M1", ""), "");
    EXPECT_TRUE(t.isEmpty("M1"));
    EXPECT_EQ(t.asInteger("M1"), std::nullopt);
}

// The editor renumbers by switching the index between myNr and nr while it
// rewrites them; this relies on the cursor and index semantics together.
TEST(Table, RenumberingThroughTheScratchIndexKeepsTheOrder)
{
    Table t = numbered({0, 2, 2, 7});
    const std::size_t nr = 1, myNr = 2;
    t.first();
    for (std::size_t i = 0; i < 4; ++i) {
        t.edit();
        t.setInteger(nr, static_cast<std::int64_t>(i));
        t.next();
    }
    ASSERT_EQ(t.setIndexFieldNames("nr"), "");
    t.first();
    for (std::size_t i = 0; i < 4; ++i) {
        t.edit();
        t.setInteger(myNr, static_cast<std::int64_t>(i));
        t.next();
    }
    ASSERT_EQ(t.setIndexFieldNames("myNr"), "");
    EXPECT_EQ(column(t, 0), (Strings{"r0", "r1", "r2", "r3"}));
    EXPECT_EQ(column(t, myNr), (Strings{"0", "1", "2", "3"}));
    EXPECT_EQ(column(t, nr), column(t, myNr));
    EXPECT_EQ(t.setIndexFieldNames("gibtsnicht"), "Das Feld 'gibtsnicht' wurde nicht gefunden");
    EXPECT_EQ(t.indexFieldNames(), "myNr");

    // Moving a record down: neighbours swap their numbers, the cursor stays on it.
    t.setRecNo(2); // r1, myNr 1
    const auto first = *t.asInteger(myNr);
    t.next();
    const auto second = *t.asInteger(myNr);
    t.edit();
    t.setInteger(myNr, first);
    t.prior();
    t.edit();
    t.setInteger(myNr, second);
    t.post();
    EXPECT_EQ(column(t, 0), (Strings{"r0", "r2", "r1", "r3"}));
    EXPECT_EQ(t.asText("INHALT"), "r1");
}

TEST(Table, ListenersFollowUnlessDisabled)
{
    Table t = numbered({0, 1});
    int calls = 0;
    const int id = t.subscribe([&] { ++calls; });
    t.next();
    EXPECT_EQ(calls, 1);
    t.disableControls();
    t.first();
    t.next();
    EXPECT_EQ(calls, 1);
    t.enableControls();
    EXPECT_EQ(calls, 2); // one report for everything while disabled

    // New content (a table loaded into this one) keeps who follows it.
    t = numbered({7, 8, 9});
    t.last();
    EXPECT_EQ(calls, 3);
    const Table copy = t;
    t.unsubscribe(id);
    t.first();
    EXPECT_EQ(calls, 3);
}

TEST(TableLayouts, UnitTableFilesIgnoreTheExtensionOfDatei)
{
    EXPECT_EQ(unitTableFile("/p", "Laenge.txt"), std::filesystem::path("/p/daten/Laenge.cds"));
    EXPECT_EQ(unitTableFile("/p", "kraft"), std::filesystem::path("/p/daten/kraft.cds"));
    EXPECT_EQ(unitTableFile("/p", "../x.cds"), std::filesystem::path("/p/daten/x.cds"));
    EXPECT_EQ(missingFormulaField(makeFormulaTable()), std::nullopt);
    EXPECT_EQ(missingQuantityField(makeQuantityTable()), std::nullopt);
}

TEST(CollectionTables, NewQuantityIsNumberedAboveTheHighestWhereverTheCursorStood)
{
    for (std::size_t start : {1u, 2u, 3u}) {
        CollectionTables d;
        for (double nr : {3.0, 57.0, 12.0}) {
            d.quantities.append();
            d.quantities.setFloat("NR", nr);
            d.quantities.post();
        }
        d.quantities.setRecNo(start);
        d.insertQuantity();
        EXPECT_EQ(d.quantities.state(), Table::State::Insert); // not posted
        EXPECT_EQ(d.quantities.asInteger("NR"), 58);
        d.quantities.post();
        d.quantities.last();
        EXPECT_EQ(d.quantities.asInteger("NR"), 58);
    }
    CollectionTables empty;
    empty.insertQuantity();
    EXPECT_EQ(empty.quantities.asInteger("NR"), 1);
}

TEST(CollectionTables, NewFormulaSortsBesideTheCurrentRecord)
{
    CollectionTables d;
    for (int i = 0; i < 10; ++i) {
        d.formulas.append();
        d.formulas.setText("INHALT", "f" + std::to_string(i));
        d.formulas.setInteger("myNr", i);
    }
    d.formulas.post();
    ASSERT_TRUE(d.formulas.locate("myNr", "5"));
    d.insertFormula();
    EXPECT_EQ(d.formulas.state(), Table::State::Browse); // posted at once
    EXPECT_EQ(d.formulas.recordCount(), 11u);
    EXPECT_EQ(d.formulas.asInteger("myNr"), 5);
    EXPECT_TRUE(d.formulas.isEmpty("INHALT"));
    d.formulas.next();
    EXPECT_EQ(d.formulas.asText("INHALT"), "f5");
    d.formulas.moveBy(-2);
    EXPECT_EQ(d.formulas.asText("INHALT"), "f4");
}

TEST(CollectionTables, QuantityNumbersEndAtTheFirstEmptyField)
{
    struct Case {
        std::vector<std::optional<int>> m; // M1..M9
        std::vector<std::int64_t> expected;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{12}, {12}},
        {{1, 2, 3, 4, std::nullopt, 6}, {1, 2, 3, 4}},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        Table t = makeFormulaTable();
        t.append();
        t.setText("INHALT", "x");
        for (std::size_t i = 0; i < c.m.size(); ++i)
            if (c.m[i])
                t.setInteger("M" + std::to_string(i + 1), *c.m[i]);
        t.post();
        EXPECT_EQ(quantityNumbers(t), c.expected);
    }
}
