#pragma once
// The window of the built-in spreadsheet: the visible workbooks, a tab per
// sheet, the cells with their values, the formula of the selected cell, and
// the selection the link reads. It comes to the front when the link restores
// the spreadsheet's window.
#include "spreadsheet/server/spreadsheet_server.h"
#include "spreadsheet/server/workbook_saver.h"
#include "support/messages.h"

#include <QMainWindow>

class QComboBox;
class QLineEdit;
class QTabBar;
class QTableView;
class QTimer;

namespace quillmar::spreadsheet {

class SheetModel;

class SheetWindow final : public QMainWindow, private server::ServerObserver {
    Q_OBJECT
public:
    SheetWindow(server::SpreadsheetServer& server, server::WorkbookSaver& saver, Messages& messages,
                QWidget* parent = nullptr);
    ~SheetWindow() override;

    // Shows the server's state again (the active workbook, sheet and selection).
    void showServerState();
    // Edit commands on the selected range (Ctrl+C, Entf).
    void copySelection();
    void clearSelection();
    // Writes the shown workbook to the file; false (message shown) on failure.
    bool saveShownWorkbookAs(const QString& file);

    SheetModel* model() const { return model_; }
    QTableView* grid() const { return grid_; }
    QTabBar* sheetTabs() const { return sheetTabs_; }
    QComboBox* workbookChooser() const { return workbookChooser_; }
    QLineEdit* formulaBar() const { return formulaBar_; }

private:
    void contentChanged() override;
    void workbookClosing(server::Workbook& book) override;
    void minimizeRequested() override;
    void restoreRequested() override;

    void createMenus();
    void chooseFileAndSaveWorkbook();
    void chooseWorkbookFolder();
    void activateChosenWorkbook(int index);
    void activateChosenSheet(int index);
    void passUserSelectionToServer();
    void showFormulaOfCurrentCell();
    void closeEvent(QCloseEvent* event) override;

    server::SpreadsheetServer& server_;
    server::WorkbookSaver& saver_;
    Messages& messages_;
    SheetModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QTabBar* sheetTabs_ = nullptr;
    QComboBox* workbookChooser_ = nullptr;
    QLineEdit* formulaBar_ = nullptr;
    QTimer* refreshTimer_ = nullptr;
    bool followingServer_ = false; // while the window follows the server, user-selection signals are ignored
};

} // namespace quillmar::spreadsheet
