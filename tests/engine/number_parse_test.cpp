#include "engine/number_parse.h"

#include "engine/number_format.h"

#include <gtest/gtest.h>

#include <optional>

namespace quillmar::engine {
namespace {

TEST(ParseNumber, ReadsTheProgramsNotation)
{
    const struct {
        const char* text;
        Real expected;
    } cases[] = {
        {"0", 0}, {"12,5", 12.5L}, {"-12,5", -12.5L}, {"+3", 3}, {",5", 0.5L}, {"5,", 5},
        {"1e-6", 1e-6L}, {"1E60", 1e60L}, {"-1,5e+3", -1500}, {"  7  ", 7}, {"\t7", 7},
        {"1.234,5", 1234.5L}, {"1.234.567", 1234567}, {"0,1", 0.1L},
        {"1e-5000", 0}, // below the smallest normal number
    };
    for (const auto& c : cases) {
        const std::optional<Real> value = parseNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.expected) << c.text;
    }
}

TEST(ParseNumber, RefusesWhatIsNoNumber)
{
    for (const char* text : {"", " ", "-", ",", "abc", "1e", "1e-", "1,2,3", "1.5", "12.34",
                             "1.2345", ".234", "1..234", "1 2", "12,5 m", "--1", "1e5000", "0x10", "inf", "nan"})
        EXPECT_FALSE(parseNumber(text).has_value()) << text;
}

TEST(ParseNumber, ReadsBackWhatTheFormatterWrites)
{
    for (const Real value : {1.0L / 3, -2e60L, 1234567.891L, 6.02214076e23L, -1e-300L, 9.99999999999999e14L})
        for (const char* pattern : {"", "#,##0.000", "0.0000000E-00", "#.##e+##"}) {
            const std::string text = formatNumber(pattern, value);
            EXPECT_TRUE(parseNumber(text).has_value()) << pattern << " " << text;
        }
    const Real third = 1.0L / 3;
    EXPECT_EQ(*parseNumber(formatNumber("0.00000000000000000000E+0", third)), third);
}

TEST(ParseNumber, SeparatorsAreParameters)
{
    const NumberSeparators english{'.', ','};
    EXPECT_EQ(parseNumber("1,234.5", english), 1234.5L);
    EXPECT_FALSE(parseNumber("1,5", english).has_value());
}

TEST(ParseWholeNumber, ReadsIntsOnly)
{
    EXPECT_EQ(parseWholeNumber("42"), 42);
    EXPECT_EQ(parseWholeNumber(" -7 "), -7);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    EXPECT_EQ(parseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseWholeNumber("-2147483648"), -2147483647 - 1);
    for (const char* text : {"", "-", "+-1", "1,5", "2147483648", "1e3", "12a", "++1"})
        EXPECT_FALSE(parseWholeNumber(text).has_value()) << text;
}

} // namespace
} // namespace quillmar::engine
