// Formula markup as plain text for the command line.
#include "formula/plain_markup.h"

#include <gtest/gtest.h>

namespace quillmar::formula {
namespace {

TEST(PlainMarkup, UnitsReadAsTheyAreWritten)
{
    struct Case {
        const char* markup;
        const char* unit;
    };
    const Case cases[] = {
        {"m/s\\u(2)", "m/s²"},
        {"\\c(W)", "Ω"},
        {"\\c(m)m", "µm"},
        {"m\\u(3)/(kg\\ms\\u(2))", "m³/(kg·s²)"},
        {"W/(m\\u(2)\\mK\\u(4))", "W/(m²·K⁴)"},
        {"g\\d(n)", "g_n"},
        {"1/s\\u(-1)", "1/s⁻¹"},
        {"\\f(m;s)", "m/s"},
        {"\\f(kg\\mm;s\\u(2))", "(kg·m)/s²"},
        {"\\r(m)", "√m"},
        {"\\q", "q"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plainUnitText(c.markup), c.unit) << c.markup;
}

TEST(PlainMarkup, SymbolsKeepTheGreekMu)
{
    EXPECT_EQ(plainText("\\c(m)\\d(0)"), "μ₀");
    EXPECT_EQ(plainText("v\\d(max)"), "v_max");
    EXPECT_EQ(plainText("\\S\\I"), "Σ∫");
    EXPECT_EQ(plainText("x\\u(n+1)"), "x^(n+1)");
}

} // namespace
} // namespace quillmar::formula
