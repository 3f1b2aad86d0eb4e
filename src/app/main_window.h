#pragma once
// The main window "Quillmar Formelsammlung für Excel": three pages into which the
// formula window, the conversion window and the collection editor dock themselves,
// above them one of two tool bars (formulas or conversions), and the main menus.
// It keeps the options of the spreadsheet link and writes them, with its own size and
// place, to quillmar.ini on request.
#include "spreadsheet/link.h"
#include "spreadsheet/widgets/qt_link_services.h"
#include "settings/settings_file.h"
#include "support/messages.h"
#include "shell/main_window_host.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTabWidget;
class QToolBar;

namespace quillmar::app {

class OptionsDialog;
class ExcelVersionDialog;

class MainWindow : public QMainWindow, public shell::MainWindowHost {
    Q_OBJECT
public:
    using Page = shell::Page;

    // dataPrefix: the data folder; messages: where the fixed texts go; tables: the
    // collection tables, which the window opens; makeConversation: makes the link
    // component (and its replacements).
    MainWindow(std::filesystem::path dataPrefix, Messages& messages, collection::CollectionTables& tables,
               spreadsheet::Link::Factory makeConversation, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up, in the order the program creates them.
    void createNumberFormatDialog();
    void createOptionsDialogs();
    void createExcelVersionDialog();
    // Reads quillmar.ini: window state, size and place, options, Excel version.
    void readSettingsFile();
    // Shows the window in the state the settings file gave it. After the version
    // question of a faulty or missing file, the answer is written to the file then.
    void showAsRead();

    // "&Einstellungen speichern": replaces quillmar.ini as a whole. False (after a
    // message) when it cannot be written.
    bool writeSettingsFile();
    WindowPlacement currentWindowRecord() const;
    std::filesystem::path settingsPath() const;

    // shell::MainWindowHost
    void dockPage(Page page, QWidget* window, shell::PageCommands* commands) override;
    void undockPage(Page page) override;
    QWidget* dockedWindow(Page page) const override;
    void commandsChanged() override;
    void refreshFormulaPage() override;
    const std::filesystem::path& dataPrefix() const override { return dataPrefix_; }
    const settings::Options& options() const override { return options_; }
    spreadsheet::Dialect dialect() const override;
    collection::CollectionTables& collectionTables() override { return tables_; }
    spreadsheet::Link& link() override { return *link_; }
    engine::NumberFormatDialog& numberFormatDialog() override;
    void setDisplayWindow(QWidget* window) override { displayWindow_ = window; }
    QWidget* displayWindow() const override { return displayWindow_; }
    QWidget* mainWidget() override { return this; }
    void closeMainWindow() override;

    settings::Options& mutableOptions() { return options_; }
    QTabWidget* pages() const { return pages_; }
    QToolBar* formulaToolBar() const { return formulaToolBar_; }
    QToolBar* conversionToolBar() const { return conversionToolBar_; }
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* formulaMenu() const { return formulaMenu_; }
    QMenu* conversionMenu() const { return conversionMenu_; }
    // The action behind a menu item or tool button, by its object name ("rearrange").
    QAction* action(const QString& name) const;

    // Commands (also reached through the menus and tool bars).
    void showFormulaPage();       // "&Formeln" (F9)
    void showConversionPage();    // "&Umrechnungen" (F10)
    void editFormulaOptions();    // "&Eigenschaften": the dialog "Optionen Formeln"
    void editConversionOptions(); // "E&igenschaften": the dialog "Optionen Umrechnungen"
    void saveSettings();          // "&Einstellungen speichern"
    void askExcelVersion();       // "Welche Version von Excel?"
    void openHelp();              // "&Inhalt" (F1), "Hilfe"
    void openConversionHelp();    // "Hilfe" of the conversion tool bar
    void openHomepage();          // "Homepage"
    void printWindowImage();      // "&Drucken..."
    // Prints the image of the window onto a printer that is set up, fitted to its page.
    void printImageTo(QPrinter& printer);
    void startExcel();            // "&Excel starten"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct DockedPage {
        QWidget* page = nullptr;
        QLabel* placeholder = nullptr;
        QPointer<QWidget> window;
        shell::PageCommands* commands = nullptr;
    };
    // A menu item or tool button that runs a command of a docked window.
    struct ForwardedAction {
        QAction* action;
        Page page;
        shell::PageCommand command;
    };

    void createPages();
    void createActions();
    void createMenus();
    void createToolBars();

    void onPageChanged(int index);
    void setFormulaMode(bool formulaMode);
    void updateCommands();
    shell::PageCommands* commandsOf(Page page) const;
    void runPageCommand(Page page, shell::PageCommand command);
    void runGuarded(const std::function<void()>& command);
    void applyWindowRecord(const settings::ReadResult& result);
    void keepOnScreen();
    void openDocument(std::string_view relativePath, std::string_view anchor = {});
    void setDialect(spreadsheet::Dialect dialect);

    std::filesystem::path dataPrefix_;
    Messages& messages_;
    collection::CollectionTables& tables_;
    settings::Options options_;
    bool versionAnswerToWrite_ = false;
    spreadsheet::QtOneShotTimer closeWatch_; // outlives the link, which stops it on the way out
    std::unique_ptr<spreadsheet::Link> link_;

    QTabWidget* pages_ = nullptr;
    std::array<DockedPage, 3> docked_;
    int currentPage_ = 0;
    bool formulaMode_ = true;

    QToolBar* formulaToolBar_ = nullptr;
    QToolBar* conversionToolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* formulaMenu_ = nullptr;
    QMenu* conversionMenu_ = nullptr;
    std::vector<QAction*> formulaActions_;    // enabled with the menu "&Formeln"
    std::vector<QAction*> conversionActions_; // enabled with the menu "&Umrechnungen"
    std::vector<ForwardedAction> forwardedActions_;

    QPointer<QWidget> displayWindow_;
    engine::NumberFormatDialog* numberFormatDialog_ = nullptr;
    OptionsDialog* formulaOptionsDialog_ = nullptr;
    OptionsDialog* conversionOptionsDialog_ = nullptr;
    ExcelVersionDialog* excelVersionDialog_ = nullptr;
};

} // namespace quillmar::app
