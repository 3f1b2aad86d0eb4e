// The example line: symbols of the given quantities replaced by value and unit.
#include "formula/example_line.h"

#include <gtest/gtest.h>

namespace quillmar::formula {
namespace {

TEST(ExampleLine, ReplacesTheGivenSymbolsByValueAndUnit)
{
    struct Case {
        const char* formel;
        std::vector<ExampleGiven> givens;
        const char* expected;
    };
    const Case cases[] = {
        {"F=m*a", {{"m", "2kg"}, {"a", "3m/s\\u(2)"}}, "F=2kg*3m/s\\u(2) = 6 N"},
        {"F=m\\ma", {{"m", "2kg"}, {"a", "3m/s\\u(2)"}}, "F=2kg\\m3m/s\\u(2) = 6 N"},
        // An exponent after the symbol puts the replacement in parentheses.
        {"E=m\\mc\\u(2)", {{"m", "2kg"}, {"c", "3m/s"}}, "E=2kg\\m(3m/s)\\u(2) = 6 N"},
        // Fractions and other commands stay as they are.
        {"v=\\f(s;t)", {{"s", "100m"}, {"t", "8s"}}, "v=\\f(100m;8s) = 6 N"},
        // A symbol is not replaced inside a longer name.
        {"b=c\\mcos \\c(a)", {{"c", "5m"}, {"\\c(a)", "0rad"}}, "b=5m\\mcos 0rad = 6 N"},
        {"a=b\\m\\f(sin \\c(a);sin \\c(b))",
         {{"b", "2m"}, {"\\c(a)", "1"}, {"\\c(b)", "2"}},
         "a=2m\\m\\f(sin 1;sin 2) = 6 N"},
        // Greek letters are not Latin symbols.
        {"x=a\\m\\c(a)", {{"a", "4"}}, "x=4\\m\\c(a) = 6 N"},
        // When one symbol begins another, the earlier slot wins at that place.
        {"y=v\\d(0)+v", {{"v", "1"}, {"v\\d(0)", "2"}}, "y=1\\d(0)+1 = 6 N"},
        {"y=v\\d(0)+v", {{"v\\d(0)", "2"}, {"v", "1"}}, "y=2+1 = 6 N"},
        // A formula without "=" is all input.
        {"m", {{"m", "2"}}, "2 = 6 N"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(buildExampleLine(c.formel, c.givens, "6", "N"), c.expected) << c.formel;
}

} // namespace
} // namespace quillmar::formula
