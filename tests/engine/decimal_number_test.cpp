// Numbers with the decimal comma convert exactly, whatever the process locale.
#include "engine/decimal_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

using quillmar::Real;

namespace {

// The correctly rounded value of a number written with a point.
Real reference(std::string text)
{
    Real value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

TEST(DecimalNumber, ConvertsToTheNearestValue)
{
    const struct {
        const char* comma;
        const char* point;
    } cases[] = {
        {"0", "0"},
        {"1,5", "1.5"},
        {"0,1", "0.1"},
        {"0,3", "0.3"},
        {",5", ".5"},
        {"5,", "5."},
        {"1,5E3", "1.5e3"},
        {"1,5E+3", "1.5e3"},
        {"2E-4", "2e-4"},
        {"123456789,123456789", "123456789.123456789"},
        {"9999999999999999999", "9999999999999999999"},
        {"18446744073709551617", "18446744073709551617"},
        {"3,14159265358979323846264338327950288", "3.14159265358979323846264338327950288"},
        {"0,000000000000000000000000000000001", "0.000000000000000000000000000000001"},
        {"1E-4000", "1e-4000"},
        {"1,18E4932", "1.18e4932"},
        {"0000,00012E2", "0.00012e2"},
    };
    for (const auto& c : cases) {
        Real value = -1;
        ASSERT_TRUE(quillmar::engine::parseDecimalComma(c.comma, value)) << c.comma;
        EXPECT_EQ(value, reference(c.point)) << c.comma;
    }
}

TEST(DecimalNumber, RefusesMalformedNumbers)
{
    for (const char* text : {"", ",", "1,2,3", "1E", "E3", "1E+", "1E+-3", "1E--3", "1.5", "1E3,5", "1,2E99999"}) {
        Real value = 7;
        EXPECT_FALSE(quillmar::engine::parseDecimalComma(text, value)) << text;
        EXPECT_EQ(value, 7) << text;
    }
}

TEST(DecimalNumber, ScansOnlyWhatBelongsToTheNumber)
{
    const struct {
        const char* text;
        std::size_t start;
        bool found;
        std::size_t end;
    } cases[] = {
        {"1,5*2", 0, true, 3},
        {"2+1,5E3)", 2, true, 7},
        {"1E-3)", 0, true, 4},
        {"1.5", 0, true, 1}, // the point ends the number
        {"X1", 0, false, 0},
        {"-1", 0, false, 0}, // never a sign in front
        {"1,2,3", 0, false, 0},
        {"2E+-3", 0, false, 0},
        {"EXP(1)", 0, false, 0},
    };
    for (const auto& c : cases) {
        std::size_t pos = c.start;
        Real value = 0;
        EXPECT_EQ(quillmar::engine::scanNumber(c.text, pos, value), c.found) << c.text;
        EXPECT_EQ(pos, c.found ? c.end : c.start) << c.text;
    }
}
