#include "collection/table_file.h"
#include "conversion/conversion_state.h"
#include "conversion/texts.h"
#include "unit_fixture.h"

#include <gtest/gtest.h>

namespace quillmar::conversion {
namespace {

using testing::UnitFolder;

int indexOf(const ConversionState& s, const std::string& name)
{
    for (std::size_t i = 0; i < s.quantities().size(); ++i)
        if (s.quantities()[i].name == name)
            return static_cast<int>(i);
    return -1;
}

struct StateRig {
    StateRig()
    {
        folder.standard();
        EXPECT_EQ(state.loadQuantityList(folder.prefix()), "");
    }
    std::string choose(const std::string& name) { return state.chooseQuantity(indexOf(state, name)); }

    UnitFolder folder;
    ConversionState state;
};

TEST(ConversionState, LoadsTheListAndTheUnitsOfTheChosenQuantity)
{
    StateRig rig;
    ASSERT_EQ(rig.state.quantities().size(), 6u);
    EXPECT_EQ(rig.state.quantities()[0].name, "Strecke");
    EXPECT_EQ(rig.state.quantities()[0].datei, "strecke.cds");
    EXPECT_TRUE(rig.state.units().empty());  // nothing chosen yet

    ASSERT_EQ(rig.choose("Strecke"), "");
    ASSERT_EQ(rig.state.units().size(), 3u);
    EXPECT_EQ(rig.state.units()[2].name, "Kilometer");
    EXPECT_EQ(rig.state.units()[2].symbol, "km");
    EXPECT_EQ(rig.state.units()[1].factor, "0,001");
    EXPECT_EQ(rig.state.fromUnit(), 1);
    EXPECT_EQ(rig.state.toUnit(), 1);
}

struct ConversionCase {
    const char* quantity;
    int from;
    int to;
    const char* value;
    const char* pattern;
    const char* result;
    const char* markup;
};

TEST(ConversionState, ConvertsByTheDirectionRule)
{
    const ConversionCase cases[] = {
        // Right after choosing: the second unit into itself.
        {"Strecke", -2, -2, "3", "0.000", "3,000", "3 mm = 3,000 mm"},
        // First factor 1: 2 km (1000) into mm (0,001).
        {"Strecke", 2, 1, "2", "0", "2000000", "2 km = 2000000 mm"},
        {"Strecke", 2, 0, "5", "0", "5000", "5 km = 5000 m"},
        // First factor -1, second unit 100: 5 of the base are 500, 5 hundredths 0,05.
        {"Kehrwert", 0, 1, "5", "0.###", "500", "5 G = 500 H"},
        {"Kehrwert", 1, 0, "5", "0.00", "0,05", "5 H = 0,05 G"},
        // A list position of -1 (nothing chosen) counts as the second unit.
        {"Strecke", -1, 2, "1000000", "0.0", "1,0", "1000000 mm = 1,0 km"},
        {"Strecke", 0, 2, " -1,5e3 ", "0.0", "-1,5", "-1,5e3 m = -1,5 km"},
    };
    for (const auto& c : cases) {
        StateRig rig;
        ASSERT_EQ(rig.choose(c.quantity), "");
        if (c.from != -2) {
            rig.state.setFromUnit(c.from);
            rig.state.setToUnit(c.to);
        }
        const Conversion r = rig.state.convert(c.value, c.pattern);
        EXPECT_EQ(r.error, "") << c.markup;
        EXPECT_EQ(r.resultText, c.result) << c.markup;
        EXPECT_EQ(rig.state.resultText(), c.result);
        EXPECT_EQ(r.markup, c.markup);
        EXPECT_EQ(rig.state.markup(), c.markup);
    }
}

TEST(ConversionState, RefusesWhatCannotConvertAndKeepsTheLastResult)
{
    struct Bad {
        const char* quantity; // nullptr: none chosen
        int from;
        int to;
        const char* value;
        std::string error;
    };
    const Bad cases[] = {
        {nullptr, 1, 1, "1", std::string(texts::kNoQuantityChosen)},
        {"Einzeln", 1, 1, "1", "Die Umrechnungstabelle \"Einzeln\" enthält weniger als zwei Einheiten; es gibt nichts "
                               "umzurechnen."},
        {"Einzeln", 0, 0, "1", "Die Umrechnungstabelle \"Einzeln\" enthält weniger als zwei Einheiten; es gibt nichts "
                               "umzurechnen."},
        {"Schief", 0, 1, "1", "Der erste Faktor einer Umrechnungstabelle muss 1 oder -1 sein, nicht \"2\"."},
        {"Unlesbar", 1, 0, "1", "\"zwei\" ist kein gültiger Umrechnungsfaktor."},
        {"Unlesbar", 2, 0, "1", "\"\" ist kein gültiger Umrechnungsfaktor."},
        {"Strecke", 3, 0, "1", std::string(texts::kNoSuchUnit)},
        {"Strecke", 0, 1, "abc", "\"abc\" ist keine Zahl. Bitte einen Wert wie 12,5 eingeben."},
        {"Strecke", 0, 1, "", "\"\" ist keine Zahl. Bitte einen Wert wie 12,5 eingeben."},
    };
    for (const auto& c : cases) {
        StateRig rig;
        // A result from before stays when the next conversion fails.
        ASSERT_EQ(rig.choose("Strecke"), "");
        rig.state.setFromUnit(2);
        rig.state.setToUnit(0);
        ASSERT_TRUE(rig.state.convert("5", "0").ok());
        if (c.quantity) {
            if (std::string(c.quantity) != "Strecke") {
                ASSERT_EQ(rig.choose(c.quantity), "");
            }
            rig.state.setFromUnit(c.from);
            rig.state.setToUnit(c.to);
        } else {
            rig.state.chooseQuantity(-1);
        }
        const std::string before = rig.state.resultText();
        const Conversion r = rig.state.convert(c.value, "0");
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(rig.state.resultText(), before);
    }
}

TEST(ConversionState, AQuantityWithFewerUnitsLeavesNothingOfThePreviousTable)
{
    StateRig rig;
    ASSERT_EQ(rig.choose("Strecke"), "");
    ASSERT_EQ(rig.choose("Einzeln"), "");
    ASSERT_EQ(rig.state.units().size(), 1u);
    Real k = 0;
    EXPECT_NE(rig.state.factor(k), "");

    // A missing table: a message naming the file, and no units at all.
    ASSERT_EQ(rig.choose("Strecke"), "");
    const std::string error = rig.choose("Fehlt");
    EXPECT_NE(error.find("fehlt.cds"), std::string::npos) << error;
    EXPECT_TRUE(rig.state.units().empty());
    EXPECT_EQ(rig.state.chosenQuantity(), -1);
}

TEST(ConversionState, ListsAndTablesHaveNoFixedCapacity)
{
    UnitFolder folder;
    testing::UnitRows rows{{"Basis", "b", "1"}};
    for (int i = 1; i < 45; ++i)
        rows.push_back({"Einheit " + std::to_string(i), "e" + std::to_string(i), std::to_string(i + 1)});
    for (int q = 0; q < 40; ++q)
        folder.quantity("Größe " + std::to_string(q), "g" + std::to_string(q) + ".cds", q == 39 ? rows : testing::UnitRows{{"x", "x", "1"}, {"y", "y", "2"}});
    ConversionState state;
    ASSERT_EQ(state.loadQuantityList(folder.prefix()), "");
    ASSERT_EQ(state.quantities().size(), 40u);
    ASSERT_EQ(state.chooseQuantity(39), "");
    ASSERT_EQ(state.units().size(), 45u);
    state.setFromUnit(44); // factor 45
    state.setToUnit(0);
    EXPECT_EQ(state.convert("2", "0").resultText, "90");
}

TEST(ConversionState, NewTableGetsTheExtensionCdsAndIsListed)
{
    StateRig rig;
    ASSERT_EQ(rig.state.createUnitTable("Länge", "Laenge.txt", "l"), "");

    // An empty unit table with the three fields.
    collection::Table created;
    ASSERT_EQ(collection::loadTable(rig.folder.daten("Laenge.cds"), created), "");
    ASSERT_EQ(created.fieldCount(), 3u);
    EXPECT_EQ(created.fields()[0].name, "Stoff");
    EXPECT_EQ(created.fields()[1].width, 25);
    EXPECT_EQ(created.recordCount(), 0u);

    // The list on disk and on the display page has the entry.
    ASSERT_EQ(rig.state.quantities().size(), 7u);
    EXPECT_EQ(rig.state.quantities().back().name, "Länge");
    EXPECT_EQ(rig.state.quantities().back().datei, "Laenge.cds");
    ConversionState again;
    ASSERT_EQ(again.loadQuantityList(rig.folder.prefix()), "");
    ASSERT_EQ(again.quantities().size(), 7u);
    EXPECT_EQ(again.quantities().back().variable, "l");

    // Once more, also with another extension or case: the file exists.
    for (const char* name : {"Laenge.txt", "laenge", "LAENGE.cds"}) {
        EXPECT_EQ(rig.state.createUnitTable("Länge", name, "l"), "Datei existiert bereits") << name;
    }
    EXPECT_EQ(rig.state.quantities().size(), 7u);
}

TEST(ConversionState, NewTableRefusesMissingTextsAndFolders)
{
    StateRig rig;
    EXPECT_EQ(rig.state.createUnitTable(" ", "a.cds", ""), texts::kNoQuantityName);
    EXPECT_EQ(rig.state.createUnitTable("A", "", ""), texts::kNoFileName);
    for (const char* name : {"../a.cds", "sub/a.cds", "..\\a.cds", ".."})
        EXPECT_NE(rig.state.createUnitTable("A", name, "").find("keinen Ordner"), std::string::npos) << name;
    EXPECT_EQ(rig.state.quantities().size(), 6u);
    EXPECT_FALSE(std::filesystem::exists(rig.folder.prefix() / "a.cds"));
}

TEST(ConversionState, EditedUnitsAreSavedAndTheChosenQuantityReloaded)
{
    StateRig rig;
    ASSERT_EQ(rig.choose("Strecke"), "");
    rig.state.setFromUnit(2);
    rig.state.setToUnit(0);

    // The unit table follows the list's cursor.
    collection::Table& list = rig.state.quantityList();
    list.first();
    rig.state.followListCursor();
    ASSERT_TRUE(rig.state.unitTableOpen());
    collection::Table& units = rig.state.unitTable();
    ASSERT_EQ(units.recordCount(), 3u);
    units.last();
    ASSERT_EQ(units.setText("Faktor", "1609,344"), "");
    ASSERT_EQ(units.setText("Stoff", "Meile"), "");
    units.append();
    units.setText("Stoff", "Zoll");
    units.setText("Einheit", "in");
    units.setText("Faktor", "0,0254");
    ASSERT_EQ(rig.state.saveUnitTable(), "");  // posts the appended record

    // The display page sees the saved table; the chosen pair stays.
    ASSERT_EQ(rig.state.units().size(), 4u);
    EXPECT_EQ(rig.state.units()[2].name, "Meile");
    EXPECT_EQ(rig.state.fromUnit(), 2);
    EXPECT_EQ(rig.state.convert("1", "0.000").resultText, "1609,344");

    // A list record without a readable table closes the unit table, silently.
    list.setRecNo(6);
    rig.state.followListCursor();
    EXPECT_FALSE(rig.state.unitTableOpen());
    EXPECT_EQ(rig.state.unitTable().fieldCount(), 0u);
    EXPECT_EQ(rig.state.saveUnitTable(), texts::kNoUnitTableOpen);

    // Editing the list and saving it.
    list.first();
    ASSERT_EQ(list.setText("Groesse", "Weg"), "");
    ASSERT_EQ(rig.state.saveQuantityList(), "");
    EXPECT_EQ(rig.state.quantities()[0].name, "Weg");
    ConversionState again;
    ASSERT_EQ(again.loadQuantityList(rig.folder.prefix()), "");
    EXPECT_EQ(again.quantities()[0].name, "Weg");
}

TEST(ConversionState, AMissingListLeavesItEmpty)
{
    UnitFolder folder;
    ConversionState state;
    const std::string error = state.loadQuantityList(folder.prefix());
    EXPECT_NE(error.find("umrechnu.cds"), std::string::npos) << error;
    EXPECT_TRUE(state.quantities().empty());
    EXPECT_FALSE(state.unitTableOpen());
}

} // namespace
} // namespace quillmar::conversion
