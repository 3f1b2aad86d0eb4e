#include "engine/widgets/number_edit.h"
#include "engine/widgets/integer_spin_edit.h"
#include "key_helpers.h"

#include <QStyle>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quillmar::engine {
namespace {

using testing::leaveField;
using testing::pressKey;
using testing::typeText;

TEST(NumberEdit, TypingFollowsTheKeystrokeRules)
{
    NumberEdit field;
    EXPECT_EQ(field.text(), "0");
    field.clear();
    typeText(&field, "1e-");
    EXPECT_EQ(field.text(), "1e-");
    typeText(&field, "e5,x");
    EXPECT_EQ(field.text(), "1e-5"); // second e, comma in the exponent and letters refused

    field.clear();
    typeText(&field, "12.5,3");
    EXPECT_EQ(field.text(), "12,53"); // "." typed as the decimal comma, a second one refused
    pressKey(&field, Qt::Key_Backspace, "\b");
    EXPECT_EQ(field.text(), "12,5");
    EXPECT_EQ(field.value(), 12.5L);
}

TEST(NumberEdit, LeadingBlanksGoWhenTyping)
{
    NumberEdit field;
    field.setText("  5");
    field.setCursorPosition(2);
    typeText(&field, "-");
    EXPECT_EQ(field.text(), "-5");
}

TEST(NumberEdit, ReadOnlyFieldRefusesTyping)
{
    NumberEdit field;
    field.setReadOnly(true);
    typeText(&field, "7");
    pressKey(&field, Qt::Key_Backspace, "\b");
    EXPECT_EQ(field.text(), "0");
}

TEST(NumberEdit, WritingValueLimitsOnlyWithoutPattern)
{
    NumberEdit field;
    field.setValue(2e61L);
    EXPECT_EQ(field.text(), "1E60");
    EXPECT_EQ(field.value(), 1e60L);
    field.setPatternEnabled(true); // reformats the value just read: 1E60 through "000.00"
    EXPECT_EQ(field.text(), "1E60");
    field.setValue(2e61L);
    EXPECT_EQ(field.text(), "2E61"); // not limited; too long for a fixed pattern
    field.setPattern("0.00E+00");
    EXPECT_EQ(field.text(), "2,00E+61");
    field.setValue(3.14159L);
    field.setPattern("000.00");
    EXPECT_EQ(field.text(), "003,14");
}

TEST(NumberEdit, ChangingThePatternKeepsTheExactValue)
{
    NumberEdit field;
    field.setPattern("0.0");
    field.setPatternEnabled(true);
    field.setValue(1.0L / 3);
    EXPECT_EQ(field.text(), "0,3");
    field.setPattern("0.0' m'");
    EXPECT_EQ(field.text(), "0,3 m");
    field.setPattern("0.0000");
    EXPECT_EQ(field.text(), "0,3333");
    // Once the user has typed, the typed text counts.
    field.setText("2,5");
    field.setPattern("0.00");
    EXPECT_EQ(field.text(), "2,50");
    field.setText("abc");
    EXPECT_EQ(field.value(), 0);
}

TEST(IntegerSpinEdit, WritingValueAppliesTheLimits)
{
    IntegerSpinEdit field;
    EXPECT_EQ(field.text(), "0");
    field.setValue(123456); // limits 0 and 0: none
    EXPECT_EQ(field.text(), "123456");
    field.setMinValue(1);
    field.setMaxValue(5);
    field.setValue(9);
    EXPECT_EQ(field.text(), "5");
    field.setText("x");
    EXPECT_EQ(field.value(), 1);
}

TEST(IntegerSpinEdit, ButtonsAndArrowKeysStep)
{
    IntegerSpinEdit field;
    field.setMinValue(1);
    field.setMaxValue(10);
    field.setIncrement(3);
    field.setValue(2);
    pressKey(&field, Qt::Key_Up);
    EXPECT_EQ(field.value(), 5);
    field.upButton()->click();
    field.upButton()->click();
    EXPECT_EQ(field.value(), 10);
    pressKey(&field, Qt::Key_Down);
    field.downButton()->click();
    EXPECT_EQ(field.value(), 4);
    field.setReadOnly(true);
    field.upButton()->click();
    pressKey(&field, Qt::Key_Up);
    EXPECT_EQ(field.value(), 4);
}

TEST(IntegerSpinEdit, TypingAndLeaving)
{
    IntegerSpinEdit field;
    field.setMinValue(1);
    field.setMaxValue(5);
    field.clear();
    typeText(&field, "9a,e");
    EXPECT_EQ(field.text(), "9");
    leaveField(&field);
    EXPECT_EQ(field.text(), "5");
    field.clear();
    leaveField(&field);
    EXPECT_EQ(field.text(), "1"); // an empty field shows what it reads as

    field.setEditorEnabled(false);
    typeText(&field, "3");
    pressKey(&field, Qt::Key_Backspace, "\b");
    pressKey(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "1");
    field.upButton()->click(); // the buttons work regardless
    EXPECT_EQ(field.text(), "2");
}

TEST(IntegerSpinEdit, ButtonPairAndHeight)
{
    IntegerSpinEdit field;
    field.resize(120, 40);
    field.show();
    EXPECT_TRUE(field.spinEnabled());
    EXPECT_EQ(field.upButton()->width(), IntegerSpinEdit::kButtonWidth);
    EXPECT_EQ(field.upButton()->mapTo(&field, QPoint(field.upButton()->width(), 0)).x()
                  + field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field),
              field.width());
    EXPECT_GE(field.minimumHeight(), field.fontMetrics().height() + 2);
    field.resize(120, 1);
    EXPECT_GE(field.height(), field.minimumHeight());
    field.setSpinEnabled(false);
    EXPECT_FALSE(field.spinEnabled());
    EXPECT_FALSE(field.upButton()->isVisible());
}

} // namespace
} // namespace quillmar::engine
