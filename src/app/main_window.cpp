#include "app/main_window.h"

#include "app/texts.h"
#include "app/options_dialog.h"
#include "app/excel_version_dialog.h"
#include "collection/collection_tables.h"
#include "engine/widgets/number_format_dialog.h"
#include "spreadsheet/dialect.h"
#include "settings/texts.h"
#include "support/file_io.h"
#include "support/widgets/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <exception>

namespace quillmar::app {

namespace {

QStringList captions(const auto& list)
{
    QStringList out;
    for (const std::string_view item : list)
        out << toQString(item);
    return out;
}

} // namespace

MainWindow::MainWindow(std::filesystem::path dataPrefix, Messages& messages, collection::CollectionTables& tables,
                       spreadsheet::Link::Factory makeConversation, QWidget* parent)
    : QMainWindow(parent)
    , dataPrefix_(std::move(dataPrefix))
    , messages_(messages)
    , tables_(tables)
    , link_(std::make_unique<spreadsheet::Link>(std::move(makeConversation), closeWatch_, messages))
{
    tables_.open(dataPrefix_, messages_);
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(toQString(texts::kMainCaption));
    createPages();
    createActions();
    createMenus();
    createToolBars();
    setFormulaMode(true);
    resize(960, 680);
}

MainWindow::~MainWindow()
{
    // The docked windows belong to their pages; they go first, while the main window
    // they may still talk to is whole.
    for (auto& d : docked_) {
        if (QWidget* window = d.window) {
            QObject::disconnect(window, nullptr, this, nullptr);
            d.window = nullptr;
            d.commands = nullptr;
            delete window;
        }
    }
}

// ---------------------------------------------------------------- pages

void MainWindow::createPages()
{
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->setDocumentMode(true);
    const std::string_view titles[] = {texts::kPageFormulas, texts::kPageConversions, texts::kPageEditor};
    for (std::size_t i = 0; i < docked_.size(); ++i) {
        auto& d = docked_[i];
        d.page = new QWidget;
        auto* layout = new QVBoxLayout(d.page);
        layout->setContentsMargins(0, 0, 0, 0);
        d.placeholder = new QLabel(toQString(texts::kPageWaiting));
        d.placeholder->setAlignment(Qt::AlignCenter);
        d.placeholder->setEnabled(false);
        layout->addWidget(d.placeholder);
        pages_->addTab(d.page, toQString(titles[i]));
    }
    setCentralWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
}

void MainWindow::showFormulaPage() { pages_->setCurrentIndex(static_cast<int>(Page::formulas)); }

void MainWindow::showConversionPage() { pages_->setCurrentIndex(static_cast<int>(Page::conversions)); }

void MainWindow::onPageChanged(int index)
{
    // Tool bars and menus follow the page that is being left.
    const int left = currentPage_;
    currentPage_ = index;
    if (left == static_cast<int>(Page::conversions))
        setFormulaMode(true);
    else if (left == static_cast<int>(Page::formulas))
        setFormulaMode(false);
    updateCommands();
}

void MainWindow::setFormulaMode(bool formulaMode)
{
    formulaMode_ = formulaMode;
    formulaMenu_->menuAction()->setEnabled(formulaMode);
    conversionMenu_->menuAction()->setEnabled(!formulaMode);
    formulaToolBar_->setVisible(formulaMode);
    conversionToolBar_->setVisible(!formulaMode);
    updateCommands();
}

void MainWindow::dockPage(Page page, QWidget* window, shell::PageCommands* commands)
{
    auto& d = docked_[static_cast<std::size_t>(page)];
    if (d.window && d.window != window)
        undockPage(page);
    d.window = window;
    d.commands = commands;
    if (window) {
        d.placeholder->hide();
        window->setParent(d.page, Qt::Widget);
        d.page->layout()->addWidget(window);
        window->show();
        connect(window, &QObject::destroyed, this, [this, page] {
            auto& gone = docked_[static_cast<std::size_t>(page)];
            gone.commands = nullptr;
            gone.placeholder->show();
            updateCommands();
        });
    }
    updateCommands();
}

void MainWindow::undockPage(Page page)
{
    auto& d = docked_[static_cast<std::size_t>(page)];
    d.commands = nullptr;
    if (QWidget* window = d.window) {
        QObject::disconnect(window, &QObject::destroyed, this, nullptr);
        d.page->layout()->removeWidget(window);
        window->hide();
        window->setParent(nullptr);
    }
    d.window = nullptr;
    d.placeholder->show();
    updateCommands();
}

QWidget* MainWindow::dockedWindow(Page page) const { return docked_[static_cast<std::size_t>(page)].window; }

shell::PageCommands* MainWindow::commandsOf(Page page) const
{
    const auto& d = docked_[static_cast<std::size_t>(page)];
    return d.window ? d.commands : nullptr;
}

void MainWindow::commandsChanged() { updateCommands(); }

void MainWindow::refreshFormulaPage()
{
    if (shell::PageCommands* commands = commandsOf(Page::formulas); commands && commands->offers(shell::PageCommand::refill))
        runGuarded([commands] { commands->run(shell::PageCommand::refill); });
}

void MainWindow::updateCommands()
{
    if (!formulaMenu_)
        return;
    for (QAction* a : formulaActions_)
        a->setEnabled(formulaMode_);
    for (QAction* a : conversionActions_)
        a->setEnabled(!formulaMode_);
    // A forwarded command runs only when its window is docked and can run it now.
    for (const ForwardedAction& f : forwardedActions_) {
        const shell::PageCommands* commands = commandsOf(f.page);
        if (!commands || !commands->offers(f.command))
            f.action->setEnabled(false);
    }
}

void MainWindow::runPageCommand(Page page, shell::PageCommand command)
{
    shell::PageCommands* commands = commandsOf(page);
    if (!commands || !commands->offers(command))
        return;
    runGuarded([commands, command] { commands->run(command); });
    updateCommands();
}

void MainWindow::runGuarded(const std::function<void()>& command)
{
    // Errors of the spreadsheet link carry their German text; the command ends there,
    // and what it has already done stays done.
    try {
        command();
    } catch (const std::exception& e) {
        messages_.show(e.what());
    }
}

// ---------------------------------------------------------------- dialogs

void MainWindow::createNumberFormatDialog()
{
    if (numberFormatDialog_)
        return;
    numberFormatDialog_ = new engine::NumberFormatDialog(this);
    connect(numberFormatDialog_, &engine::NumberFormatDialog::helpRequested, this,
            [this](int) { openDocument(texts::kFormulaHelp, texts::kNumberFormatAnchor); });
}

engine::NumberFormatDialog& MainWindow::numberFormatDialog()
{
    createNumberFormatDialog();
    return *numberFormatDialog_;
}

void MainWindow::createOptionsDialogs()
{
    if (!conversionOptionsDialog_) {
        conversionOptionsDialog_ =
            new OptionsDialog(toQString(texts::kConversionOptionsCaption), captions(texts::kConversionTargets),
                              captions(texts::kConversionContents), this);
        connect(conversionOptionsDialog_, &OptionsDialog::helpRequested, this,
                [this] { openDocument(texts::kProgramHelp, texts::kOptionsAnchor); });
    }
    if (!formulaOptionsDialog_) {
        formulaOptionsDialog_ = new OptionsDialog(toQString(texts::kFormulaOptionsCaption),
                                                  captions(texts::kFormulaTargets), captions(texts::kFormulaContents), this);
        connect(formulaOptionsDialog_, &OptionsDialog::helpRequested, this,
                [this] { openDocument(texts::kProgramHelp, texts::kOptionsAnchor); });
    }
}

void MainWindow::createExcelVersionDialog()
{
    if (!excelVersionDialog_)
        excelVersionDialog_ = new ExcelVersionDialog(this);
}

void MainWindow::editFormulaOptions()
{
    createOptionsDialogs();
    if (formulaOptionsDialog_->ask(options_.formulaTarget, options_.formulaContent)) {
        options_.formulaTarget = formulaOptionsDialog_->chosenTarget();
        options_.formulaContent = formulaOptionsDialog_->chosenContent();
    }
}

void MainWindow::editConversionOptions()
{
    createOptionsDialogs();
    if (conversionOptionsDialog_->ask(options_.conversionTarget, options_.conversionContent)) {
        options_.conversionTarget = conversionOptionsDialog_->chosenTarget();
        options_.conversionContent = conversionOptionsDialog_->chosenContent();
    }
}

void MainWindow::askExcelVersion()
{
    createExcelVersionDialog();
    setDialect(excelVersionDialog_->ask(dialect()));
    writeSettingsFile();
}

// The settings file keeps the Excel version as a flag; everything else speaks of the dialect.
spreadsheet::Dialect MainWindow::dialect() const
{
    return options_.excelXP ? spreadsheet::Dialect::excelXP : spreadsheet::Dialect::older;
}

void MainWindow::setDialect(spreadsheet::Dialect dialect)
{
    options_.excelXP = dialect == spreadsheet::Dialect::excelXP;
}

// ---------------------------------------------------------------- settings file

std::filesystem::path MainWindow::settingsPath() const
{
    return fileio::resolveNoCase(dataPrefix_ / settings::texts::kFileName);
}

void MainWindow::readSettingsFile()
{
    const auto result = settings::readSettings(fileio::readAll(settingsPath()));
    switch (result.outcome) {
    case settings::ReadOutcome::wrongIdentification:
        messages_.show(std::string(settings::texts::kCannotLoad));
        return;
    case settings::ReadOutcome::complete:
        applyWindowRecord(result);
        settings::applyOptions(result, options_);
        return;
    case settings::ReadOutcome::faulty:
        // What was read before the fault stays; the Excel version is asked for. The
        // window is placed after the questions, since showing them gives the still
        // hidden window its frame.
        createExcelVersionDialog();
        setDialect(excelVersionDialog_->ask(spreadsheet::Dialect::older));
        messages_.show(std::string(settings::texts::kFaulty));
        applyWindowRecord(result);
        settings::applyOptions(result, options_);
        // The version dialog stores its answer, so the question is not asked again at
        // every start; the file is written once the window stands where it will stay.
        versionAnswerToWrite_ = true;
        return;
    }
}

void MainWindow::applyWindowRecord(const settings::ReadResult& r)
{
    if (!r.state)
        return;
    if (*r.state == WindowState::Normal) {
        if (r.width)
            resize(*r.width, height());
        if (r.height)
            resize(width(), *r.height);
        if (r.top)
            move(x(), *r.top);
        if (r.left)
            move(*r.left, y());
        keepOnScreen();
    }
    switch (*r.state) {
    case WindowState::Normal: setWindowState(Qt::WindowNoState); break;
    case WindowState::Minimized: setWindowState(Qt::WindowMinimized); break;
    case WindowState::Maximized: setWindowState(Qt::WindowMaximized); break;
    }
}

void MainWindow::keepOnScreen()
{
    // A file written on a larger screen (or with a second screen since removed) must
    // not put the window where nobody can reach it.
    const QRect frame(pos(), size());
    for (QScreen* screen : QApplication::screens()) {
        if (screen->availableGeometry().intersects(frame))
            return;
    }
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
}

void MainWindow::showAsRead()
{
    if (windowState() & Qt::WindowMaximized)
        showMaximized();
    else if (windowState() & Qt::WindowMinimized)
        showMinimized();
    else
        show();
    if (versionAnswerToWrite_) {
        versionAnswerToWrite_ = false;
        writeSettingsFile();
    }
}

WindowPlacement MainWindow::currentWindowRecord() const
{
    WindowPlacement r;
    if (windowState() & Qt::WindowMinimized)
        r.state = WindowState::Minimized;
    else if (windowState() & Qt::WindowMaximized)
        r.state = WindowState::Maximized;
    r.width = width();
    r.height = height();
    r.top = y();
    r.left = x();
    return r;
}

void MainWindow::saveSettings() { writeSettingsFile(); }

bool MainWindow::writeSettingsFile()
{
    const std::string error =
        fileio::writeAtomically(settingsPath(), settings::writeSettings(currentWindowRecord(), options_));
    if (error.empty())
        return true;
    messages_.show(std::string(settings::texts::kCannotSave) + "\n" + error);
    return false;
}

// ---------------------------------------------------------------- closing

void MainWindow::closeMainWindow() { close(); }

void MainWindow::startExcel()
{
    runGuarded([this] { link_->prepare(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing is always allowed and ends the program; the settings are not saved.
    // A ready Excel gets its macro workbook closed, and Excel's conversation ending
    // on the way out is not reported.
    runGuarded([this] { link_->closeDown(); });
    event->accept();
}

} // namespace quillmar::app
