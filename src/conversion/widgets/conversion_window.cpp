#include "conversion/widgets/conversion_window.h"

#include "conversion/texts.h"
#include "conversion/widgets/new_unit_table_dialog.h"
#include "conversion/widgets/record_navigator.h"
#include "conversion/widgets/table_model.h"
#include "support/text.h"
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
    quantityModel_ = new TableModel(state_.quantityList(), messages_, this);
    unitModel_ = new TableModel(state_.unitTable(), messages_, this);

    pages_ = new QTabWidget(this);
    pages_->addTab(makeDisplayPage(), toQString(texts::kPageDisplay));
    pages_->addTab(makeEditPage(), toQString(texts::kPageEdit));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pages_);

    newTableDialog_ = new NewUnitTableDialog(this);

    if (const std::string error = state_.loadQuantityList(prefix); !error.empty())
        messages_.show(error);
    quantityModel_->reload();
    unitModel_->reload();
    refillQuantities();
    if (quantityModel_->rowCount() > 0)
        quantityGrid_->selectRow(0);
}

ConversionWindow::~ConversionWindow() = default;

ConversionWindow::Controls ConversionWindow::controls() const
{
    return {pages_, quantityList_, fromUnitList_, toUnitList_, valueEdit_, resultLabel_, calculateButton_,
            numberFormatButton_, closeButton_, quantityGrid_, unitGrid_, quantityModel_, unitModel_, newTableDialog_};
}

QString ConversionWindow::valueText() const
{
    return valueEdit_->text();
}

void ConversionWindow::setValueText(const QString& text)
{
    valueEdit_->setText(text);
}

QWidget* ConversionWindow::makeDisplayPage()
{
    auto* page = new QWidget;
    quantityList_ = new QListWidget(page);
    quantityList_->setObjectName(QStringLiteral("quantityList"));
    quantityList_->setMinimumWidth(170);
    fromUnitList_ = colouredList(kFromColour, page);
    fromUnitList_->setObjectName(QStringLiteral("fromUnitList"));
    toUnitList_ = colouredList(kIntoColour, page);
    toUnitList_->setObjectName(QStringLiteral("toUnitList"));
    connect(quantityList_, &QListWidget::currentRowChanged, this, &ConversionWindow::quantityChosen);
    connect(fromUnitList_, &QListWidget::currentRowChanged, this, &ConversionWindow::unitChosen);
    connect(toUnitList_, &QListWidget::currentRowChanged, this, &ConversionWindow::unitChosen);

    auto* lists = new QHBoxLayout;
    lists->addWidget(titled(texts::kChooseQuantity, quantityList_, page), 1);
    lists->addWidget(titled(texts::kConvertFrom, fromUnitList_, page), 1);
    lists->addWidget(titled(texts::kConvertInto, toUnitList_, page), 1);

    auto* valueBox = new QGroupBox(toQString(texts::kEnterValue), page);
    valueEdit_ = new engine::NumberEdit(valueBox);
    valueEdit_->setObjectName(QStringLiteral("valueEdit"));
    valueEdit_->setMinValue(-1e60L);
    valueEdit_->setMaxValue(1e60L);
    valueEdit_->setText(QStringLiteral("1"));
    valueEdit_->setMinimumWidth(140);
    connect(valueEdit_, &QLineEdit::returnPressed, this, &ConversionWindow::calculate);
    auto* valueLayout = new QVBoxLayout(valueBox);
    valueLayout->addWidget(valueEdit_);

    resultLabel_ = new typeset::FormulaLabel(page);
    resultLabel_->setObjectName(QStringLiteral("resultLabel"));
    resultLabel_->setTag(1); // the layout gives it its width
    resultLabel_->setShape(typeset::FrameKind::roundRect);
    resultLabel_->setBrush(QBrush(kResultColour));
    resultLabel_->setTextX(16);
    resultLabel_->setTextY(20);
    resultLabel_->setText(QString());
    QFont resultFont = font();
    resultFont.setPointSizeF(resultFont.pointSizeF() * 1.4);
    resultLabel_->setFont(resultFont);
    resultLabel_->setMinimumHeight(64);
    resultLabel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    calculateButton_ = new QPushButton(toQString(texts::kCompute), page);
    numberFormatButton_ = new QPushButton(toQString(texts::kNumberFormat), page);
    closeButton_ = new QPushButton(toQString(texts::kClose), page);
    connect(calculateButton_, &QPushButton::clicked, this, &ConversionWindow::calculate);
    connect(numberFormatButton_, &QPushButton::clicked, this, &ConversionWindow::chooseNumberFormat);
    connect(closeButton_, &QPushButton::clicked, this, &ConversionWindow::closeRequested);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(calculateButton_);
    buttons->addWidget(numberFormatButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(valueBox, 0, Qt::AlignTop);
    bottom->addWidget(resultLabel_, 1, Qt::AlignVCenter);
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
    connect(newTable, &QAction::triggered, this, &ConversionWindow::newUnitTable);
    QAction* saveList = addTextButton(*listBar, "saveList", texts::kSave, QStyle::SP_DialogSaveButton);
    connect(saveList, &QAction::triggered, this, &ConversionWindow::saveQuantityList);
    listBar->addSeparator();
    quantityGrid_ = makeGrid(quantityModel_, upper);
    quantityGrid_->setObjectName(QStringLiteral("quantityGrid"));
    quantityNavigator_ = new RecordNavigator(*listBar, *quantityGrid_, *quantityModel_, false);
    connect(quantityNavigator_, &RecordNavigator::refreshRequested, this, &ConversionWindow::reloadQuantityList);
    connect(quantityGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { quantityRowChanged(current.row()); });
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(listBar);
    upperLayout->addWidget(quantityGrid_);

    auto* lower = new QWidget(splitter);
    auto* unitBar = new QToolBar(toQString(texts::kUnitTableBar), lower);
    unitBar->setObjectName(QStringLiteral("unitBar"));
    QAction* saveUnits = addTextButton(*unitBar, "saveUnits", texts::kSave, QStyle::SP_DialogSaveButton);
    connect(saveUnits, &QAction::triggered, this, &ConversionWindow::saveUnitTable);
    unitBar->addSeparator();
    unitGrid_ = makeGrid(unitModel_, lower);
    unitGrid_->setObjectName(QStringLiteral("unitGrid"));
    unitNavigator_ = new RecordNavigator(*unitBar, *unitGrid_, *unitModel_, true);
    connect(unitNavigator_, &RecordNavigator::refreshRequested, this, &ConversionWindow::reloadUnitTable);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(unitBar);
    lowerLayout->addWidget(unitGrid_);

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
        const QSignalBlocker block(quantityList_);
        quantityList_->clear();
        for (const QuantityEntry& q : state_.quantities())
            quantityList_->addItem(toQString(q.name));
        quantityList_->setCurrentRow(state_.chosenQuantity());
    }
    refillUnits();
}

void ConversionWindow::refillUnits()
{
    for (QListWidget* list : {fromUnitList_, toUnitList_}) {
        const QSignalBlocker block(list);
        list->clear();
        for (const Unit& u : state_.units())
            list->addItem(toQString(u.name));
    }
    const int count = static_cast<int>(state_.units().size());
    {
        // The lists show the pair that a conversion uses.
        const QSignalBlocker blockFrom(fromUnitList_);
        const QSignalBlocker blockTo(toUnitList_);
        fromUnitList_->setCurrentRow(state_.fromUnit() < count ? state_.fromUnit() : -1);
        toUnitList_->setCurrentRow(state_.toUnit() < count ? state_.toUnit() : -1);
    }
    showResult();
}

void ConversionWindow::showResult()
{
    resultLabel_->setText(toQString(state_.markup()));
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
    state_.setFromUnit(fromUnitList_->currentRow());
    state_.setToUnit(toUnitList_->currentRow());
    calculate();
}

bool ConversionWindow::calculate()
{
    const Conversion result = state_.convert(toStdString(valueEdit_->text()), toStdString(pattern()));
    if (!result.ok()) {
        messages_.show(result.error);
        return false;
    }
    showResult();
    return true;
}

void ConversionWindow::chooseNumberFormat()
{
    if (engine::NumberFormatDialog* dialog = numberFormat_ ? numberFormat_() : nullptr)
        dialog->exec();
    // Reformat what is shown, whatever the dialog's answer.
    if (state_.chosenQuantity() >= 0 && !state_.markup().empty())
        calculate();
}

// ------------------------------------------------------------ editing page

void ConversionWindow::keepUnitChanges()
{
    if (!unitModel_->modified() || !state_.unitTableOpen())
        return;
    const std::string file = state_.unitTableFile().filename().string();
    if (ask(toQString(text::fillIn(texts::kAskSaveUnits, {file}))))
        saveUnitTable();
}

void ConversionWindow::offerToSaveChanges()
{
    quantityNavigator_->post();
    unitNavigator_->post();
    if (quantityModel_->modified() && ask(toQString(texts::kAskSaveList)))
        saveQuantityList();
    keepUnitChanges();
}

void ConversionWindow::quantityRowChanged(int row)
{
    keepUnitChanges();
    collection::Table& list = state_.quantityList();
    if (row >= 0 && static_cast<std::size_t>(row) < list.recordCount())
        list.setRecNo(static_cast<std::size_t>(row) + 1);
    state_.followListCursor();
    unitModel_->reload();
}

void ConversionWindow::newUnitTable()
{
    newTableDialog_->clear();
    if (newTableDialog_->exec() != QDialog::Accepted)
        return;
    keepUnitChanges();
    const std::string error = state_.createUnitTable(toStdString(newTableDialog_->quantityName()),
                                                     toStdString(newTableDialog_->fileName()),
                                                     toStdString(newTableDialog_->variableName()));
    if (!error.empty()) {
        messages_.show(error);
        return;
    }
    quantityModel_->reload();
    unitModel_->reload();
    refillQuantities();
    // The new entry, ready for its units.
    const QSignalBlocker block(quantityGrid_->selectionModel());
    quantityGrid_->selectRow(quantityModel_->rowCount() - 1);
}

void ConversionWindow::saveQuantityList()
{
    quantityNavigator_->post();
    if (const std::string error = state_.saveQuantityList(); !error.empty()) {
        messages_.show(error);
        return;
    }
    quantityModel_->markSaved();
    refillQuantities();
}

void ConversionWindow::saveUnitTable()
{
    unitNavigator_->post();
    if (const std::string error = state_.saveUnitTable(); !error.empty()) {
        messages_.show(error);
        return;
    }
    unitModel_->markSaved();
    refillQuantities();
}

void ConversionWindow::reloadQuantityList()
{
    quantityNavigator_->cancel();
    if ((quantityModel_->modified() || unitModel_->modified()) && !ask(toQString(texts::kAskDiscard)))
        return;
    const int row = quantityGrid_->currentIndex().row();
    if (const std::string error = state_.loadQuantityList(state_.prefix()); !error.empty())
        messages_.show(error);
    quantityModel_->reload();
    refillQuantities();
    if (quantityModel_->rowCount() > 0)
        quantityGrid_->selectRow(std::clamp(row, 0, quantityModel_->rowCount() - 1));
    state_.followListCursor();
    unitModel_->reload();
}

void ConversionWindow::reloadUnitTable()
{
    unitNavigator_->cancel();
    if (unitModel_->modified() && !ask(toQString(texts::kAskDiscard)))
        return;
    state_.followListCursor();
    unitModel_->reload();
}

} // namespace quillmar::conversion
