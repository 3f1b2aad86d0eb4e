// The conversion window docked into a real main window, driven offscreen.
#include "app/app_fixture.h"
#include "app/main_window.h"
#include "collection/collection_tables.h"
#include "conversion/texts.h"
#include "conversion/unit_fixture.h"
#include "conversion/widgets/new_unit_table_dialog.h"
#include "conversion/widgets/table_model.h"
#include "conversion/widgets/conversion_page.h"
#include "engine/widgets/number_edit.h"
#include "engine/widgets/number_format_dialog.h"
#include "doubles/fake_transport.h"
#include "typeset/widgets/formula_label.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

namespace quillmar::conversion {
namespace {

using app::testing::whenModal;

class ConversionWindow : public ::testing::Test {
protected:
    ConversionWindow()
    {
        folder.standard();
        form = std::make_unique<app::MainWindow>(folder.prefix(), messages, data, [this] {
            auto transport = std::make_unique<spreadsheet::FakeTransport>();
            transport->serverRunning = true;
            transport->answer("Status", "Ready");
            fake = transport.get();
            spreadsheet::ConversationServices services;
            services.registry = std::make_shared<spreadsheet::NoRegistry>();
            return std::make_unique<spreadsheet::Conversation>(std::move(transport), services);
        });
        form->createNumberFormatDialog();
        form->createOptionsDialogs();
        window = new ConversionPage(*form, messages);
        form->pages()->setCurrentIndex(1); // the page "Umrechnungen"
        // The folder holds no formula collection; the main window's reports of it
        // are not the conversion window's.
        messages.shown.clear();
    }

    void choose(int quantity, int from, int to)
    {
        window->controls().quantityList->setCurrentRow(quantity);
        window->controls().fromUnitList->setCurrentRow(from);
        window->controls().toUnitList->setCurrentRow(to);
    }

    testing::UnitFolder folder;
    RecordingMessages messages;
    collection::CollectionTables data;
    spreadsheet::FakeTransport* fake = nullptr;
    std::unique_ptr<app::MainWindow> form;
    ConversionPage* window = nullptr;
};

TEST_F(ConversionWindow, ChoosingQuantityAndUnitsConvertsWithTheDialogsPattern)
{
    EXPECT_EQ(form->dockedWindow(shell::Page::conversions), window);
    ASSERT_EQ(window->controls().quantityList->count(), 6);
    EXPECT_EQ(window->controls().quantityList->item(0)->text(), "Strecke");

    window->controls().quantityList->setCurrentRow(0);
    ASSERT_EQ(window->controls().fromUnitList->count(), 3);
    EXPECT_EQ(window->controls().toUnitList->item(2)->text(), "Kilometer");
    // The pair a conversion uses right after choosing: the second unit twice.
    EXPECT_EQ(window->controls().fromUnitList->currentRow(), 1);
    EXPECT_EQ(window->controls().toUnitList->currentRow(), 1);

    form->numberFormatDialog().setPattern("0");
    window->controls().valueEdit->setText("5");
    choose(0, 2, 0);
    EXPECT_EQ(window->controls().resultLabel->text(), "5 km = 5000 m");

    // "Rechne" and the main window's "Berechnen" (F5) convert the value anew.
    window->controls().valueEdit->setText("2");
    window->controls().calculateButton->click();
    EXPECT_EQ(window->controls().resultLabel->text(), "2 km = 2000 m");
    window->controls().valueEdit->setText("3");
    QAction* compute = form->action("compute");
    ASSERT_TRUE(compute && compute->isEnabled());
    compute->trigger();
    EXPECT_EQ(window->controls().resultLabel->text(), "3 km = 3000 m");
    EXPECT_EQ(window->state().resultText(), "3000");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
}

TEST_F(ConversionWindow, ATableWithOneUnitKeepsNothingOfThePreviousOne)
{
    choose(0, 2, 0);
    window->controls().quantityList->setCurrentRow(2); // "Einzeln"
    EXPECT_EQ(window->controls().fromUnitList->count(), 1);
    EXPECT_EQ(window->controls().resultLabel->text(), "");
    messages.shown.clear();
    window->controls().calculateButton->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("weniger als zwei Einheiten"), std::string::npos);
    EXPECT_EQ(window->controls().resultLabel->text(), "");
}

TEST_F(ConversionWindow, InsertAndValueFromExcelThroughTheMainWindow)
{
    form->numberFormatDialog().setPattern("0");
    choose(0, 2, 0);
    window->controls().valueEdit->setText("1,5");
    form->mutableOptions().conversionContent = 1;
    form->action("insertConversion")->trigger();
    ASSERT_NE(fake, nullptr);
    EXPECT_EQ(fake->executed, (std::vector<std::string>{"[New(1)]", "[FORMULA(\"1,5\",\"Z3S2\")]",
                                                        "[FORMULA(\"=Z(-2)S*1000,000\",\"Z5S2\")]", "[APP.RESTORE()]"}));
    EXPECT_EQ(window->controls().resultLabel->text(), "1,5 km = 1500 m");

    fake->answer("SELECTION", "[Mappe1]Tabelle1!Z5S2");
    fake->answer("Selection", "[Mappe1]Tabelle1!Z5S2");
    fake->sheetTopics = {"[Mappe1]Tabelle1"};
    fake->answer("Z5S2", "1500\r\n", "[Mappe1]Tabelle1");
    form->action("valueFromExcel")->trigger();
    EXPECT_EQ(window->controls().valueEdit->text(), "1500");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
}

TEST_F(ConversionWindow, NewTableAndEditedUnits)
{
    window->controls().pages->setCurrentIndex(1);
    const int rows = window->controls().quantityModel->rowCount();
    const auto fillNewTable = [](const char* file) {
        whenModal([file](QWidget* modal) {
            auto* dialog = qobject_cast<NewUnitTableDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->controls().quantityNameEdit->setText("Länge");
            dialog->controls().fileNameEdit->setText(file);
            dialog->controls().variableNameEdit->setText("l");
            dialog->accept();
        });
    };
    fillNewTable("Laenge.txt");
    window->newUnitTable();
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
    EXPECT_EQ(window->controls().quantityModel->rowCount(), rows + 1);
    EXPECT_TRUE(std::filesystem::exists(folder.daten("Laenge.cds")));
    EXPECT_EQ(window->controls().quantityList->count(), rows + 1);
    // The new, empty table is the one the lower grid shows.
    EXPECT_TRUE(window->state().unitTableOpen());
    EXPECT_EQ(window->controls().unitModel->rowCount(), 0);

    fillNewTable("laenge");
    window->newUnitTable();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Datei existiert bereits"}));
    EXPECT_EQ(window->controls().quantityModel->rowCount(), rows + 1);

    // Units typed into the lower grid, saved, are there to convert.
    TableModel& units = *window->controls().unitModel;
    for (const auto& row : std::vector<std::vector<const char*>>{{"Meter", "m", "1"}, {"Zoll", "in", "0,0254"}}) {
        const int r = units.appendRecord();
        for (int c = 0; c < 3; ++c)
            ASSERT_TRUE(units.setData(units.index(r, c), QString::fromUtf8(row[c])));
    }
    window->saveUnitTable();
    window->controls().quantityList->setCurrentRow(rows);
    EXPECT_EQ(window->controls().fromUnitList->count(), 2);
    form->numberFormatDialog().setPattern("0.00");
    window->controls().valueEdit->setText("10");
    choose(rows, 1, 0);
    EXPECT_EQ(window->controls().resultLabel->text(), "10 in = 0,25 m");
}

TEST_F(ConversionWindow, UnsavedUnitsAreOfferedForSavingBeforeTheyGo)
{
    const auto answerYes = [] {
        whenModal([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            box->button(QMessageBox::Yes)->click();
        });
    };
    const auto savedFactor = [this](int quantity, int unit) {
        ConversionState fresh;
        EXPECT_EQ(fresh.loadQuantityList(folder.prefix()), "");
        EXPECT_EQ(fresh.chooseQuantity(quantity), "");
        return fresh.units().at(unit).factor;
    };
    window->controls().pages->setCurrentIndex(1);
    window->controls().quantityGrid->selectRow(0);
    TableModel& units = *window->controls().unitModel;
    ASSERT_TRUE(units.setData(units.index(2, 2), "1000,5"));
    // Another quantity in the upper grid: the changed table is saved first.
    answerYes();
    window->controls().quantityGrid->selectRow(1);
    EXPECT_EQ(savedFactor(0, 2), "1000,5");
    EXPECT_EQ(units.rowCount(), 2); // now the table of the second quantity

    // Closing the program with a change pending.
    ASSERT_TRUE(units.setData(units.index(1, 2), "250"));
    answerYes();
    form->close();
    EXPECT_EQ(savedFactor(1, 1), "250");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
}

} // namespace
} // namespace quillmar::conversion
