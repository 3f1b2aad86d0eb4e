#include "engine/field_values.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillmar::engine {
namespace {

TEST(NumberEditValues, WritingLimitsOnlyWithoutPattern)
{
    NumberEditSettings settings;
    EXPECT_EQ(numberEditText(2e61L, settings), "1E60");
    EXPECT_EQ(numberEditText(-2e61L, settings), "-1E60");
    EXPECT_EQ(numberEditText(1.0L / 3, settings), "0,333333333333333");
    settings.minValue = 5;
    settings.maxValue = 5; // max <= min: no limits
    EXPECT_EQ(numberEditText(2e61L, settings), "2E61");
    settings.patternEnabled = true;
    settings.minValue = 0;
    settings.maxValue = 1;
    EXPECT_EQ(numberEditText(3.14159L, settings), "003,14");
    EXPECT_EQ(numberEditText(2e61L, settings), "2E61"); // more than 18 integer digits
}

TEST(NumberEditValues, ReadingGivesZeroForNonNumbers)
{
    EXPECT_EQ(readNumberEditValue("12,5"), 12.5L);
    EXPECT_EQ(readNumberEditValue("1E60"), 1e60L);
    EXPECT_EQ(readNumberEditValue("1e-"), 0);
    EXPECT_EQ(readNumberEditValue("abc"), 0);
}

TEST(IntegerSpinEditValues, LimitsAndSteps)
{
    EXPECT_EQ(limitIntegerSpinValue(9, 1, 5), 5);
    EXPECT_EQ(limitIntegerSpinValue(-3, 1, 5), 1);
    EXPECT_EQ(limitIntegerSpinValue(123456, 0, 0), 123456);  // equal limits: none
    EXPECT_EQ(limitIntegerSpinValue(3, 7, 7), 3);
    EXPECT_EQ(stepIntegerSpinValue(5, 1, true, 1, 5), 5);
    EXPECT_EQ(stepIntegerSpinValue(5, 2, false, 1, 5), 3);
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    EXPECT_EQ(stepIntegerSpinValue(max, 1, true, 0, 0), max);  // no overflow
    EXPECT_EQ(stepIntegerSpinValue(min, 10, false, 0, 0), min);
    EXPECT_EQ(stepIntegerSpinValue(0, min, false, 0, 0), max);
}

TEST(IntegerSpinEditValues, ReadingAndLeaving)
{
    EXPECT_EQ(readIntegerSpinValue("42", 1), 42);
    EXPECT_EQ(readIntegerSpinValue("4,2", 1), 1);
    EXPECT_EQ(readIntegerSpinValue("", -3), -3);
    EXPECT_EQ(integerSpinValueOnLeave("3", 1, 5), std::nullopt);
    EXPECT_EQ(integerSpinValueOnLeave("9", 1, 5), 5);
    EXPECT_EQ(integerSpinValueOnLeave("999999", 0, 0), std::nullopt);
    EXPECT_EQ(integerSpinValueOnLeave("", 1, 5), 1);    // an empty field shows what it reads as
    EXPECT_EQ(integerSpinValueOnLeave("-", 0, 0), 0);
}

TEST(IntegerSpinEditValues, MinimumHeight)
{
    EXPECT_EQ(integerSpinMinimumHeight(1, 16, 16), 4 + 16 + 4 + 2);
    EXPECT_EQ(integerSpinMinimumHeight(2, 20, 13), 8 + 20 + 3 + 2);
}

} // namespace
} // namespace quillmar::engine
