#include "engine/widgets/number_format_dialog.h"
#include "key_helpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

namespace quillmar::engine {
namespace {

QStringList formTexts(const NumberFormatDialog& dialog)
{
    QStringList texts;
    for (int i = 0; i < dialog.Form->count(); ++i)
        texts << dialog.Form->item(i)->text();
    return texts;
}

TEST(NumberFormatDialog, showsTheSamplesWithTheCurrentPattern)
{
    NumberFormatDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Zahlenformat");
    EXPECT_EQ(dialog.pattern(), "0.000");
    EXPECT_EQ(dialog.FormatEdit->count(), 12);
    dialog.setPattern("0.00E-0");
    dialog.show();
    EXPECT_EQ(dialog.FormatEdit->currentText(), "0.00E-0");
    EXPECT_EQ(formTexts(dialog), QStringList({"1,24E2", "2,34E4", "1,00E-6", "4,00E-7", "-3,46E1", "1,00E6", "1,00E0"}));
    dialog.FormatEdit->setEditText("0.000");
    EXPECT_EQ(formTexts(dialog),
              QStringList({"123,787", "23434,353", "0,000", "0,000", "-34,567", "1000000,000", "1,000"}));
    dialog.FormatEdit->setCurrentIndex(dialog.FormatEdit->findText("##0.#########E-00"));
    EXPECT_EQ(dialog.Form->item(1)->text(), "234,34353453E02");
}

TEST(NumberFormatDialog, okTakesThePatternAndCancelKeepsTheOld)
{
    NumberFormatDialog dialog;
    dialog.show();
    dialog.FormatEdit->setEditText("#,##0.0");
    dialog.CancelBtn->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.pattern(), "0.000");

    dialog.show();
    EXPECT_EQ(dialog.FormatEdit->currentText(), "0.000"); // showing puts the current pattern back
    dialog.FormatEdit->setEditText("#,##0.0");
    dialog.OKBtn->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pattern(), "#,##0.0");
}

TEST(NumberFormatDialog, keyboardAndHelp)
{
    NumberFormatDialog dialog;
    std::vector<int> help;
    QObject::connect(&dialog, &NumberFormatDialog::helpRequested, [&](int context) { help.push_back(context); });
    dialog.show();
    dialog.HelpBtn->click();
    testing::pressKey(&dialog, Qt::Key_F1);
    EXPECT_EQ(help, std::vector<int>({303, 303}));
    EXPECT_TRUE(dialog.isVisible());

    dialog.FormatEdit->setEditText("0.0");
    testing::pressKey(dialog.FormatEdit->lineEdit(), Qt::Key_Return, "\r");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pattern(), "0.0");
    EXPECT_EQ(dialog.FormatEdit->count(), 12); // a typed pattern is not added to the presets

    dialog.show();
    dialog.FormatEdit->setEditText("0.00");
    testing::pressKey(dialog.FormatEdit->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.pattern(), "0.0");
}

} // namespace
} // namespace quillmar::engine
