// The main window's actions, menus and tool bars, and the commands that are its own
// (help, homepage, printing).
#include "app/main_window.h"

#include "app/texts.h"
#include "app/tool_icons.h"

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

namespace quillmar::app {

using texts::q;

QAction* MainWindow::makeAction(const char* name, const char* text, const QKeySequence& key, std::function<void()> run)
{
    auto* a = new QAction(q(text), this);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, [this, run = std::move(run)] { runGuarded(run); });
    return a;
}

QAction* MainWindow::makeForwarded(const char* name, const char* text, const QKeySequence& key, Page page,
                                  shell::PageCommand command)
{
    QAction* a = makeAction(name, text, key, [this, page, command] { runPageCommand(page, command); });
    forwarded_.push_back({a, page, command});
    return a;
}

QAction* MainWindow::action(const QString& name) const { return findChild<QAction*>(name); }

void MainWindow::createActions()
{
    const Page formulas = Page::formulas;
    const Page conversions = Page::conversions;

    // Menu "&Datei"
    makeAction("showFormulaPage", texts::kItemFormulas, Qt::Key_F9,
               [this] { pages_->setCurrentIndex(static_cast<int>(Page::formulas)); });
    makeAction("showConversionPage", texts::kItemConversions, Qt::Key_F10,
               [this] { pages_->setCurrentIndex(static_cast<int>(Page::conversions)); });
    makeAction("print", texts::kItemPrint, QKeySequence(), [this] { printWindowImage(); })->setIcon(toolIcon(ToolIcon::Print));
    makeAction("startExcel", texts::kItemStartExcel, QKeySequence(), [this] { startExcel(); });
    QAction* quit = makeAction("quit", texts::kItemQuit, QKeySequence(), [this] { close(); });
    quit->setIconText(q(texts::kToolQuit));
    quit->setToolTip(q(texts::kToolQuit));
    quit->setIcon(toolIcon(ToolIcon::Quit));

    // Menu "&Formeln" and the formula tool bar
    QAction* insert = makeForwarded("insertFormula", texts::kItemInsertFormula, Qt::Key_F3, formulas, shell::PageCommand::Insert);
    insert->setIconText(q(texts::kToolInsert));
    insert->setToolTip(q(texts::kHintInsert));
    insert->setStatusTip(q(texts::kHintInsert));
    insert->setIcon(toolIcon(ToolIcon::Insert));
    formulaActions_.push_back(insert);
    formulaActions_.push_back(
        makeForwarded("contents", texts::kItemContents, QKeySequence(Qt::CTRL | Qt::Key_I), formulas, shell::PageCommand::Contents));
    formulaActions_.push_back(makeForwarded("search", texts::kItemSearch, QKeySequence(), formulas, shell::PageCommand::Search));
    formulaActions_.push_back(makeForwarded("nextFormula", texts::kItemNextFormula, QKeySequence(Qt::CTRL | Qt::Key_N),
                                            formulas, shell::PageCommand::NextFormula));
    formulaActions_.push_back(makeForwarded("previousFormula", texts::kItemPreviousFormula,
                                            QKeySequence(Qt::CTRL | Qt::Key_H), formulas, shell::PageCommand::PreviousFormula));
    QAction* rearrange = makeForwarded("rearrange", texts::kItemRearrange, QKeySequence(Qt::CTRL | Qt::Key_U), formulas,
                                       shell::PageCommand::Rearrange);
    rearrange->setIconText(q(texts::kToolRearrange));
    rearrange->setToolTip(q(texts::kToolRearrange));
    rearrange->setIcon(toolIcon(ToolIcon::Rearrange));
    formulaActions_.push_back(rearrange);
    QAction* display = makeForwarded("newDisplayWindow", texts::kItemNewDisplayWindow, QKeySequence(Qt::CTRL | Qt::Key_F),
                                     formulas, shell::PageCommand::NewDisplayWindow);
    display->setIconText(q(texts::kHintNewDisplayWindow).trimmed());
    display->setToolTip(q(texts::kHintNewDisplayWindow));
    display->setIcon(toolIcon(ToolIcon::DisplayWindow));
    formulaActions_.push_back(display);
    QAction* formulaProps =
        makeAction("formulaProperties", texts::kItemFormulaProperties, QKeySequence(), [this] { formulaProperties(); });
    formulaProps->setIconText(q(texts::kToolProperties));
    formulaProps->setToolTip(q(texts::kToolProperties));
    formulaProps->setIcon(toolIcon(ToolIcon::Properties));
    formulaActions_.push_back(formulaProps);

    // Menu "&Umrechnungen" and the conversion tool bar
    QAction* insertConversion = makeForwarded("insertConversion", texts::kItemInsertConversion, Qt::Key_F4, conversions,
                                              shell::PageCommand::Insert);
    insertConversion->setIconText(q(texts::kToolInsert));
    insertConversion->setToolTip(q(texts::kHintInsert));
    insertConversion->setStatusTip(q(texts::kHintInsert));
    insertConversion->setIcon(toolIcon(ToolIcon::Insert));
    conversionActions_.push_back(insertConversion);
    QAction* compute = makeForwarded("compute", texts::kItemCompute, Qt::Key_F5, conversions, shell::PageCommand::Compute);
    compute->setIconText(q(texts::kToolCompute));
    compute->setToolTip(q(texts::kToolCompute));
    compute->setIcon(toolIcon(ToolIcon::Compute));
    conversionActions_.push_back(compute);
    QAction* fromExcel = makeForwarded("valueFromExcel", texts::kItemValueFromExcel, QKeySequence(Qt::CTRL | Qt::Key_W),
                                       conversions, shell::PageCommand::ValueFromExcel);
    fromExcel->setIconText(q(texts::kToolValueFromExcel));
    fromExcel->setToolTip(q(texts::kToolValueFromExcel));
    fromExcel->setIcon(toolIcon(ToolIcon::ValueFromExcel));
    conversionActions_.push_back(fromExcel);
    QAction* numberFormat =
        makeForwarded("numberFormat", texts::kItemNumberFormat, QKeySequence(), conversions, shell::PageCommand::NumberFormat);
    numberFormat->setIconText(q(texts::kToolNumberFormat));
    numberFormat->setToolTip(q(texts::kToolNumberFormat));
    numberFormat->setIcon(toolIcon(ToolIcon::NumberFormat));
    conversionActions_.push_back(numberFormat);
    QAction* conversionProps = makeAction("conversionProperties", texts::kItemConversionProperties, QKeySequence(),
                                          [this] { conversionProperties(); });
    conversionProps->setIconText(q(texts::kToolProperties));
    conversionProps->setToolTip(q(texts::kToolProperties));
    conversionProps->setIcon(toolIcon(ToolIcon::Properties));
    conversionActions_.push_back(conversionProps);
    // The conversion window's own help when it has one, the program's help otherwise.
    conversionHelp_ = makeAction("conversionHelp", texts::kToolHelp, QKeySequence(), [this] {
        shell::PageCommands* commands = commandsOf(Page::conversions);
        if (commands && commands->offers(shell::PageCommand::Help))
            commands->run(shell::PageCommand::Help);
        else
            openHelp();
    });
    conversionHelp_->setIcon(toolIcon(ToolIcon::Help));

    // Menu "&Optionen"
    makeAction("saveSettings", texts::kItemSaveSettings, QKeySequence(), [this] { writeSettingsFile(); });
    makeAction("excelVersion", texts::kItemExcelVersion, QKeySequence(), [this] { askExcelVersion(); });

    // Menu "&Hilfe"
    QAction* help = makeAction("help", texts::kItemHelpContents, Qt::Key_F1, [this] { openHelp(); });
    help->setIconText(q(texts::kToolHelp));
    help->setToolTip(q(texts::kToolHelp));
    help->setIcon(toolIcon(ToolIcon::Help));
    makeAction("homepage", texts::kItemHomepage, QKeySequence(), [this] { openHomepage(); });
}

void MainWindow::createMenus()
{
    fileMenu_ = menuBar()->addMenu(q(texts::kMenuFile));
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

    formulaMenu_ = menuBar()->addMenu(q(texts::kMenuFormulas));
    for (const char* name : {"insertFormula", "contents", "search", "nextFormula", "previousFormula", "rearrange",
                             "newDisplayWindow", "formulaProperties"})
        formulaMenu_->addAction(action(QString::fromLatin1(name)));
    formulaMenu_->insertSeparator(action("contents"));
    formulaMenu_->insertSeparator(action("rearrange"));
    formulaMenu_->insertSeparator(action("formulaProperties"));

    conversionMenu_ = menuBar()->addMenu(q(texts::kMenuConversions));
    for (const char* name :
         {"insertConversion", "compute", "valueFromExcel", "numberFormat", "conversionProperties"})
        conversionMenu_->addAction(action(QString::fromLatin1(name)));
    conversionMenu_->insertSeparator(action("conversionProperties"));

    QMenu* optionsMenu = menuBar()->addMenu(q(texts::kMenuOptions));
    optionsMenu->addAction(action("saveSettings"));
    optionsMenu->addAction(action("excelVersion"));

    QMenu* helpMenu = menuBar()->addMenu(q(texts::kMenuHelp));
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
    const auto makeBar = [this](const char* name, const char* title) {
        auto* bar = new QToolBar(q(title), this);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setIconSize(QSize(24, 24));
        bar->toggleViewAction()->setVisible(false);
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };
    formulaBar_ = makeBar("formulaToolBar", texts::kFormulaToolBar);
    for (const char* name : {"insertFormula", "rearrange", "newDisplayWindow", "formulaProperties"})
        formulaBar_->addAction(action(QString::fromLatin1(name)));
    formulaBar_->addSeparator();
    formulaBar_->addAction(action("help"));
    formulaBar_->addAction(action("quit"));

    conversionBar_ = makeBar("conversionToolBar", texts::kConversionToolBar);
    for (const char* name : {"insertConversion", "valueFromExcel", "compute", "numberFormat", "conversionProperties"})
        conversionBar_->addAction(action(QString::fromLatin1(name)));
    conversionBar_->addSeparator();
    conversionBar_->addAction(conversionHelp_);
    conversionBar_->addAction(action("quit"));
    setContextMenuPolicy(Qt::NoContextMenu);
}

// ---------------------------------------------------------------- help, homepage, printing

void MainWindow::openDocument(const char* relativePath, const char* anchor)
{
    const QString path = QString::fromStdString((dataPrefix_ / relativePath).string());
    if (!QFileInfo::exists(path)) {
        messages_.show(q(texts::kHelpMissing).arg(path).toStdString());
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (anchor)
        url.setFragment(QString::fromLatin1(anchor));
    QDesktopServices::openUrl(url);
}

void MainWindow::openHelp() { openDocument(texts::kProgramHelp); }

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
