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
    for (int i = 0; i < dialog.controls().formattedList->count(); ++i)
        texts << dialog.controls().formattedList->item(i)->text();
    return texts;
}

TEST(NumberFormatDialog, ShowsTheSamplesWithTheCurrentPattern)
{
    NumberFormatDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Zahlenformat");
    EXPECT_EQ(dialog.pattern(), "0.000");
    EXPECT_EQ(dialog.controls().patternChooser->count(), 12);
    dialog.setPattern("0.00E-0");
    dialog.show();
    EXPECT_EQ(dialog.controls().patternChooser->currentText(), "0.00E-0");
    EXPECT_EQ(formTexts(dialog), QStringList({"1,24E2", "2,34E4", "1,00E-6", "4,00E-7", "-3,46E1", "1,00E6", "1,00E0"}));
    dialog.controls().patternChooser->setEditText("0.000");
    EXPECT_EQ(formTexts(dialog),
              QStringList({"123,787", "23434,353", "0,000", "0,000", "-34,567", "1000000,000", "1,000"}));
    dialog.controls().patternChooser->setCurrentIndex(dialog.controls().patternChooser->findText("##0.#########E-00"));
    EXPECT_EQ(dialog.controls().formattedList->item(1)->text(), "234,34353453E02");
}

TEST(NumberFormatDialog, OkTakesThePatternAndCancelKeepsTheOld)
{
    NumberFormatDialog dialog;
    dialog.show();
    dialog.controls().patternChooser->setEditText("#,##0.0");
    dialog.controls().cancelButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.pattern(), "0.000");

    dialog.show();
    EXPECT_EQ(dialog.controls().patternChooser->currentText(), "0.000"); // showing puts the current pattern back
    dialog.controls().patternChooser->setEditText("#,##0.0");
    dialog.controls().okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pattern(), "#,##0.0");
}

TEST(NumberFormatDialog, KeyboardAndHelp)
{
    NumberFormatDialog dialog;
    std::vector<int> help;
    QObject::connect(&dialog, &NumberFormatDialog::helpRequested, [&](int context) { help.push_back(context); });
    dialog.show();
    dialog.controls().helpButton->click();
    testing::pressKey(&dialog, Qt::Key_F1);
    EXPECT_EQ(help, std::vector<int>({303, 303}));
    EXPECT_TRUE(dialog.isVisible());

    dialog.controls().patternChooser->setEditText("0.0");
    testing::pressKey(dialog.controls().patternChooser->lineEdit(), Qt::Key_Return, "\r");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pattern(), "0.0");
    EXPECT_EQ(dialog.controls().patternChooser->count(), 12); // a typed pattern is not added to the presets

    dialog.show();
    dialog.controls().patternChooser->setEditText("0.00");
    testing::pressKey(dialog.controls().patternChooser->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.pattern(), "0.0");
}

} // namespace
} // namespace quillmar::engine
