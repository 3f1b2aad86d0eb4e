#include "spreadsheet/dialect.h"

#include <gtest/gtest.h>

namespace quillmar::spreadsheet {
namespace {

TEST(Dialect, WritesReferencesInItsLetters)
{
    struct Case {
        Dialect dialect;
        int row, column;
        const char* absolute;
        const char* relative; // with row and column taken as offsets
    };
    const Case cases[] = {
        {Dialect::excelXP, 3, 2, "Z3S2", "Z(3)S(2)"},
        {Dialect::older, 3, 2, "R3C2", "R[3]C[2]"},
        {Dialect::excelXP, -2, 0, "Z-2S0", "Z(-2)S"},
        {Dialect::older, -2, 0, "R-2C0", "R[-2]C"},
        {Dialect::excelXP, 0, -1, "Z0S-1", "ZS(-1)"},
        {Dialect::older, 0, 0, "R0C0", "RC"},
        {Dialect::excelXP, 65536, 256, "Z65536S256", "Z(65536)S(256)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(absoluteReference(c.row, c.column, c.dialect), c.absolute);
        EXPECT_EQ(relativeReference(c.row, c.column, c.dialect), c.relative);
    }
}

TEST(Dialect, CarriesNumbersBetweenTheProgramsNotationAndTheCells)
{
    struct Case {
        Dialect dialect;
        const char* program;
        const char* cell;
    };
    // The program writes 1.234,5; Excel XP takes that as it is, the older versions
    // read 1234.5 and show 1,234.5.
    const Case toCell[] = {
        {Dialect::excelXP, "1.234,5", "1.234,5"},
        {Dialect::older, "1.234,5", "1234.5"},
        {Dialect::older, "-3,25E-4", "-3.25E-4"},
        {Dialect::older, "1.000.000", "1000000"},
        {Dialect::older, "", ""},
    };
    for (const Case& c : toCell)
        EXPECT_EQ(numberForCell(c.program, c.dialect), c.cell) << c.program;
    const Case fromCell[] = {
        {Dialect::excelXP, "1.234,5", "1.234,5"},
        {Dialect::older, "1234,5", "1,234.5"},
        {Dialect::older, "1234567,25", "1,234,567.25"},
        {Dialect::older, "-3,25E-4", "-3.25E-4"},
    };
    for (const Case& c : fromCell)
        EXPECT_EQ(numberFromCell(c.cell, c.dialect), c.program) << c.cell;
}

} // namespace
} // namespace quillmar::spreadsheet
