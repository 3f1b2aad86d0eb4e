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
        window->ListBox1->setCurrentRow(quantity);
        window->ListBox2->setCurrentRow(from);
        window->ListBox3->setCurrentRow(to);
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
    ASSERT_EQ(window->ListBox1->count(), 6);
    EXPECT_EQ(window->ListBox1->item(0)->text(), "Strecke");

    window->ListBox1->setCurrentRow(0);
    ASSERT_EQ(window->ListBox2->count(), 3);
    EXPECT_EQ(window->ListBox3->item(2)->text(), "Kilometer");
    // The pair a conversion uses right after choosing: the second unit twice.
    EXPECT_EQ(window->ListBox2->currentRow(), 1);
    EXPECT_EQ(window->ListBox3->currentRow(), 1);

    form->numberFormatDialog().setPattern("0");
    window->Edit1->setText("5");
    choose(0, 2, 0);
    EXPECT_EQ(window->txtshape1->text(), "5 km = 5000 m");

    // "Rechne" and the main window's "Berechnen" (F5) convert the value anew.
    window->Edit1->setText("2");
    window->RechneBtn->click();
    EXPECT_EQ(window->txtshape1->text(), "2 km = 2000 m");
    window->Edit1->setText("3");
    QAction* compute = form->action("compute");
    ASSERT_TRUE(compute && compute->isEnabled());
    compute->trigger();
    EXPECT_EQ(window->txtshape1->text(), "3 km = 3000 m");
    EXPECT_EQ(window->state().resultText(), "3000");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
}

TEST_F(ConversionWindow, ATableWithOneUnitKeepsNothingOfThePreviousOne)
{
    choose(0, 2, 0);
    window->ListBox1->setCurrentRow(2); // "Einzeln"
    EXPECT_EQ(window->ListBox2->count(), 1);
    EXPECT_EQ(window->txtshape1->text(), "");
    messages.shown.clear();
    window->RechneBtn->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("weniger als zwei Einheiten"), std::string::npos);
    EXPECT_EQ(window->txtshape1->text(), "");
}

TEST_F(ConversionWindow, InsertAndValueFromExcelThroughTheMainWindow)
{
    form->numberFormatDialog().setPattern("0");
    choose(0, 2, 0);
    window->Edit1->setText("1,5");
    form->mutableOptions().conversionContent = 1;
    form->action("insertConversion")->trigger();
    ASSERT_NE(fake, nullptr);
    EXPECT_EQ(fake->executed, (std::vector<std::string>{"[New(1)]", "[FORMULA(\"1,5\",\"Z3S2\")]",
                                                        "[FORMULA(\"=Z(-2)S*1000,000\",\"Z5S2\")]", "[APP.RESTORE()]"}));
    EXPECT_EQ(window->txtshape1->text(), "1,5 km = 1500 m");

    fake->answer("SELECTION", "[Mappe1]Tabelle1!Z5S2");
    fake->answer("Selection", "[Mappe1]Tabelle1!Z5S2");
    fake->sheetTopics = {"[Mappe1]Tabelle1"};
    fake->answer("Z5S2", "1500\r\n", "[Mappe1]Tabelle1");
    form->action("valueFromExcel")->trigger();
    EXPECT_EQ(window->Edit1->text(), "1500");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
}

TEST_F(ConversionWindow, NewTableAndEditedUnits)
{
    window->pages_->setCurrentIndex(1);
    const int rows = window->listModel->rowCount();
    const auto fillNewTable = [](const char* file) {
        whenModal([file](QWidget* modal) {
            auto* dialog = qobject_cast<NewUnitTableDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->Groesse->setText("Länge");
            dialog->Datei->setText(file);
            dialog->Variable->setText("l");
            dialog->accept();
        });
    };
    fillNewTable("Laenge.txt");
    window->NeueTabelleClick();
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
    EXPECT_EQ(window->listModel->rowCount(), rows + 1);
    EXPECT_TRUE(std::filesystem::exists(folder.daten("Laenge.cds")));
    EXPECT_EQ(window->ListBox1->count(), rows + 1);
    // The new, empty table is the one the lower grid shows.
    EXPECT_TRUE(window->state().unitTableOpen());
    EXPECT_EQ(window->unitModel->rowCount(), 0);

    fillNewTable("laenge");
    window->NeueTabelleClick();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Datei existiert bereits"}));
    EXPECT_EQ(window->listModel->rowCount(), rows + 1);

    // Units typed into the lower grid, saved, are there to convert.
    TableModel& units = *window->unitModel;
    for (const auto& row : std::vector<std::vector<const char*>>{{"Meter", "m", "1"}, {"Zoll", "in", "0,0254"}}) {
        const int r = units.appendRecord();
        for (int c = 0; c < 3; ++c)
            ASSERT_TRUE(units.setData(units.index(r, c), QString::fromUtf8(row[c])));
    }
    window->SpeichernEinheitenClick();
    window->ListBox1->setCurrentRow(rows);
    EXPECT_EQ(window->ListBox2->count(), 2);
    form->numberFormatDialog().setPattern("0.00");
    window->Edit1->setText("10");
    choose(rows, 1, 0);
    EXPECT_EQ(window->txtshape1->text(), "10 in = 0,25 m");
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
    window->pages_->setCurrentIndex(1);
    window->ListGrid->selectRow(0);
    TableModel& units = *window->unitModel;
    ASSERT_TRUE(units.setData(units.index(2, 2), "1000,5"));
    // Another quantity in the upper grid: the changed table is saved first.
    answerYes();
    window->ListGrid->selectRow(1);
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
