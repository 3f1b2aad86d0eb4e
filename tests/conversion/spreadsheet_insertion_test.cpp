#include "conversion/unit_fixture.h"
#include "conversion/spreadsheet_insertion.h"
#include "doubles/link_fakes.h"

#include <gtest/gtest.h>

namespace quillmar::conversion {
namespace {

using namespace quillmar::spreadsheet;
using spreadsheet::testing::errorOf;
using spreadsheet::testing::ManualTimer;
using Log = std::vector<std::string>;

// The conversion page over a running Excel on a fake transport, with the small
// unit tables of the conversion tests.
struct InsertRig {
    InsertRig()
        : link(
              [this] {
                  auto transport = std::make_unique<FakeTransport>();
                  transport->serverRunning = true;
                  transport->answer("Status", "Ready");
                  transport->sheetTopics = {"[Mappe1]Tabelle1"};
                  fake = transport.get();
                  ConversationServices services;
                  services.registry = std::make_shared<NoRegistry>();
                  return std::make_unique<Conversation>(std::move(transport), services);
              },
              timer, messages)
    {
        folder.standard();
        EXPECT_EQ(state.loadQuantityList(folder.prefix()), "");
        EXPECT_EQ(state.chooseQuantity(0), ""); // Strecke: m 1, mm 0,001, km 1000
    }

    std::string insert(const std::string& value)
    {
        return insertIntoSpreadsheet(link, state, value, options, dialect, folder.prefix());
    }
    // The commands after the connection, FORMULA commands only.
    Log cells() const
    {
        Log out;
        for (const auto& c : fake->executed)
            if (c.rfind("[FORMULA(", 0) == 0)
                out.push_back(c);
        return out;
    }
    std::string macroBook() const { return (folder.prefix() / "daten" / "makro.xls").string(); }

    conversion::testing::UnitFolder folder;
    conversion::ConversionState state;
    settings::Options options;
    Dialect dialect = Dialect::excelXP;
    FakeTransport* fake = nullptr;
    ManualTimer timer;
    RecordingMessages messages;
    Link link;
};

TEST(ConversionInsertion, WithoutUnitsChosenWritesTheFormattedBlockFromSecondToSecondUnit)
{
    InsertRig rig;
    rig.state.setFromUnit(-1);
    rig.state.setToUnit(-1);

    ASSERT_EQ(rig.insert("12,5"), "");

    EXPECT_EQ(rig.fake->executed,
              (Log{"[New(1)]", "[OPEN(\"" + rig.macroBook() + "\")]", "[HIDE()]", "[RUN(\"makro.xls!neueseite\";FALSE)]",
                   "[FORMULA(\"Eingabe:\",\"Z2S2\")]", "[FORMULA(\"Millimeter->Millimeter\",\"Z1S1\")]",
                   "[FORMULA(\"Millimeter\",\"Z3S1\")]", "[FORMULA(\"mm\",\"Z3S3\")]",
                   "[FORMULA(\"Millimeter\",\"Z5S1\")]", "[FORMULA(\"mm\",\"Z5S3\")]",
                   "[FORMULA(\"Ergebnis:\",\"Z4S2\")]", "[FORMULA(\"12,5\",\"Z3S2\")]",
                   "[FORMULA(\"=Z(-2)S*1,000\",\"Z5S2\")]", "[SELECT(\"Z3S2:Z3S2\")]",
                   "[RUN(\"makro.xls!eingabe\";FALSE)]", "[APP.RESTORE()]"}));
}

TEST(ConversionInsertion, FactorInBothDialectsAndPatterns)
{
    struct Case {
        int from, to;
        Dialect dialect;
        const char* pattern;
        const char* value;
        const char* valueCell;
        const char* formula;
    };
    const Case cases[] = {
        {2, 0, Dialect::excelXP, "0.000", "2,5", "2,5", "=Z(-2)S*1000,000"},
        {2, 0, Dialect::older, "0.000", "2,5", "2.5", "=R[-2]C*1000.000"},
        {0, 2, Dialect::excelXP, "0.0000", "1", "1", "=Z(-2)S*0,0010"},
        // The pattern would round the factor to zero, and the formula would always
        // give 0: the factor is written with all its digits instead.
        {1, 2, Dialect::excelXP, "0.000", "1", "1", "=Z(-2)S*1E-6"},
        {1, 2, Dialect::older, "0.000", "1", "1", "=R[-2]C*1E-6"},
        // No thousands separators inside a formula.
        {2, 1, Dialect::excelXP, "#,##0.0", "1.234,5", "1.234,5", "=Z(-2)S*1000000,0"},
        {2, 1, Dialect::older, "#,##0.0", "1.234,5", "1234.5", "=R[-2]C*1000000.0"},
    };
    for (const auto& c : cases) {
        InsertRig rig;
        rig.dialect = c.dialect;
        rig.options.conversionContent = 1;
        rig.options.factorPattern = c.pattern;
        rig.state.setFromUnit(c.from);
        rig.state.setToUnit(c.to);
        ASSERT_EQ(rig.insert(c.value), "") << c.formula;
        const char row = c.dialect == Dialect::excelXP ? 'Z' : 'R';
        const char col = c.dialect == Dialect::excelXP ? 'S' : 'C';
        const std::string r3 = std::string(1, row) + "3" + col + "2";
        const std::string r5 = std::string(1, row) + "5" + col + "2";
        EXPECT_EQ(rig.cells(), (Log{"[FORMULA(\"" + std::string(c.valueCell) + "\",\"" + r3 + "\")]",
                                    "[FORMULA(\"" + std::string(c.formula) + "\",\"" + r5 + "\")]"}));
    }
}

TEST(ConversionInsertion, AFactorThePatternWouldRoundKeepsItsDigits)
{
    // km/h into m/s: 0,278 would make 90 km/h 25,02 m/s in the spreadsheet.
    EXPECT_EQ(factorText(1 / 3.6L, "0.000", Dialect::excelXP), "0,277777777777778");
    EXPECT_EQ(factorText(1 / 3.6L, "0.000", Dialect::older), "0.277777777777778");
    EXPECT_EQ(factorText(0.5L, "0.000", Dialect::excelXP), "0,500");
    EXPECT_EQ(factorText(1000000, "0.000", Dialect::older), "1000000.000");
    EXPECT_EQ(factorText(2.54L, "0.0E-0", Dialect::excelXP), "2,54");
}

TEST(ConversionInsertion, OnlyConversionIntoNewWorkbookWritesValueAndFormula)
{
    InsertRig rig;
    rig.options.conversionContent = 1;
    rig.state.setFromUnit(2);
    rig.state.setToUnit(0);
    ASSERT_EQ(rig.insert("3"), "");
    EXPECT_EQ(rig.fake->executed, (Log{"[New(1)]", "[FORMULA(\"3\",\"Z3S2\")]", "[FORMULA(\"=Z(-2)S*1000,000\",\"Z5S2\")]",
                                       "[APP.RESTORE()]"}));
}

TEST(ConversionInsertion, TargetsNewSheetAndCurrentSheet)
{
    InsertRig rig;
    rig.options.conversionContent = 1;
    rig.options.conversionTarget = 1;
    ASSERT_EQ(rig.insert("1"), "");
    EXPECT_EQ(rig.fake->executed.front(), "[WORKBOOK.INSERT(1)]");

    rig.fake->executed.clear();
    rig.options.conversionTarget = 2;
    rig.fake->answer("SELECTION", "[Mappe1]Tabelle1!Z12S3:Z14S5");
    ASSERT_EQ(rig.insert("1"), "");
    EXPECT_EQ(rig.cells(), (Log{"[FORMULA(\"1\",\"Z14S4\")]", "[FORMULA(\"=Z(-2)S*1,000\",\"Z16S4\")]"}));
}

TEST(ConversionInsertion, ReplacingTheSelectedValue)
{
    for (const bool formatted : {false, true}) {
        InsertRig rig;
        rig.options.conversionTarget = 3;
        rig.options.conversionContent = formatted ? 0 : 1;
        rig.state.setFromUnit(2);
        rig.state.setToUnit(0);
        ASSERT_TRUE(rig.state.convert("2,5", "0.0").ok());
        rig.fake->answer("SELECTION", "[Mappe1]Tabelle1!Z7S4");
        ASSERT_EQ(rig.insert("2,5"), "");
        const Log cells = rig.cells();
        ASSERT_FALSE(cells.empty());
        // D7 gets the converted value first; the block starts there.
        EXPECT_EQ(cells.front(), "[FORMULA(\"2500,0\",\"Z7S4\")]");
        if (formatted) {
            EXPECT_EQ(cells[2], "[FORMULA(\"Kilometer->Meter\",\"Z7S4\")]");
        } else {
            EXPECT_EQ(cells, (Log{"[FORMULA(\"2500,0\",\"Z7S4\")]", "[FORMULA(\"2,5\",\"Z9S5\")]",
                                  "[FORMULA(\"=Z(-2)S*1000,000\",\"Z11S5\")]"}));
        }
    }
    InsertRig rig;
    rig.dialect = Dialect::older;
    rig.options.conversionTarget = 3;
    rig.options.conversionContent = 1;
    rig.state.setFromUnit(2);
    rig.state.setToUnit(0);
    ASSERT_TRUE(rig.state.convert("2,5", "#,##0.0").ok());
    rig.fake->answer("SELECTION", "[Mappe1]Tabelle1!Z7S4"); // Excel always answers in Z and S
    ASSERT_EQ(rig.insert("2,5"), "");
    EXPECT_EQ(rig.cells().front(), "[FORMULA(\"2500.0\",\"R7C4\")]");
}

TEST(ConversionInsertion, BadInputIsRefusedBeforeExcelIsAddressed)
{
    struct Case {
        const char* quantity;
        int from, to;
        const char* value;
        const char* errorPart;
    };
    const Case cases[] = {
        {"Strecke", 0, 1, "zwölf", "keine Zahl"},
        {"Strecke", 0, 1, "", "keine Zahl"},
        {"Strecke", 0, 5, "1", "Einheiten wählen"},
        {"Schief", 0, 1, "1", "erste Faktor"},
        {"Unlesbar", 1, 0, "1", "kein gültiger Umrechnungsfaktor"},
        {"Einzeln", 0, 0, "1", "weniger als zwei Einheiten"},
        {"Fehlt", 0, 0, "1", "Bitte zuerst eine Größe"},
    };
    for (const auto& c : cases) {
        InsertRig rig;
        for (std::size_t i = 0; i < rig.state.quantities().size(); ++i)
            if (rig.state.quantities()[i].name == c.quantity)
                rig.state.chooseQuantity(static_cast<int>(i));
        rig.state.setFromUnit(c.from);
        rig.state.setToUnit(c.to);
        const std::string error = rig.insert(c.value);
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.quantity << ": " << error;
        EXPECT_TRUE(rig.fake->log.empty()) << c.quantity;
    }
}

TEST(ConversionInsertion, ValueFromExcel)
{
    struct Case {
        Dialect dialect;
        const char* cell;
        const char* text;
        const char* errorPart;
    };
    const Case cases[] = {
        {Dialect::excelXP, "12,5\r\n", "12,5", ""},
        {Dialect::excelXP, "-3,25E-4", "-3,25E-4", ""},
        {Dialect::excelXP, "1.234,5\r\n", "1.234,5", ""},
        {Dialect::older, "1,234.5\r\n", "1234,5", ""},
        {Dialect::excelXP, "\r\n", "", "leer"},
        {Dialect::excelXP, "Länge\r\n", "", "keine Zahl, sondern \"Länge\""},
    };
    for (const auto& c : cases) {
        InsertRig rig;
        rig.link.prepare();
        rig.fake->answer("SELECTION", "[Mappe1]Tabelle1!Z7S4");
        rig.fake->answer("Selection", "[Mappe1]Tabelle1!Z7S4");
        rig.fake->answer("Z7S4", c.cell, "[Mappe1]Tabelle1");
        const TakenValue taken = readValueFromSpreadsheet(rig.link, c.dialect);
        EXPECT_EQ(taken.text, c.text) << c.cell;
        if (*c.errorPart)
            EXPECT_NE(taken.error.find(c.errorPart), std::string::npos) << taken.error;
        else
            EXPECT_EQ(taken.error, "");
    }
}

TEST(ConversionInsertion, ValueFromExcelWithoutConversationFailsWithTheLinkMessage)
{
    InsertRig rig;
    const std::string error = errorOf([&] { readValueFromSpreadsheet(rig.link, Dialect::excelXP); });
    EXPECT_NE(error.find("Excel antwortet nicht"), std::string::npos) << error;
    EXPECT_TRUE(rig.fake->executed.empty());
}

} // namespace
} // namespace quillmar::conversion
