// The main window's actions, menus and tool bars, and the commands that are its own
// (help, homepage, printing).
#include "app/main_window.h"

#include "app/texts.h"
#include "app/tool_icons.h"
#include "support/text.h"
#include "support/widgets/qt_text.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

#include <optional>

namespace quillmar::app {

QAction* MainWindow::action(const QString& name) const { return findChild<QAction*>(name); }

void MainWindow::createActions()
{
    using shell::PageCommand;
    // Which menu an action belongs to: its menu enables and disables it.
    enum class Group { none, formulaMenu, conversionMenu };
    // One menu item or tool button. It runs either the command of the window docked in
    // its page or a command of the main window itself (handler).
    struct ActionRow {
        const char* name; // object name, by which menus, tool bars and tests find it
        std::string_view text;
        QKeySequence key;
        std::optional<ToolIcon> icon;
        std::string_view toolText; // under the tool button; empty: the menu text
        std::string_view hint;     // tool tip; empty: the tool text
        std::string_view statusTip;
        Group group = Group::none;
        Page page = Page::formulas;
        std::optional<PageCommand> command;
        void (MainWindow::*handler)() = nullptr;
    };
    const ActionRow rows[] = {
        // Menu "&Datei"
        {.name = "showFormulaPage", .text = texts::kItemFormulas, .key = Qt::Key_F9,
         .handler = &MainWindow::showFormulaPage},
        {.name = "showConversionPage", .text = texts::kItemConversions, .key = Qt::Key_F10,
         .handler = &MainWindow::showConversionPage},
        {.name = "print", .text = texts::kItemPrint, .icon = ToolIcon::print, .handler = &MainWindow::printWindowImage},
        {.name = "startExcel", .text = texts::kItemStartExcel, .handler = &MainWindow::startExcel},
        {.name = "quit", .text = texts::kItemQuit, .icon = ToolIcon::quit, .toolText = texts::kToolQuit,
         .hint = texts::kToolQuit, .handler = &MainWindow::closeMainWindow},

        // Menu "&Formeln" and the formula tool bar
        {.name = "insertFormula", .text = texts::kItemInsertFormula, .key = Qt::Key_F3, .icon = ToolIcon::insert,
         .toolText = texts::kToolInsert, .hint = texts::kHintInsert, .statusTip = texts::kHintInsert,
         .group = Group::formulaMenu, .page = Page::formulas, .command = PageCommand::insert},
        {.name = "contents", .text = texts::kItemContents, .key = Qt::CTRL | Qt::Key_I, .group = Group::formulaMenu,
         .page = Page::formulas, .command = PageCommand::contents},
        {.name = "search", .text = texts::kItemSearch, .group = Group::formulaMenu, .page = Page::formulas,
         .command = PageCommand::search},
        {.name = "nextFormula", .text = texts::kItemNextFormula, .key = Qt::CTRL | Qt::Key_N,
         .group = Group::formulaMenu, .page = Page::formulas, .command = PageCommand::nextFormula},
        {.name = "previousFormula", .text = texts::kItemPreviousFormula, .key = Qt::CTRL | Qt::Key_H,
         .group = Group::formulaMenu, .page = Page::formulas, .command = PageCommand::previousFormula},
        {.name = "rearrange", .text = texts::kItemRearrange, .key = Qt::CTRL | Qt::Key_U, .icon = ToolIcon::rearrange,
         .toolText = texts::kToolRearrange, .hint = texts::kToolRearrange, .group = Group::formulaMenu,
         .page = Page::formulas, .command = PageCommand::rearrange},
        {.name = "newDisplayWindow", .text = texts::kItemNewDisplayWindow, .key = Qt::CTRL | Qt::Key_F,
         .icon = ToolIcon::displayWindow, .toolText = texts::kToolNewDisplayWindow, .hint = texts::kHintNewDisplayWindow,
         .group = Group::formulaMenu, .page = Page::formulas, .command = PageCommand::newDisplayWindow},
        {.name = "formulaProperties", .text = texts::kItemFormulaProperties, .icon = ToolIcon::properties,
         .toolText = texts::kToolProperties, .hint = texts::kToolProperties, .group = Group::formulaMenu,
         .handler = &MainWindow::editFormulaOptions},

        // Menu "&Umrechnungen" and the conversion tool bar
        {.name = "insertConversion", .text = texts::kItemInsertConversion, .key = Qt::Key_F4, .icon = ToolIcon::insert,
         .toolText = texts::kToolInsert, .hint = texts::kHintInsert, .statusTip = texts::kHintInsert,
         .group = Group::conversionMenu, .page = Page::conversions, .command = PageCommand::insert},
        {.name = "compute", .text = texts::kItemCompute, .key = Qt::Key_F5, .icon = ToolIcon::compute,
         .toolText = texts::kToolCompute, .hint = texts::kToolCompute, .group = Group::conversionMenu,
         .page = Page::conversions, .command = PageCommand::compute},
        {.name = "valueFromExcel", .text = texts::kItemValueFromExcel, .key = Qt::CTRL | Qt::Key_W,
         .icon = ToolIcon::valueFromExcel, .toolText = texts::kToolValueFromExcel, .hint = texts::kToolValueFromExcel,
         .group = Group::conversionMenu, .page = Page::conversions, .command = PageCommand::valueFromExcel},
        {.name = "numberFormat", .text = texts::kItemNumberFormat, .icon = ToolIcon::numberFormat,
         .toolText = texts::kToolNumberFormat, .hint = texts::kToolNumberFormat, .group = Group::conversionMenu,
         .page = Page::conversions, .command = PageCommand::numberFormat},
        {.name = "conversionProperties", .text = texts::kItemConversionProperties, .icon = ToolIcon::properties,
         .toolText = texts::kToolProperties, .hint = texts::kToolProperties, .group = Group::conversionMenu,
         .handler = &MainWindow::editConversionOptions},
        {.name = "conversionHelp", .text = texts::kToolHelp, .icon = ToolIcon::help,
         .handler = &MainWindow::openConversionHelp},

        // Menu "&Optionen"
        {.name = "saveSettings", .text = texts::kItemSaveSettings, .handler = &MainWindow::saveSettings},
        {.name = "excelVersion", .text = texts::kItemExcelVersion, .handler = &MainWindow::askExcelVersion},

        // Menu "&Hilfe"
        {.name = "help", .text = texts::kItemHelpContents, .key = Qt::Key_F1, .icon = ToolIcon::help,
         .toolText = texts::kToolHelp, .hint = texts::kToolHelp, .handler = &MainWindow::openHelp},
        {.name = "homepage", .text = texts::kItemHomepage, .handler = &MainWindow::openHomepage},
    };

    for (const ActionRow& row : rows) {
        auto* a = new QAction(toQString(row.text), this);
        a->setObjectName(QString::fromLatin1(row.name));
        a->setShortcut(row.key);
        a->setShortcutContext(Qt::WindowShortcut);
        if (row.icon)
            a->setIcon(toolIcon(*row.icon));
        if (!row.toolText.empty())
            a->setIconText(toQString(row.toolText));
        if (!row.hint.empty())
            a->setToolTip(toQString(row.hint));
        if (!row.statusTip.empty())
            a->setStatusTip(toQString(row.statusTip));
        if (row.command) {
            const Page page = row.page;
            const PageCommand command = *row.command;
            connect(a, &QAction::triggered, this, [this, page, command] { runPageCommand(page, command); });
            forwardedActions_.push_back({a, page, command});
        } else {
            const auto handler = row.handler;
            connect(a, &QAction::triggered, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
        }
        if (row.group == Group::formulaMenu)
            formulaActions_.push_back(a);
        else if (row.group == Group::conversionMenu)
            conversionActions_.push_back(a);
    }
}

void MainWindow::createMenus()
{
    fileMenu_ = menuBar()->addMenu(toQString(texts::kMenuFile));
    fileMenu_->addAction(action("showFormulaPage"));
    fileMenu_->addAction(action("showConversionPage"));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action("print"));
    fileMenu_->addAction(action("startExcel"));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action("quit"));
    // F2 opens the menu "&Datei".
    auto* f2 = new QShortcut(Qt::Key_F2, this);
    connect(f2, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(fileMenu_->menuAction()); });

    formulaMenu_ = menuBar()->addMenu(toQString(texts::kMenuFormulas));
    for (const char* name : {"insertFormula", "contents", "search", "nextFormula", "previousFormula", "rearrange",
                             "newDisplayWindow", "formulaProperties"})
        formulaMenu_->addAction(action(QString::fromLatin1(name)));
    formulaMenu_->insertSeparator(action("contents"));
    formulaMenu_->insertSeparator(action("rearrange"));
    formulaMenu_->insertSeparator(action("formulaProperties"));

    conversionMenu_ = menuBar()->addMenu(toQString(texts::kMenuConversions));
    for (const char* name :
         {"insertConversion", "compute", "valueFromExcel", "numberFormat", "conversionProperties"})
        conversionMenu_->addAction(action(QString::fromLatin1(name)));
    conversionMenu_->insertSeparator(action("conversionProperties"));

    QMenu* optionsMenu = menuBar()->addMenu(toQString(texts::kMenuOptions));
    optionsMenu->addAction(action("saveSettings"));
    optionsMenu->addAction(action("excelVersion"));

    QMenu* helpMenu = menuBar()->addMenu(toQString(texts::kMenuHelp));
    helpMenu->addAction(action("help"));
    helpMenu->addAction(action("homepage"));

    // Availability can change without notice (a formula loaded, a value typed): ask
    // again whenever a menu opens.
    for (QMenu* m : {formulaMenu_, conversionMenu_})
        connect(m, &QMenu::aboutToShow, this, &MainWindow::updateCommands);
    statusBar();
}

void MainWindow::createToolBars()
{
    const auto makeBar = [this](const char* name, std::string_view title) {
        auto* bar = new QToolBar(toQString(title), this);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setIconSize(QSize(24, 24));
        bar->toggleViewAction()->setVisible(false);
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };
    formulaToolBar_ = makeBar("formulaToolBar", texts::kFormulaToolBar);
    for (const char* name : {"insertFormula", "rearrange", "newDisplayWindow", "formulaProperties"})
        formulaToolBar_->addAction(action(QString::fromLatin1(name)));
    formulaToolBar_->addSeparator();
    formulaToolBar_->addAction(action("help"));
    formulaToolBar_->addAction(action("quit"));

    conversionToolBar_ = makeBar("conversionToolBar", texts::kConversionToolBar);
    for (const char* name : {"insertConversion", "valueFromExcel", "compute", "numberFormat", "conversionProperties"})
        conversionToolBar_->addAction(action(QString::fromLatin1(name)));
    conversionToolBar_->addSeparator();
    conversionToolBar_->addAction(action("conversionHelp"));
    conversionToolBar_->addAction(action("quit"));
    setContextMenuPolicy(Qt::NoContextMenu);
}

// ---------------------------------------------------------------- help, homepage, printing

void MainWindow::openDocument(std::string_view relativePath, std::string_view anchor)
{
    const std::filesystem::path path = dataPrefix_ / std::filesystem::path(relativePath);
    const QString file = QString::fromStdString(path.string());
    if (!QFileInfo::exists(file)) {
        messages_.show(text::fillIn(texts::kHelpMissing, {path.string()}));
        return;
    }
    QUrl url = QUrl::fromLocalFile(file);
    if (!anchor.empty())
        url.setFragment(toQString(anchor));
    QDesktopServices::openUrl(url);
}

void MainWindow::openHelp() { openDocument(texts::kProgramHelp); }

void MainWindow::openConversionHelp()
{
    // The conversion window's own help when it has one, the program's help otherwise.
    shell::PageCommands* commands = commandsOf(Page::conversions);
    if (commands && commands->offers(shell::PageCommand::help))
        commands->run(shell::PageCommand::help);
    else
        openHelp();
}

void MainWindow::openHomepage() { openDocument(texts::kHomepage); }

void MainWindow::printWindowImage()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printImageTo(printer);
}

void MainWindow::printImageTo(QPrinter& printer)
{
    const QPixmap image = grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
}

} // namespace quillmar::app
