#include "engine/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillmar::engine {
namespace {

struct Case {
    const char* pattern;
    Real value;
    const char* expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << '"' << c.pattern << "\" " << static_cast<double>(c.value);
}

class FormatNumberTable : public ::testing::TestWithParam<Case> {};

TEST_P(FormatNumberTable, FormatsAsExpected)
{
    const Case& c = GetParam();
    EXPECT_EQ(formatNumber(c.pattern, c.value), c.expected);
}

// Fixed patterns: placeholders, rounding to the shown decimals, carries.
INSTANTIATE_TEST_SUITE_P(Fixed, FormatNumberTable, ::testing::Values(
    Case{"0.000", 2.5L, "2,500"},
    Case{"0.000", 1234567.8L, "1234567,800"},
    Case{"0.000", 9.9995L, "10,000"},        // the exact binary value lies above the half
    Case{"0.000", 9.9994L, "9,999"},
    Case{"0.000", 0.0625L, "0,063"},         // exact tie
    Case{"0.000", 0.0005L, "0,000"},         // stored as 0,000499999...
    Case{"0", 2.5L, "3"},                    // exact tie: away from zero
    Case{"0", -2.5L, "-3"},
    Case{"0", 0.5L, "1"},
    Case{"0.00", 0.125L, "0,13"},
    Case{"0.00", 1.005L, "1,00"},            // 1,005 is stored as 1,00499999...
    Case{"0", 999.5L, "1000"},
    Case{"000.00", 3.14159L, "003,14"},
    Case{"000.00", 1234.5L, "1234,50"},      // more integer digits than placeholders
    Case{"##0.######", 1.5L, "1,5"},
    Case{"##0.######", 1000000, "1000000"},
    Case{"##0.######", 0.1234567L, "0,123457"},
    Case{"#.##", 0.5L, ",5"},
    Case{"#.##", 0, "0"},                    // a number never disappears
    Case{"#", 0.4L, "0"},
    Case{"0.#0", 1.5L, "1,50"},              // "#" inside the "0" bounds always shows
    Case{"0#.#0#", 1.5L, "01,50"},
    Case{"0.000", 0, "0,000"},
    Case{"0.0", 123456789012345678.0L, "123456789012345678,0"}));

// Grouping, literals, quotes, sections, signs.
INSTANTIATE_TEST_SUITE_P(Layout, FormatNumberTable, ::testing::Values(
    Case{"#,##0.00", 1234567.891L, "1.234.567,89"},
    Case{"0.00,", 1234.5L, "1.234,50"},      // "," anywhere groups
    Case{"#,##0", 999, "999"},
    Case{"#,##0", -1000, "-1.000"},
    Case{"0,0", 1234567, "1.234.567"},
    Case{"0.0 'm/s'", 12.34L, "12,3 m/s"},
    Case{"\"x = \"0.00", -5, "x = -5,00"},   // the minus stands before the digits
    Case{"'0.0;#'0", 7, "0.0;#7"},           // nothing special between quotes
    Case{"0.0\"kg", 2, "2,0kg"},             // an unclosed quote runs to the end
    Case{"0.00.0", 1.239L, "1,239"},         // only the first point counts
    Case{"00-00", 1234, "12-34"},
    Case{"00-00", 5, "00-05"},
    Case{"0.00;(0.00)", -3.456L, "(3,46)"},  // own negative section: no minus
    Case{"0.00;(0.00);'null'", 0, "null"},
    Case{"0.00;(0.00);'null'", 3, "3,00"},
    Case{"0.00;;'null'", -3, "-3,00"},       // empty negative section falls back
    Case{"0.00;(0.00)", 0, "0,00"},          // absent zero section falls back
    Case{"0.000", -0.0001L, "0,000"},        // rounds to zero: never -0,000
    Case{"0.00;(0.00);'null'", -0.001L, "null"},
    Case{"0.00;(0.00);'null'", 0.001L, "null"},
    Case{"'Wert'", 5, "Wert"},
    Case{"0.0;-0.0;0;mehr", 1, "1,0"}));     // a fourth section is ignored

// Scientific forms: mantissa integer digits, exponent signs and digits.
INSTANTIATE_TEST_SUITE_P(Scientific, FormatNumberTable, ::testing::Values(
    Case{"0.00E-0", 0.000001L, "1,00E-6"},
    Case{"0.00E-0", 1234.5L, "1,23E3"},
    Case{"##0.#########E-00", 1234.5L, "123,45E01"},
    Case{"##0.#########E-00", 5, "500E-02"},
    Case{"0.00E+0", 1234.5L, "1,23E+3"},
    Case{"0.00e+00", 0.000123L, "1,23e-04"},
    Case{"0.0E+0000", 1.5e300L, "1,5E+0300"},
    Case{"0.0E+00000", 1.5L, "1,5E+0000"},   // at most four exponent digits
    Case{"0.0E-0", 9.96L, "1,0E1"},          // carry into the exponent
    Case{"0.000E-00", -0.5L, "-5,000E-01"},
    Case{"0.00E+00", 0, "0,00E+00"},
    Case{"0.0E-0", 1e-4000L, "1,0E-4000"},
    Case{"0.0E-0", 2.5e4000L, "2,5E4000"},
    Case{"0.0E+0;(0.0E+0)", -25, "(2,5E+1)"},
    Case{"0.0E", 2, "2,0E"},                 // E without a sign is text
    Case{"#.##e+##", 1234.5L, "1,23e+3"},
    Case{"#.##e+##", 0.5L, "5e-1"},
    Case{"#.##e+##", -42, "-4,2e+1"},
    Case{"#.##e+##", 0, "0e+0"},
    Case{"#.##e+##", 1e100L, "1e+100"},
    Case{"#,##0.0E+0", 1.5L, "1.500,0E-3"}));

// The general form, alone and as the fall-back of patterns.
INSTANTIATE_TEST_SUITE_P(General, FormatNumberTable, ::testing::Values(
    Case{"", 2e60L, "2E60"},
    Case{"", 1.0L / 3, "0,333333333333333"},
    Case{"", -1234.5L, "-1234,5"},
    Case{"", 0.00001L, "0,00001"},
    Case{"", 0.000001L, "1E-6"},
    Case{"", 123456789012345.0L, "123456789012345"},
    Case{"", 1234567890123456.0L, "1,23456789012346E15"},
    Case{"", 0.1L + 0.2L, "0,3"},
    Case{";0.0", 5, "5"},                    // empty positive section
    Case{";0.0", -5, "5,0"},
    Case{"0.000", 1e19L, "1E19"},             // more than 18 integer digits
    Case{"0.000", -1.5e25L, "-1,5E25"},
    Case{"0.000", 999999999999999999.0L, "999999999999999999,000"}));

TEST(FormatNumber, NonFiniteValuesGiveAText)
{
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    for (const char* pattern : {"0.000", "", "0.00E+00", "#.##e+##"}) {
        EXPECT_EQ(formatNumber(pattern, inf), "INF") << pattern;
        EXPECT_EQ(formatNumber(pattern, -inf), "-INF") << pattern;
        EXPECT_EQ(formatNumber(pattern, nan), "NAN") << pattern;
    }
}

TEST(FormatNumber, SeparatorsAreParameters)
{
    const NumberSeparators english{'.', ','};
    EXPECT_EQ(formatNumber("#,##0.00", 1234567.891L, english), "1,234,567.89");
    EXPECT_EQ(formatNumber("0.00E+00", 1234.5L, english), "1.23E+03");
    EXPECT_EQ(formatGeneral(-1.5e-7L, english), "-1.5E-7");
}

TEST(FormatNumber, ExtremeValuesKeepTheirDigits)
{
    const Real max = std::numeric_limits<Real>::max();
    const Real denormMin = std::numeric_limits<Real>::denorm_min();
    EXPECT_EQ(formatNumber("0.000000000000000000E+0", max), "1,189731495357231765E+4932");
    EXPECT_EQ(formatGeneral(denormMin), "3,64519953188247E-4951");
    EXPECT_EQ(formatNumber("0.000", denormMin), "0,000");
    EXPECT_EQ(formatNumber("0.000", -denormMin), "0,000");
    // Just below and above an exact tie: the digits after the rounding position
    // decide, however far out they are.
    EXPECT_EQ(formatNumber("0.00", 0.125L - std::ldexp(1.0L, -60)), "0,12");
    EXPECT_EQ(formatNumber("0.00", 0.125L + std::ldexp(1.0L, -60)), "0,13");
    EXPECT_EQ(formatNumber("0", 2.5L - std::ldexp(1.0L, -62)), "2");
    EXPECT_EQ(formatNumber("0.0E+0", 0.25L - std::ldexp(1.0L, -66)), "2,5E-1");
    EXPECT_EQ(formatNumber("0.0E+0", 0.125L - std::ldexp(1.0L, -66)), "1,2E-1");
    EXPECT_EQ(formatNumber("0.000", -0.0L), "0,000");
    // All 64 bits of the significand reach the text (a double would give ...680).
    EXPECT_EQ(formatNumber("0", 123456789012345679.0L), "123456789012345679");
}

} // namespace
} // namespace quillmar::engine
