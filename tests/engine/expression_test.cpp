// Expressions in an empty store: parsing, precedence, numbers and the operations.
#include "evaluator_fixture.h"

#include "engine/number_format.h"

#include <cmath>
#include <string>

using quillmar::Real;
using quillmar::engine::testing::Evaluator;

namespace {

constexpr Real kHalfPi = 1.5707963267948966193L;

struct Case {
    const char* line;
    Real expected;
};

} // namespace

TEST_F(Evaluator, ComputesExactValues)
{
    const Case cases[] = {
        {"2^3^2=", 64}, // equal precedence from left to right, ^ included
        {"-2^2=", -4},
        {"2*(-3)=", -6},
        {"-(-3)=", 3},
        {"1+2*3-4/8=", 6.5L},
        {"10:4=", 2.5L},
        {"SIN(0)^2+4=", 4},
        {"1,5*2=", 3},
        {"1,5E3=", 1500},
        {"2E-2=", 0.02L},
        {",5+5,=", 5.5L},
        {"0,1=", 0.1L},
        {"1E-30=", 1e-30L},
        {"12345678901234567890123=", 12345678901234567890123.0L},
        {"0^0=", 1},
        {"(-2)^3=", -8},
        {"2^(-2)=", 0.25L},
        {"2^64=", 18446744073709551616.0L},
        {"3^40=", 12157665459056928801.0L}, // exact: needs all 64 bits
        {"(0,5)^1000000=", 0}, // underflow is not an error
        {"FAK(5)=", 120},
        {"FAK(1)=", 1},
        {"FAK(0)=", 1},
        {"FAK(20)=", 2432902008176640000.0L},
        {"ARCSIN(1)=", kHalfPi},
        {"ARCSIN(-1)=", -kHalfPi},
        {"ARCCOS(1)=", 0},
        {"ARCCOS(-1)=", 2 * kHalfPi},
        {"ARCCOT(0)=", kHalfPi},
        {"SGN(-7)=", -1},
        {"SGN(0)=", 0},
        {"SGN(0,001)=", 1},
        {"SQR(4)=", 16},
        {"SQRT(2,25)=", 1.5L},
        {"ABS(-2,5)=", 2.5L},
        {"LG(1000)=", 3},
        {"LN(1)=", 0},
        {"EXP(0)=", 1},
        {"sqrt(16)+abs(-1)=", 5}, // names in any case
    };
    for (const Case& c : cases) {
        const auto value = compute(c.line);
        ASSERT_TRUE(value.has_value()) << c.line;
        EXPECT_EQ(*value, c.expected) << c.line;
    }
}

TEST_F(Evaluator, ComputesTranscendentalValuesToThePrecisionOfTheType)
{
    const Case cases[] = {
        {"RAD(180)=", 3.14159265358979323846L},
        {"GRAD(ARCTAN(1))=", 45},
        {"2^0,5=", std::sqrt(2.0L)},
        {"TAN(1)*COT(1)=", 1},
        {"LN(EXP(2))=", 2},
        {"ARCSIN(0,5)=", std::asin(0.5L)},
        {"ARCCOS(0,5)=", std::acos(0.5L)},
    };
    for (const Case& c : cases) {
        const auto value = compute(c.line);
        ASSERT_TRUE(value.has_value()) << c.line;
        EXPECT_NEAR(static_cast<double>(*value - c.expected), 0.0, 1e-17) << c.line;
    }
    // SIN(1)^2 really is SIN(1) and not its square.
    EXPECT_EQ(*compute("SIN(1)^2="), std::sin(1.0L));
}

TEST_F(Evaluator, RefusesMalformedExpressionsSilently)
{
    const char* lines[] = {
        "",         "3+4",        "   ",        "=",          "3+4=5",      "2*-3=",      "+3=",
        "2X=",      "1.5*2=",     "1,2,3=",     "3 + 4=",     "1E+-3=",     "1E=",        "(1+2=",
        "1+2)=",    "()=",        "X=",         "SIN=",       "SIN1=",      "1 2=",       "2(3)=",
        "5E99999=",
    };
    for (const char* line : lines)
        refuse(line);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Evaluator, FailsUndefinedOperationsAndOverflowsSilently)
{
    const char* lines[] = {
        "1/0=",        "0^(-1)=",       "(-8)^(1/3)=",   "0^0,5=",        "SQRT(-1)=",       "LN(0)=",
        "LG(-1)=",     "ARCSIN(2)=",    "ARCCOS(-1,5)=", "COT(0)=",       "FAK(2,5)=",       "FAK(-1)=",
        "FAK(-3)=",    "FAK(2000)=",    "FAK(1E30)=",    "EXP(100000)=",  "10^5000=",        "(0,5)^(-100000)=",
        "2^(2^63)=",   "2^(-(2^63)-1)=", "1E4000*1E4000=", "-1E4932*10=",   "SQR(1E3000)=",    "GRAD(1E4932)=",
        "1E4932^1,5=",
    };
    for (const char* line : lines)
        EXPECT_FALSE(compute(line).has_value()) << line;
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Evaluator, LeavesTheFormattedValueInTheLine)
{
    std::string line = "1+1=";
    Real result = 0;
    ASSERT_TRUE(quillmar::engine::evaluateLine(store, line, result));
    EXPECT_EQ(result, 2);
    EXPECT_EQ(line, quillmar::engine::formatNumber("#.##e+##", 2));
}

TEST_F(Evaluator, EnforcesTheOperatorAndProgramLimits)
{
    const auto nested = [](int depth) {
        return std::string(depth, '(') + "1" + std::string(depth, ')') + "=";
    };
    // The whole body is one group, so 49 parentheses fill the 50 pending operators.
    EXPECT_EQ(compute(nested(49)), 1);
    EXPECT_FALSE(compute(nested(50)).has_value());

    const auto sum = [](int terms, bool negated) {
        std::string line = negated ? "-1" : "1";
        for (int i = 1; i < terms; ++i)
            line += "+1";
        return line + "=";
    };
    // n terms give 2n-1 entries, and the negation one more.
    EXPECT_EQ(compute(sum(50, true)), 48);  // 100 entries
    EXPECT_FALSE(compute(sum(51, false)).has_value()); // 101 entries
}

TEST_F(Evaluator, OverflowFailsEvenWhenLaterStepsWouldHideIt)
{
    // 1E4932*10 overflows; what follows would turn it into a finite value.
    const char* lines[] = {
        "1/(1E4932*10)=",      "(1E4932*10)*0=",   "1E4932*10-1E4932*10=", "SGN(1E4932*10)=",
        "ARCTAN(1E4932*10)=",  "2^(1E4932*10)=",   "(1E4932*10)^0=",       "EXP(-(1E4932*10))=",
        "0*(1E4932*10)+1=",    "1/(-(1E4932*10))=",
    };
    for (const char* line : lines)
        EXPECT_FALSE(compute(line).has_value()) << line;

    define("F(T)=1/T");
    define("G(T)=T*T*0+1");
    define("H(T)=2/(T*T)");
    define("K(T)=ARCTAN(T*T)");
    define("L(T)=(T*1E4932)^0");
    for (const char* line : {"F(1E4932*10)=", "G(1E3000)=", "H(1E3000)=", "K(1E3000)=", "L(10)="})
        EXPECT_FALSE(compute(line).has_value()) << line;
    EXPECT_EQ(compute("F(4)+G(2)+H(1)="), 3.25L);
}
