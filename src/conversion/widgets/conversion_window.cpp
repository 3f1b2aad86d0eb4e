#include "conversion/widgets/conversion_window.h"

#include "conversion/texts.h"
#include "conversion/widgets/new_unit_table_dialog.h"
#include "conversion/widgets/record_navigator.h"
#include "conversion/widgets/table_model.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_edit.h"
#include "engine/widgets/number_format_dialog.h"
#include "typeset/widgets/formula_label.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillmar::conversion {

namespace {

constexpr const char* kDefaultPattern = "0.000";
// The two unit lists: "from" yellow, "into" aqua.
const QColor kFromColour(255, 255, 160);
const QColor kIntoColour(160, 255, 255);
const QColor kResultColour(255, 255, 128);

QListWidget* colouredList(const QColor& colour, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    QPalette p = list->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    list->setPalette(p);
    list->setMinimumWidth(170);
    return list;
}

QWidget* titled(std::string_view title, QWidget* content, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(toQString(title), box);
    label->setBuddy(content);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    return box;
}

QTableView* makeGrid(TableModel* model, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    // Columns as wide as their contents whenever a table is loaded.
    QObject::connect(model, &QAbstractItemModel::modelReset, grid, &QTableView::resizeColumnsToContents);
    return grid;
}

// A tool bar button that shows its caption beside its icon.
QAction* addTextButton(QToolBar& bar, const char* name, std::string_view caption, QStyle::StandardPixmap icon)
{
    auto* action = new QAction(bar.style()->standardIcon(icon), toQString(caption), &bar);
    action->setObjectName(QString::fromLatin1(name));
    auto* button = new QToolButton(&bar);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar.addWidget(button);
    return action;
}

} // namespace

ConversionWindow::ConversionWindow(std::filesystem::path prefix, Messages& messages, NumberFormatSource numberFormat,
                         QWidget* parent)
    : QWidget(parent), messages_(messages), numberFormat_(std::move(numberFormat))
{
    setObjectName(QStringLiteral("ConversionWindow"));
    listModel = new TableModel(state_.quantityList(), messages_, this);
    unitModel = new TableModel(state_.unitTable(), messages_, this);

    pages_ = new QTabWidget(this);
    pages_->addTab(makeDisplayPage(), toQString(texts::kPageDisplay));
    pages_->addTab(makeEditPage(), toQString(texts::kPageEdit));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pages_);

    newTableDialog = new NewUnitTableDialog(this);

    if (const std::string error = state_.loadQuantityList(prefix); !error.empty())
        messages_.show(error);
    listModel->reload();
    unitModel->reload();
    refillQuantities();
    if (listModel->rowCount() > 0)
        ListGrid->selectRow(0);
}

ConversionWindow::~ConversionWindow() = default;

QWidget* ConversionWindow::makeDisplayPage()
{
    auto* page = new QWidget;
    ListBox1 = new QListWidget(page);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setMinimumWidth(170);
    ListBox2 = colouredList(kFromColour, page);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox3 = colouredList(kIntoColour, page);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    connect(ListBox1, &QListWidget::currentRowChanged, this, &ConversionWindow::quantityChosen);
    connect(ListBox2, &QListWidget::currentRowChanged, this, &ConversionWindow::unitChosen);
    connect(ListBox3, &QListWidget::currentRowChanged, this, &ConversionWindow::unitChosen);

    auto* lists = new QHBoxLayout;
    lists->addWidget(titled(texts::kChooseQuantity, ListBox1, page), 1);
    lists->addWidget(titled(texts::kConvertFrom, ListBox2, page), 1);
    lists->addWidget(titled(texts::kConvertInto, ListBox3, page), 1);

    auto* valueBox = new QGroupBox(toQString(texts::kEnterValue), page);
    Edit1 = new engine::NumberEdit(valueBox);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinValue(-1e60L);
    Edit1->setMaxValue(1e60L);
    Edit1->setText(QStringLiteral("1"));
    Edit1->setMinimumWidth(140);
    connect(Edit1, &QLineEdit::returnPressed, this, &ConversionWindow::Rechne1Click);
    auto* valueLayout = new QVBoxLayout(valueBox);
    valueLayout->addWidget(Edit1);

    txtshape1 = new typeset::FormulaLabel(page);
    txtshape1->setObjectName(QStringLiteral("txtshape1"));
    txtshape1->setTag(1); // the layout gives it its width
    txtshape1->setShape(typeset::FrameKind::roundRect);
    txtshape1->setBrush(QBrush(kResultColour));
    txtshape1->setTextX(16);
    txtshape1->setTextY(20);
    txtshape1->setText(QString());
    QFont resultFont = font();
    resultFont.setPointSizeF(resultFont.pointSizeF() * 1.4);
    txtshape1->setFont(resultFont);
    txtshape1->setMinimumHeight(64);
    txtshape1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    RechneBtn = new QPushButton(toQString(texts::kCompute), page);
    ZahlenformatBtn = new QPushButton(toQString(texts::kNumberFormat), page);
    SchliessenBtn = new QPushButton(toQString(texts::kClose), page);
    connect(RechneBtn, &QPushButton::clicked, this, &ConversionWindow::Rechne1Click);
    connect(ZahlenformatBtn, &QPushButton::clicked, this, &ConversionWindow::Zahlenformat1Click);
    connect(SchliessenBtn, &QPushButton::clicked, this, &ConversionWindow::closeRequested);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(RechneBtn);
    buttons->addWidget(ZahlenformatBtn);
    buttons->addStretch(1);
    buttons->addWidget(SchliessenBtn);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(valueBox, 0, Qt::AlignTop);
    bottom->addWidget(txtshape1, 1, Qt::AlignVCenter);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    return page;
}

QWidget* ConversionWindow::makeEditPage()
{
    auto* page = new QWidget;
    auto* splitter = new QSplitter(Qt::Vertical, page);

    auto* upper = new QWidget(splitter);
    auto* listBar = new QToolBar(toQString(texts::kQuantityListBar), upper);
    listBar->setObjectName(QStringLiteral("listBar"));
    QAction* newTable = addTextButton(*listBar, "newTable", texts::kNewTable, QStyle::SP_FileIcon);
    connect(newTable, &QAction::triggered, this, &ConversionWindow::NeueTabelleClick);
    QAction* saveList = addTextButton(*listBar, "saveList", texts::kSave, QStyle::SP_DialogSaveButton);
    connect(saveList, &QAction::triggered, this, &ConversionWindow::SpeichernListeClick);
    listBar->addSeparator();
    ListGrid = makeGrid(listModel, upper);
    ListGrid->setObjectName(QStringLiteral("ListGrid"));
    listNavigator = new RecordNavigator(*listBar, *ListGrid, *listModel, false);
    connect(listNavigator, &RecordNavigator::refreshRequested, this, &ConversionWindow::refreshList);
    connect(ListGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { listRowChanged(current.row()); });
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(listBar);
    upperLayout->addWidget(ListGrid);

    auto* lower = new QWidget(splitter);
    auto* unitBar = new QToolBar(toQString(texts::kUnitTableBar), lower);
    unitBar->setObjectName(QStringLiteral("unitBar"));
    QAction* saveUnits = addTextButton(*unitBar, "saveUnits", texts::kSave, QStyle::SP_DialogSaveButton);
    connect(saveUnits, &QAction::triggered, this, &ConversionWindow::SpeichernEinheitenClick);
    unitBar->addSeparator();
    UnitGrid = makeGrid(unitModel, lower);
    UnitGrid->setObjectName(QStringLiteral("UnitGrid"));
    unitNavigator = new RecordNavigator(*unitBar, *UnitGrid, *unitModel, true);
    connect(unitNavigator, &RecordNavigator::refreshRequested, this, &ConversionWindow::refreshUnits);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(unitBar);
    lowerLayout->addWidget(UnitGrid);

    splitter->addWidget(upper);
    splitter->addWidget(lower);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(splitter);
    return page;
}

QString ConversionWindow::pattern() const
{
    engine::NumberFormatDialog* dialog = numberFormat_ ? numberFormat_() : nullptr;
    return dialog ? dialog->pattern() : QString::fromLatin1(kDefaultPattern);
}

bool ConversionWindow::ask(const QString& question)
{
    return QMessageBox::question(window(), QApplication::applicationDisplayName(), question) == QMessageBox::Yes;
}

// ------------------------------------------------------------ display page

void ConversionWindow::refillQuantities()
{
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->clear();
        for (const QuantityEntry& q : state_.quantities())
            ListBox1->addItem(toQString(q.name));
        ListBox1->setCurrentRow(state_.chosenQuantity());
    }
    refillUnits();
}

void ConversionWindow::refillUnits()
{
    for (QListWidget* list : {ListBox2, ListBox3}) {
        const QSignalBlocker block(list);
        list->clear();
        for (const Unit& u : state_.units())
            list->addItem(toQString(u.name));
    }
    const int count = static_cast<int>(state_.units().size());
    {
        // The lists show the pair that a conversion uses.
        const QSignalBlocker blockFrom(ListBox2);
        const QSignalBlocker blockTo(ListBox3);
        ListBox2->setCurrentRow(state_.fromUnit() < count ? state_.fromUnit() : -1);
        ListBox3->setCurrentRow(state_.toUnit() < count ? state_.toUnit() : -1);
    }
    showResult();
}

void ConversionWindow::showResult()
{
    txtshape1->setText(toQString(state_.markup()));
}

void ConversionWindow::quantityChosen(int row)
{
    if (row < 0)
        return;
    const std::string error = state_.chooseQuantity(row);
    refillUnits();
    if (!error.empty())
        messages_.show(error);
}

void ConversionWindow::unitChosen()
{
    state_.setFromUnit(ListBox2->currentRow());
    state_.setToUnit(ListBox3->currentRow());
    Rechne1Click();
}

bool ConversionWindow::Rechne1Click()
{
    const Conversion result = state_.convert(toStdString(Edit1->text()), toStdString(pattern()));
    if (!result.ok()) {
        messages_.show(result.error);
        return false;
    }
    showResult();
    return true;
}

void ConversionWindow::Zahlenformat1Click()
{
    if (engine::NumberFormatDialog* dialog = numberFormat_ ? numberFormat_() : nullptr)
        dialog->exec();
    // Reformat what is shown, whatever the dialog's answer.
    if (state_.chosenQuantity() >= 0 && !state_.markup().empty())
        Rechne1Click();
}

// ------------------------------------------------------------ editing page

void ConversionWindow::keepUnitChanges()
{
    if (!unitModel->modified() || !state_.unitTableOpen())
        return;
    const std::string file = state_.unitTableFile().filename().string();
    QString question = toQString(texts::kAskSaveUnits);
    question.replace(QStringLiteral("%1"), toQString(file));
    if (ask(question))
        SpeichernEinheitenClick();
}

void ConversionWindow::offerToSaveChanges()
{
    listNavigator->post();
    unitNavigator->post();
    if (listModel->modified() && ask(toQString(texts::kAskSaveList)))
        SpeichernListeClick();
    keepUnitChanges();
}

void ConversionWindow::listRowChanged(int row)
{
    keepUnitChanges();
    collection::Table& list = state_.quantityList();
    if (row >= 0 && static_cast<std::size_t>(row) < list.recordCount())
        list.setRecNo(static_cast<std::size_t>(row) + 1);
    state_.followListCursor();
    unitModel->reload();
}

void ConversionWindow::NeueTabelleClick()
{
    newTableDialog->clear();
    if (newTableDialog->exec() != QDialog::Accepted)
        return;
    keepUnitChanges();
    const std::string error = state_.createUnitTable(toStdString(newTableDialog->quantityName()),
                                                     toStdString(newTableDialog->fileName()),
                                                     toStdString(newTableDialog->variableName()));
    if (!error.empty()) {
        messages_.show(error);
        return;
    }
    listModel->reload();
    unitModel->reload();
    refillQuantities();
    // The new entry, ready for its units.
    const QSignalBlocker block(ListGrid->selectionModel());
    ListGrid->selectRow(listModel->rowCount() - 1);
}

void ConversionWindow::SpeichernListeClick()
{
    listNavigator->post();
    if (const std::string error = state_.saveQuantityList(); !error.empty()) {
        messages_.show(error);
        return;
    }
    listModel->markSaved();
    refillQuantities();
}

void ConversionWindow::SpeichernEinheitenClick()
{
    unitNavigator->post();
    if (const std::string error = state_.saveUnitTable(); !error.empty()) {
        messages_.show(error);
        return;
    }
    unitModel->markSaved();
    refillQuantities();
}

void ConversionWindow::refreshList()
{
    listNavigator->cancel();
    if ((listModel->modified() || unitModel->modified()) && !ask(toQString(texts::kAskDiscard)))
        return;
    const int row = ListGrid->currentIndex().row();
    if (const std::string error = state_.loadQuantityList(state_.prefix()); !error.empty())
        messages_.show(error);
    listModel->reload();
    refillQuantities();
    if (listModel->rowCount() > 0)
        ListGrid->selectRow(std::clamp(row, 0, listModel->rowCount() - 1));
    state_.followListCursor();
    unitModel->reload();
}

void ConversionWindow::refreshUnits()
{
    unitNavigator->cancel();
    if (unitModel->modified() && !ask(toQString(texts::kAskDiscard)))
        return;
    state_.followListCursor();
    unitModel->reload();
}

} // namespace quillmar::conversion
