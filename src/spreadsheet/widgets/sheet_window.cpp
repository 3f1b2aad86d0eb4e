#include "spreadsheet/widgets/sheet_window.h"

#include "spreadsheet/widgets/sheet_model.h"
#include "spreadsheet/widgets/sheet_window_texts.h"
#include "spreadsheet/widgets/spreadsheet_settings.h"
#include "support/widgets/qt_text.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace quillmar::spreadsheet {

using server::CellAddress;

SheetWindow::SheetWindow(server::SpreadsheetServer& server, server::WorkbookSaver& saver, Messages& messages,
                         QWidget* parent)
    : QMainWindow(parent), server_(server), saver_(saver), messages_(messages)
{
    setWindowTitle(toQString(texts::kWindowTitle));
    // The program ends with its main window, also while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(toQString(texts::kWorkbookLabel), central));
    workbookChooser_ = new QComboBox(central);
    workbookChooser_->setMinimumContentsLength(14);
    top->addWidget(workbookChooser_);
    formulaBar_ = new QLineEdit(central);
    formulaBar_->setReadOnly(true);
    top->addWidget(formulaBar_, 1);
    layout->addLayout(top);

    model_ = new SheetModel(server_, this);
    model_->setOnRefused([this](const std::string& reason) { messages_.show(reason); });
    grid_ = new QTableView(central);
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    layout->addWidget(grid_, 1);

    sheetTabs_ = new QTabBar(central);
    sheetTabs_->setShape(QTabBar::RoundedSouth);
    sheetTabs_->setExpanding(false);
    layout->addWidget(sheetTabs_);
    setCentralWidget(central);

    createMenus();

    // Bursts of commands are shown once, after the burst.
    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(0);
    connect(refreshTimer_, &QTimer::timeout, this, &SheetWindow::showServerState);

    connect(workbookChooser_, &QComboBox::activated, this, &SheetWindow::activateChosenWorkbook);
    connect(sheetTabs_, &QTabBar::tabBarClicked, this, &SheetWindow::activateChosenSheet);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SheetWindow::passUserSelectionToServer);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SheetWindow::showFormulaOfCurrentCell);
    // Enter takes the typed value and goes on to the cell below, as in a spreadsheet.
    connect(grid_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                const QModelIndex current = grid_->currentIndex();
                if (hint == QAbstractItemDelegate::SubmitModelCache && current.isValid() &&
                    current.row() + 1 < model_->rowCount())
                    grid_->setCurrentIndex(model_->index(current.row() + 1, current.column()));
            });

    resize(760, 480);
    restoreSheetWindowGeometry(*this);
    server_.addObserver(this);
    showServerState();
}

SheetWindow::~SheetWindow()
{
    server_.removeObserver(this);
}

void SheetWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(toQString(texts::kFileMenu));
    QAction* saveAs = file->addAction(toQString(texts::kSaveAs));
    saveAs->setShortcut(QKeySequence::SaveAs);
    connect(saveAs, &QAction::triggered, this, &SheetWindow::chooseFileAndSaveWorkbook);
    QAction* folder = file->addAction(toQString(texts::kChooseFolder));
    connect(folder, &QAction::triggered, this, &SheetWindow::chooseWorkbookFolder);
    file->addSeparator();
    QMenu* edit = menuBar()->addMenu(toQString(texts::kEditMenu));
    QAction* copy = edit->addAction(toQString(texts::kCopy));
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &SheetWindow::copySelection);
    QAction* clear = edit->addAction(toQString(texts::kClear));
    clear->setShortcut(QKeySequence::Delete);
    connect(clear, &QAction::triggered, this, &SheetWindow::clearSelection);
    QAction* close = file->addAction(toQString(texts::kCloseWindow));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void SheetWindow::contentChanged()
{
    refreshTimer_->start();
}

void SheetWindow::workbookClosing(server::Workbook& book)
{
    // The grid must let go of the workbook now: it may paint before the next refresh.
    if (model_->book() == &book)
        model_->showSheet(nullptr, 0);
    refreshTimer_->start();
}

void SheetWindow::minimizeRequested()
{
    if (isVisible())
        showMinimized();
}

void SheetWindow::restoreRequested()
{
    showNormal();
    raise();
    activateWindow();
    showServerState(); // scrolls to the selection in the window's real size
}

void SheetWindow::showServerState()
{
    followingServer_ = true;
    server::Workbook* active = server_.activeWorkbook();

    workbookChooser_->clear();
    for (const auto& book : server_.workbooks())
        if (!book->hidden)
            workbookChooser_->addItem(QString::fromStdString(book->name));
    if (!active)
        workbookChooser_->addItem(toQString(texts::kNoWorkbook));
    workbookChooser_->setCurrentText(active ? QString::fromStdString(active->name) : toQString(texts::kNoWorkbook));

    while (sheetTabs_->count() > 0)
        sheetTabs_->removeTab(0);
    if (active) {
        for (const auto& sheet : active->sheets)
            sheetTabs_->addTab(QString::fromStdString(sheet->name()));
        sheetTabs_->setCurrentIndex(active->activeSheet);
    }

    model_->showSheet(active, active ? active->activeSheet : 0);
    if (const server::Sheet* sheet = model_->sheet()) {
        const int charWidth = grid_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        for (int column = 0; column < model_->columnCount(); ++column)
            grid_->setColumnWidth(column, static_cast<int>(sheet->columnWidth(column + 1) * charWidth) + 10);
        const server::Selection& s = sheet->selection();
        const QModelIndex current = model_->index(s.active.row - 1, s.active.column - 1);
        const QItemSelection range(model_->index(s.first.row - 1, s.first.column - 1),
                                   model_->index(s.last.row - 1, s.last.column - 1));
        grid_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        grid_->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
        grid_->scrollTo(current);
    }
    showFormulaOfCurrentCell();
    followingServer_ = false;
}

void SheetWindow::showFormulaOfCurrentCell()
{
    const server::Sheet* sheet = model_->sheet();
    const QModelIndex current = grid_->selectionModel()->currentIndex();
    if (!sheet || !current.isValid()) {
        formulaBar_->clear();
        return;
    }
    const CellAddress at{current.row() + 1, current.column() + 1};
    formulaBar_->setText(QString::fromStdString(server::formatZS(at) + "   " + sheet->input(at)));
}

void SheetWindow::passUserSelectionToServer()
{
    if (followingServer_ || !model_->book())
        return;
    const QModelIndexList picked = grid_->selectionModel()->selectedIndexes();
    if (picked.isEmpty())
        return;
    int top = picked.first().row(), bottom = top, left = picked.first().column(), right = left;
    for (const QModelIndex& i : picked) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    QModelIndex current = grid_->selectionModel()->currentIndex();
    if (!current.isValid())
        current = model_->index(top, left);
    // The active cell is a corner of the range; the opposite corner ends it.
    const CellAddress from{current.row() + 1, current.column() + 1};
    const CellAddress to{from.row == top + 1 ? bottom + 1 : top + 1, from.column == left + 1 ? right + 1 : left + 1};
    server_.select(*model_->book(), from, to);
}

void SheetWindow::activateChosenWorkbook(int index)
{
    const QString name = workbookChooser_->itemText(index);
    if (server::Workbook* book = server_.findWorkbook(name.toStdString()))
        server_.activate(*book);
}

void SheetWindow::activateChosenSheet(int index)
{
    if (server::Workbook* book = model_->book(); book && index >= 0)
        server_.activateSheet(*book, index);
}

void SheetWindow::copySelection()
{
    const server::Sheet* sheet = model_->sheet();
    if (!sheet)
        return;
    const server::Selection& s = sheet->selection();
    QGuiApplication::clipboard()->setText(QString::fromStdString(sheet->rangeAsText(s.first, s.last)));
}

void SheetWindow::clearSelection()
{
    server::Workbook* book = model_->book();
    const server::Sheet* sheet = model_->sheet();
    if (!book || !sheet)
        return;
    const server::Selection s = sheet->selection();
    const std::string refused = server_.clearByUser(*book, model_->sheetIndex(), s.first, s.last);
    if (!refused.empty())
        messages_.show(refused);
}

bool SheetWindow::saveShownWorkbookAs(const QString& file)
{
    server::Workbook* book = model_->book();
    if (!book || file.isEmpty())
        return false;
    const std::string error = saver_.saveAs(*book, file.toStdString());
    if (!error.empty()) {
        messages_.show(error);
        return false;
    }
    return true;
}

void SheetWindow::chooseFileAndSaveWorkbook()
{
    server::Workbook* book = model_->book();
    if (!book)
        return;
    const QString start = QString::fromStdString(
        (saver_.folder() / (std::filesystem::path(book->name).stem().string() + ".xlsx")).string());
    QString file = QFileDialog::getSaveFileName(this, toQString(texts::kSaveAs).remove(QLatin1Char('&')),
                                                start, toQString(texts::kSaveAsFilter));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        file += QLatin1String(".xlsx");
    saveShownWorkbookAs(file);
}

void SheetWindow::chooseWorkbookFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, toQString(texts::kChooseFolderCaption),
                                                             QString::fromStdString(saver_.folder().string()));
    if (folder.isEmpty())
        return;
    saver_.setFolder(folder.toStdString());
    storeWorkbookFolder(folder);
    saver_.saveChanged();
}

void SheetWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides the window; the spreadsheet keeps running for the link.
    storeSheetWindowGeometry(*this);
    event->accept();
}

} // namespace quillmar::spreadsheet
