// Formulas of the built-in spreadsheet: reading both dialects, computing,
// recomputing after changes, cycles, and the A1 form stored in workbook files.
#include "spreadsheet/server/formula.h"
#include "spreadsheet/server/formula_a1.h"
#include "spreadsheet/server/sheet.h"

#include <gtest/gtest.h>

namespace quillmar::spreadsheet::server {
namespace {

std::string shown(const Sheet& sheet, CellAddress at)
{
    return displayText(sheet.value(at));
}

TEST(ServerFormula, ComputesLikeASpreadsheet)
{
    const struct {
        const char* input;
        const char* shown;
    } cases[] = {
        {"=1+2*3", "7"},
        {"=-2^2", "4"},             // the sign binds tighter than ^
        {"=2^3^2", "64"},           // ^ from left to right
        {"=0,1+0,2-0,3", "0"},      // cancellation gives exactly zero
        {"=1/3", "0,333333333333333"},
        {"=1,5e3 + 0.5", "1500,5"}, // decimal comma or point, blanks between tokens
        {"=10%", "0,1"},
        {"=WURZEL(16)+SQRT(9)", "7"},
        {"=fakultät(5)+FAKULTÄT(3)+Fact(4)", "150"},
        {"=GRAD(PI())", "180"},
        {"=DEGREES(ARCCOS(-1))", "180"},
        {"=arcsin(1)*2-ASIN(1)*2", "0"},
        {"=ARCTAN(1)*4", "3,14159265358979"},
        {"=LN(EXP(2))", "2"},
        {"=ABS(-2,5)", "2,5"},
        {"=VORZEICHEN(-3)*SIGN(2)", "-1"},
        {"=LOG10(1000)", "3"},
        {"=BOGENMASS(180)-RADIANS(180)", "0"},
        {"=1/0", "#DIV/0!"},
        {"=WURZEL(-1)", "#ZAHL!"},
        {"=ARCSIN(2)", "#ZAHL!"},
        {"=FACT(171)", "#ZAHL!"},
        {"=10^400", "#ZAHL!"},
        {"=Sqr(2)", "#NAME?"},       // not a spreadsheet function
        {"=1+Unbekannt(2)", "#NAME?"},
        {"=2*g+t2", "#NAME?"},       // names the sheet does not know
        {"=\"a\"+1", "#WERT!"},
        {"=1E+20*1", "1E+20"},
        {"12,5", "12,5"},
        {"-0.25", "-0,25"},
        {"Eingabe:", "Eingabe:"},
        {"'12", "12"},
    };
    for (const auto& c : cases) {
        Sheet sheet("Tabelle1");
        ASSERT_TRUE(sheet.setInput({1, 1}, c.input)) << c.input;
        EXPECT_EQ(shown(sheet, {1, 1}), c.shown) << c.input;
    }
}

TEST(ServerFormula, RefusesMalformedFormulasAndKeepsTheCell)
{
    for (const char* bad : {"=", "=1+", "=(1", "=1)", "=SIN(1;2)", "=PI(1)", "=Z(-1", "=abc def", "=2 3",
                            "=1,2,3", "=Z(-1)S(", "=\"offen"}) {
        Sheet sheet("Tabelle1");
        ASSERT_TRUE(sheet.setInput({2, 2}, "5"));
        EXPECT_FALSE(sheet.setInput({2, 2}, bad)) << bad;
        EXPECT_EQ(sheet.input({2, 2}), "5") << bad;
        EXPECT_EQ(shown(sheet, {2, 2}), "5") << bad;
    }
}

TEST(ServerFormula, ReferencesInBothDialectsFollowChanges)
{
    Sheet sheet("Tabelle1");
    ASSERT_TRUE(sheet.setInput({3, 2}, "2"));
    ASSERT_TRUE(sheet.setInput({5, 2}, "=Z(-2)S*0,500"));   // relative, German
    ASSERT_TRUE(sheet.setInput({5, 3}, "=R[-2]C[-1]*0.5")); // relative, English
    ASSERT_TRUE(sheet.setInput({6, 2}, "=Z3S2+R3C2+ZS(1)"));// absolute both, same row
    ASSERT_TRUE(sheet.setInput({6, 3}, "1"));
    ASSERT_TRUE(sheet.setInput({7, 2}, "=Z(-1)S+Z(-2)S"));  // depends on other formulas
    EXPECT_EQ(shown(sheet, {5, 2}), "1");
    EXPECT_EQ(shown(sheet, {5, 3}), "1");
    EXPECT_EQ(shown(sheet, {6, 2}), "5");
    EXPECT_EQ(shown(sheet, {7, 2}), "6");

    ASSERT_TRUE(sheet.setInput({3, 2}, "10"));
    EXPECT_EQ(shown(sheet, {5, 2}), "5");
    EXPECT_EQ(shown(sheet, {6, 2}), "21");
    EXPECT_EQ(shown(sheet, {7, 2}), "26");

    ASSERT_TRUE(sheet.setInput({3, 2}, ""));  // an empty cell counts 0
    EXPECT_EQ(shown(sheet, {7, 2}), "1");
    ASSERT_TRUE(sheet.setInput({3, 2}, "Text"));
    EXPECT_EQ(shown(sheet, {7, 2}), "#WERT!");

    ASSERT_TRUE(sheet.setInput({1, 1}, "=Z(-1)S"));  // above row 1
    EXPECT_EQ(shown(sheet, {1, 1}), "#BEZUG!");
}

TEST(ServerFormula, CyclesGiveAnErrorAndHealWhenBroken)
{
    Sheet sheet("Tabelle1");
    ASSERT_TRUE(sheet.setInput({1, 1}, "=Z(1)S+1"));
    ASSERT_TRUE(sheet.setInput({2, 1}, "=Z(-1)S*2"));
    ASSERT_TRUE(sheet.setInput({3, 1}, "=Z(-1)S"));  // depends on the cycle
    ASSERT_TRUE(sheet.setInput({4, 1}, "=ZS"));      // refers to itself
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(shown(sheet, {row, 1}), "#ZIRKELBEZUG!") << row;

    ASSERT_TRUE(sheet.setInput({2, 1}, "4"));
    EXPECT_EQ(shown(sheet, {1, 1}), "5");
    EXPECT_EQ(shown(sheet, {3, 1}), "4");
}

TEST(ServerFormula, LongChainsInEitherDirection)
{
    // Each cell refers to the one below it, the last holds the start value: the
    // walk must not recurse once per cell.
    Sheet sheet("Tabelle1");
    constexpr int n = 20000;
    for (int row = 1; row < n; ++row)
        ASSERT_TRUE(sheet.setInput({row, 1}, "=Z(1)S+1"));
    ASSERT_TRUE(sheet.setInput({n, 1}, "1"));
    EXPECT_EQ(shown(sheet, {1, 1}), std::to_string(n));
}

TEST(ServerFormula, StoresFormulasInA1Notation)
{
    const struct {
        CellAddress at;
        const char* formula;
        const char* a1;
    } cases[] = {
        {{6, 2}, "Z(-3)S(0)/Z(-2)S(0)", "B3/B4"},
        {{5, 3}, "R[-2]C[-1]*0.500", "B3*0.5"},
        {{5, 2}, "Z(-2)S*0,001", "B3*0.001"},
        {{2, 2}, "Z1S1+R1C[1]+Z(1)S2", "$A$1+C$1+$B3"},
        {{1, 1}, "WURZEL(2)*Fakultät(3)+arccos(0)-GRAD(1)", "SQRT(2)*FACT(3)+ACOS(0)-DEGREES(1)"},
        {{1, 1}, "COT(1)+ARCCOT(1)+-(2)^2%", "_xlfn.COT(1)+_xlfn.ACOT(1)+-(2)^2%"},
        {{1, 1}, "Sqr(2)", "SQR(2)"},
        {{3, 3}, "Z(-1)S*t2", "C2*#NAME?"},
        {{1, 1}, "\"sagt \"\"ja\"\"\"", "\"sagt \"\"ja\"\"\""},
        {{1, 1}, "1E-300*0,1", "1E-300*0.1"},
        {{1, 1}, "Z(-1)S", "#REF!"},
    };
    for (const auto& c : cases) {
        const FormulaTree tree = parseFormula(c.formula);
        ASSERT_TRUE(tree) << c.formula;
        EXPECT_EQ(formulaToA1(*tree, c.at), c.a1) << c.formula;
    }
}

} // namespace
} // namespace quillmar::spreadsheet::server
