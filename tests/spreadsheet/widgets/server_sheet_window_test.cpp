// The sheet window of the built-in spreadsheet, driven offscreen.
#include "spreadsheet/server/server_transport.h"
#include "spreadsheet/widgets/builtin_spreadsheet.h"
#include "spreadsheet/widgets/sheet_model.h"
#include "spreadsheet/widgets/sheet_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>

#include <gtest/gtest.h>

#include <unistd.h>

namespace quillmar::spreadsheet {
namespace {

struct ManualScheduler : server::SaveScheduler {
    void schedule(std::function<void()> task) override { pending = std::move(task); }
    std::function<void()> pending;
};

struct SheetWindowTest : ::testing::Test {
    server::SpreadsheetServer server;
    server::ServerTransport link{server};
    ManualScheduler scheduler;
    RecordingMessages messages;
    server::WorkbookSaver saver{server, scheduler, messages};
    std::unique_ptr<SheetWindow> window;

    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        window = std::make_unique<SheetWindow>(server, saver, messages);
        link.connect("EXCEL", "System");
    }
    void exec(const std::string& command)
    {
        ASSERT_TRUE(link.execute(command, false)) << command;
    }
    // The window shows the server's state once pending events ran.
    void settle() { QApplication::processEvents(); }
    QString shown(int row, int column)
    {
        return window->model()->index(row - 1, column - 1).data(Qt::DisplayRole).toString();
    }
};

TEST_F(SheetWindowTest, ShowsWorkbooksSheetsValuesAndTheSelection)
{
    exec("[New(1)]");
    exec("[WORKBOOK.INSERT(1)]");
    exec("[FORMULA(\"Titel\",\"Z1S1\")]");
    exec("[FORMULA(\"2,5\",\"Z3S2\")]");
    exec("[FORMULA(\"=Z(-1)S*2\",\"Z4S2\")]");
    exec("[SELECT(\"Z4S2\")]");
    settle();

    EXPECT_EQ(window->workbookChooser()->currentText(), "Mappe2");
    EXPECT_EQ(window->workbookChooser()->count(), 2);
    ASSERT_EQ(window->sheetTabs()->count(), 2);
    EXPECT_EQ(window->sheetTabs()->tabText(window->sheetTabs()->currentIndex()), "Tabelle2");
    EXPECT_EQ(shown(1, 1), "Titel");
    EXPECT_EQ(shown(4, 2), "5");
    const QModelIndex current = window->grid()->selectionModel()->currentIndex();
    EXPECT_EQ(current.row(), 3);
    EXPECT_EQ(current.column(), 1);
    EXPECT_EQ(window->formulaBar()->text(), "Z4S2   =Z(-1)S*2");

    exec("[SELECT(\"Z2S1:Z3S2\")]");
    settle();
    EXPECT_EQ(window->grid()->selectionModel()->selectedIndexes().size(), 4);
}

TEST_F(SheetWindowTest, UserEditsConstantsAndTheLinkSeesThem)
{
    exec("[FORMULA(\"2\",\"Z1S1\")]");
    exec("[FORMULA(\"=ZS(-1)*10\",\"Z1S2\")]");
    settle();

    SheetModel& model = *window->model();
    EXPECT_TRUE(model.setData(model.index(0, 0), "3,5", Qt::EditRole));
    settle();
    EXPECT_EQ(shown(1, 2), "35");

    // A formula cell is not the user's to overwrite, and formulas are not typed here.
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, 1), "7", Qt::EditRole));
    EXPECT_FALSE(model.setData(model.index(2, 2), "=1+1", Qt::EditRole));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(shown(1, 2), "35");
    EXPECT_EQ(shown(3, 3), "");

    // Clicking a cell moves the selection the link reads.
    window->grid()->selectionModel()->setCurrentIndex(model.index(6, 2), QItemSelectionModel::ClearAndSelect);
    settle();
    EXPECT_EQ(server.selectionText(), "[Mappe1]Tabelle1!Z7S3");
    EXPECT_TRUE(server.findWorkbook("Mappe1")->changed);
}

TEST_F(SheetWindowTest, TypingAValueAndEnterGoesOnToTheCellBelow)
{
    exec("[FORMULA(\"=ZS(1)*2\",\"Z2S1\")]");
    exec("[SELECT(\"Z2S2\")]");
    window->show();
    settle();
    const QModelIndex cell = window->model()->index(1, 1);
    window->grid()->edit(cell);
    auto* editor = window->grid()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("4,5");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    settle();
    EXPECT_EQ(shown(2, 1), "9");
    EXPECT_EQ(server.selectionText(), "[Mappe1]Tabelle1!Z3S2");
    window->close();
}

TEST_F(SheetWindowTest, CopyAndClearWorkOnTheSelectedRange)
{
    exec("[FORMULA(\"Weg\",\"Z1S1\")]");
    exec("[FORMULA(\"2,5\",\"Z1S2\")]");
    exec("[FORMULA(\"=Z(-1)S*2\",\"Z2S2\")]");
    exec("[SELECT(\"Z1S1:Z3S2\")]");
    settle();

    window->copySelection();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Weg\t2,5\n\t5\n");

    window->clearSelection();
    settle();
    EXPECT_EQ(shown(1, 1), "");
    EXPECT_EQ(shown(1, 2), "");
    EXPECT_EQ(shown(2, 2), "0"); // the formula stays and computes from the emptied cell
    ASSERT_EQ(messages.shown.size(), 1u);
}

TEST_F(SheetWindowTest, ChoosingWorkbookAndSheetActivatesThemInTheServer)
{
    exec("[WORKBOOK.INSERT(1)]"); // Tabelle2 before Tabelle1
    exec("[New(1)]");
    settle();
    EXPECT_EQ(window->workbookChooser()->currentText(), "Mappe2");

    window->workbookChooser()->setCurrentIndex(0);
    emit window->workbookChooser()->activated(0);
    settle();
    EXPECT_EQ(server.selectionText(), "[Mappe1]Tabelle2!Z1S1");
    emit window->sheetTabs()->tabBarClicked(1);
    settle();
    EXPECT_EQ(server.selectionText(), "[Mappe1]Tabelle1!Z1S1");
}

TEST_F(SheetWindowTest, ClosingTheShownWorkbookLeavesNothingDangling)
{
    exec("[FORMULA(\"Wert\",\"Z1S1\")]");
    settle();
    window->show();
    exec("[CLOSE(FALSE)]");
    // Painting before the window's refresh must not reach the closed workbook.
    EXPECT_EQ(shown(1, 1), "");
    window->grab();
    settle();
    EXPECT_EQ(window->workbookChooser()->currentText(), "Keine Mappe geöffnet");
    EXPECT_EQ(window->sheetTabs()->count(), 0);
    window->close();
}

TEST_F(SheetWindowTest, RestoreBringsTheWindowToTheFront)
{
    EXPECT_FALSE(window->isVisible());
    exec("[APP.MINIMIZE()]");
    EXPECT_FALSE(window->isVisible()); // a window never shown stays hidden
    exec("[APP.RESTORE()]");
    EXPECT_TRUE(window->isVisible());
    exec("[APP.MINIMIZE()]");
    EXPECT_TRUE(window->isMinimized());
    exec("[APP.RESTORE()]");
    EXPECT_FALSE(window->isMinimized());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(link.execute("[New(1)]", false)); // the server goes on without its window
}

TEST_F(SheetWindowTest, SaveAsWritesTheShownWorkbook)
{
    const auto folder = std::filesystem::temp_directory_path() / ("quillmar-sheet-window-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    exec("[FORMULA(\"=WURZEL(2)\",\"Z1S1\")]");
    settle();
    EXPECT_TRUE(window->saveShownWorkbookAs(QString::fromStdString((folder / "x.xlsx").string())));
    EXPECT_TRUE(std::filesystem::exists(folder / "x.xlsx"));
    EXPECT_FALSE(window->saveShownWorkbookAs(QString::fromStdString((folder / "fehlt" / "x.xlsx").string())));
    EXPECT_EQ(messages.shown.size(), 1u);
    std::filesystem::remove_all(folder);
}

TEST(BuiltinSpreadsheet, SavesEverythingWhenTheProgramEnds)
{
    QStandardPaths::setTestModeEnabled(true);
    const auto folder = std::filesystem::temp_directory_path() / ("quillmar-host-save-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    RecordingMessages messages;
    {
        BuiltinSpreadsheet host(messages);
        host.saver().setFolder(folder);
        auto link = host.makeTransport();
        ASSERT_TRUE(link->connect("Excel", "System"));
        ASSERT_TRUE(link->execute("[FORMULA(\"Wert\",\"Z1S1\")]", false));
        EXPECT_FALSE(std::filesystem::exists(folder / "Mappe1.xlsx")); // the burst has not ended yet
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "Mappe1.xlsx"));
    EXPECT_TRUE(messages.shown.empty());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace quillmar::spreadsheet
