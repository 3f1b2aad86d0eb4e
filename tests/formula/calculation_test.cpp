// Computing a formula with and without chosen units, the program written for a
// calculation window, switching re-arrangements with the values kept, and
// choosing units.
#include "formula/formula_window_state.h"
#include "formula_fixture.h"

#include <gtest/gtest.h>

namespace quillmar::formula {
namespace {

using testing::FormulaWindowCore;
using Lines = std::vector<std::string>;

TEST_F(FormulaWindowCore, ComputesTheResultAndWritesTheProgram)
{
    const auto w = grundgesetz();
    w->setFieldText(2, "2");
    w->setFieldText(3, "3");
    const CalculationOutcome outcome = w->calculateIntoCalcWindow();
    EXPECT_TRUE(outcome.computed);
    EXPECT_TRUE(outcome.calcWindowRequested);
    EXPECT_EQ(w->resultText(), "6,000");
    EXPECT_EQ(w->slot(1).value, "6,000");
    EXPECT_EQ(outcome.calcWindowLines,
              (Lines{";M = Masse - Kilogramm", "M=2", ";A = Beschleunigung - Meter je Quadratsekunde", "A=3",
                     ";F = Kraft - Newton", "F=M*A", "F=", "6,000"}));
    // The example page now has a result.
    EXPECT_TRUE(w->commands().examplePage);
    EXPECT_TRUE(w->pages().exampleTabVisible);
    EXPECT_EQ(w->pages().exampleMarkup, "F=2kg\\m3m/s\\u(2) = 6,000 N");
    EXPECT_EQ(w->pages().slotControls[0].exampleListLine, "Kraft F N");
    EXPECT_EQ(w->pages().slotControls[1].exampleListLine, "Masse m = 2kg");
    EXPECT_TRUE(w->pages().slotControls[2].exampleListLineVisible);
    EXPECT_FALSE(w->pages().slotControls[3].exampleListLineVisible);
    // What the formula defined stays in the shared store.
    EXPECT_NE(store_.find("M"), nullptr);

    w->setNumberFormat("0.0");
    EXPECT_FALSE(w->calculate().calcWindowRequested);
    EXPECT_EQ(w->resultText(), "6,0");
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(FormulaWindowCore, ChosenUnitsConvertIntoAndOutOfTheBaseUnit)
{
    const auto w = grundgesetz();
    w->chooseUnit(2, 1); // Gramm, factor 0,001, table direction 1
    w->chooseUnit(1, 1); // Kilonewton, factor 1000
    w->setFieldText(2, "2000");
    w->setFieldText(3, "3");
    const CalculationOutcome outcome = w->calculateIntoCalcWindow();
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(w->resultText(), "0,006");
    EXPECT_EQ(outcome.calcWindowLines,
              (Lines{";M1 = Masse - Gramm", "M1=2000", ";M = Masse - Kilogramm", "M=M1*0,001",
                     ";A = Beschleunigung - Meter je Quadratsekunde", "A=3", ";F = Kraft - Newton", "F=M*A",
                     "F1=F/1000", ";F1= Kraft - Kilonewton", "F1=", "0,006"}));
    EXPECT_EQ(w->pages().exampleMarkup, "F=2000g\\m3m/s\\u(2) = 0,006 kN");
}

TEST_F(FormulaWindowCore, TableWithFirstFactorMinusOneDivides)
{
    const auto w = showing("Trigonometrie", "Dreieck", "Kosinus");
    ASSERT_EQ(w->slot(2).direction, "-1");
    w->chooseUnit(2, 0); // the base unit itself: factor -1 is stored as 1
    EXPECT_EQ(w->slot(2).factor, "1");
    EXPECT_EQ(w->pages().slotControls[1].unitLabel, "m"); // the base unit chosen: base unit shown
    w->chooseUnit(2, 1);                                  // Zentimeter, 100 per metre
    w->chooseUnit(1, 1);
    EXPECT_EQ(w->pages().slotControls[1].unitLabel, "cm");
    EXPECT_EQ(w->pages().slotControls[1].unitChooserText, "Zentimeter");
    EXPECT_EQ(w->pages().slotControls[1].unitChoiceIndex, 1);
    w->setFieldText(2, "200");
    w->setFieldText(3, "0");
    const CalculationOutcome outcome = w->calculateIntoCalcWindow();
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(w->resultText(), "200,000");
    EXPECT_EQ(outcome.calcWindowLines[3], "HYP=HYP1/100");
    EXPECT_EQ(outcome.calcWindowLines[8], "B1=B*100");
}

TEST_F(FormulaWindowCore, FormulaWithOnlyTheResultQueriesItDirectly)
{
    const auto w = showing("Trigonometrie", "Dreieck", "Konstante");
    const CalculationOutcome outcome = w->calculateIntoCalcWindow();
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(outcome.calcWindowLines,
              (Lines{";C = Lichtgeschwindigkeit - Meter je Sekunde", "C=299792458", "C=", "299792458,000"}));
}

TEST_F(FormulaWindowCore, FailedCalculationStopsWithItsMessageAndAnEmptyResult)
{
    struct Case {
        const char* m;
        const char* a;
        const char* message;
        std::size_t linesWritten;
    };
    const Case cases[] = {
        {"", "3", "Bitte Werte eingeben!", 0},
        {"2", "", "Bitte Werte eingeben!", 2},
        {"2.5", "3", "Fehlerhafte Eingabe", 0}, // the evaluator reads the decimal comma only
        {"2", "3)", "Fehlerhafte Eingabe", 2},
    };
    for (const Case& c : cases) {
        messages_.shown.clear();
        const auto w = grundgesetz();
        w->setFieldText(1, "alt");
        w->setFieldText(2, c.m);
        w->setFieldText(3, c.a);
        const CalculationOutcome outcome = w->calculateIntoCalcWindow();
        EXPECT_FALSE(outcome.computed) << c.m << " " << c.a;
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(messages_.shown, (Lines{c.message}));
        EXPECT_EQ(w->resultText(), "");
        EXPECT_EQ(outcome.calcWindowLines.size(), c.linesWritten);
        EXPECT_EQ(w->pages().exampleMarkup, "Es wurde bei der Rechung kein Ergebnis berechnet");
    }
}

TEST_F(FormulaWindowCore, RearrangingKeepsValuesAndUnitsBySymbol)
{
    const auto w = grundgesetz();
    w->chooseUnit(2, 1); // m in Gramm
    w->setFieldText(2, "2000");
    w->setFieldText(3, "3");
    ASSERT_TRUE(w->calculate().computed);

    w->nextRearrangement(); // m=F/a
    EXPECT_EQ(w->rearrangementNumber(), 1);
    EXPECT_EQ(w->pages().highlightedRearrangement, 1);
    EXPECT_EQ(w->loadedFormula(), "m=\\f(F;a)");
    EXPECT_EQ(w->slot(1).variable, "M");
    EXPECT_EQ(w->pages().slotControls[1].valueText, "6,000"); // the former result is given now
    EXPECT_EQ(w->pages().slotControls[2].valueText, "3");
    EXPECT_EQ(w->pages().slotControls[0].valueText, "2000"); // m's value until the next calculation
    EXPECT_EQ(w->pages().slotControls[0].unitLabel, "g");
    EXPECT_EQ(w->slot(1).factor, "0,001");
    ASSERT_TRUE(w->calculate().computed);
    EXPECT_EQ(w->resultText(), "2000,000");

    w->chooseRearrangement(2); // a=F/m
    EXPECT_EQ(w->slot(1).variable, "A");
    w->chooseRearrangement(7); // no such re-arrangement: nothing happens
    EXPECT_EQ(w->rearrangementNumber(), 2);
    w->nextRearrangement(); // after the last the first
    EXPECT_EQ(w->rearrangementNumber(), 0);
    EXPECT_EQ(w->loadedFormula(), "F=m\\ma");
}

TEST_F(FormulaWindowCore, RearrangingAFormulaWithOneFormStaysOnIt)
{
    const auto w = showing("Mechanik", "Dynamik", "Energie");
    w->nextRearrangement();
    EXPECT_EQ(w->rearrangementNumber(), 0);
    EXPECT_EQ(w->loadedFormula(), "E=m\\mc\\u(2)");
}

TEST_F(FormulaWindowCore, ChoosingAUnitKeepsTypedValuesAndReadsThemInTheNewUnit)
{
    const auto w = grundgesetz();
    w->setFieldText(2, "5");
    w->chooseUnit(2, 2); // Tonne
    EXPECT_EQ(w->pages().slotControls[1].valueText, "5");
    EXPECT_EQ(w->slot(2).chosenUnit, "t");
    EXPECT_EQ(w->slot(2).factor, "1000");
    w->chooseUnit(3, 0); // no unit table: nothing happens
    w->chooseUnit(2, 9); // no such entry: nothing happens
    EXPECT_EQ(w->slot(2).chosenUnit, "t");
    EXPECT_EQ(w->slot(3).chosenUnit, "");
}

} // namespace
} // namespace quillmar::formula
