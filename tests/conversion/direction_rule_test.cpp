#include "conversion/direction_rule.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quillmar;
using namespace quillmar::conversion;

TEST(DirectionRule, ConvertsInBothDirections)
{
    struct Case {
        const char* first;
        const char* from;
        const char* to;
        Real value;
        Real expected;
    };
    const std::vector<Case> cases = {
        {"-1", "-1", "100", 5, 500},        // base unit into a unit with 100 per base unit
        {"-1", "100", "-1", 5, 0.05L},      // and back
        {"1", "1000", "0,001", 2, 2000000}, // km into mm
        {"1", "0,0254", "1", 10, 0.254L},   // inches into metres, exact
        {"1", "1", "0,0254", 0.254L, 10},
        {" 1 ", "4,4482216152605", "1", 1, 4.4482216152605L},
        {"1", "1,5E-3", "1", 2, 0.003L},
        {"1", "-2", "4", 3, 1.5L}, // factors count by magnitude
        {"1", "7", "7", 9, 9},     // the same unit on both sides
    };
    for (const Case& c : cases) {
        const FactorResult r = convert(c.value, c.first, c.from, c.to);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_NEAR(static_cast<double>(r.value), static_cast<double>(c.expected),
                    1e-15 * std::fabs(static_cast<double>(c.expected)))
            << c.first << " " << c.from << " " << c.to;
    }
    // 0,0254 is read in the 80-bit type: 10 in give 0,254 m to the last digit.
    EXPECT_EQ(convert(10, "1", "0,0254", "1").value, 10 * 0.0254L);
}

TEST(DirectionRule, UndefinedFactorsGiveAGermanMessage)
{
    struct Case {
        const char* first;
        const char* from;
        const char* to;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"2", "1", "1", "Der erste Faktor einer Umrechnungstabelle muss 1 oder -1 sein, nicht \"2\"."},
        {"0", "1", "1", "Der erste Faktor einer Umrechnungstabelle muss 1 oder -1 sein, nicht \"0\"."},
        {"", "1", "1", "Der erste Faktor einer Umrechnungstabelle muss 1 oder -1 sein, nicht \"\"."},
        {"1", "abc", "1", "\"abc\" ist kein gültiger Umrechnungsfaktor."},
        {"1", "1", "", "\"\" ist kein gültiger Umrechnungsfaktor."},
        {"1", "0.001", "1", "\"0.001\" ist kein gültiger Umrechnungsfaktor."}, // the decimal comma is required
        {"1", "1,2,3", "1", "\"1,2,3\" ist kein gültiger Umrechnungsfaktor."},
        {"1", "1e", "1", "\"1e\" ist kein gültiger Umrechnungsfaktor."},
        {"1", "1", "0", "Ein Umrechnungsfaktor darf nicht 0 sein."},
        {"-1", "0,0", "1", "Ein Umrechnungsfaktor darf nicht 0 sein."},
    };
    for (const Case& c : cases) {
        const FactorResult r = conversionFactor(c.first, c.from, c.to);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error, c.message);
    }
    EXPECT_EQ(parseFactor("-1"), Real{-1});
    EXPECT_EQ(parseFactor("1,0"), Real{1});
    EXPECT_FALSE(parseFactor("1e99999"));
}
