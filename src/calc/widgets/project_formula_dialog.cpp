#include "calc/widgets/project_formula_dialog.h"

#include "calc/calc_file.h"
#include "calc/project_formulas.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/ui_texts.h"
#include "engine/number_texts.h"
#include "engine/texts.h"
#include "support/text.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_format_dialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace quillmar::calc {

namespace {

constexpr std::array<const char*, 15> kFunctions = {"SIN", "COS",  "TAN", "ARCSIN", "ARCCOS", "ARCTAN", "LG",  "LN",
                                                    "EXP", "SQR",  "SQRT", "SGN",   "RAD",    "GRAD",   "ABS"};
constexpr std::array<const char*, 15> kExamples = {
    "g1(x)=2*x",     "f1(x)=-2*x+1",   "Pa(u)=2*u^2-6*u+1", "x=6*(3*5-4)",      "u=sqr(4)",
    "z=sqrt(9)",     "g2(x)=-3*x+4",   "p1(x)=x^(2/3)",     "p2(x)=2*x^2+3*x+4", "p3(x)=2*(x-2)^2+5",
    "t1(x)=sin(x)",  "t2(x)=cos(x)",   "e(x)=exp(x)",       "l(x)=(x-2)/(x-4)^3", ""};
constexpr std::array<const char*, 20> kKeys = {"7", "8", "9", "+", "(", "4", "5", "6", "-", ")",
                                               "1", "2", "3", "*", "^", "0", ",", "E", "/", "="};

} // namespace

ProjectFormulaDialog::ProjectFormulaDialog(CalcEnvironment& environment, QWidget* parent)
    : QDialog(parent), env_(environment), pattern_(toQString(engine::texts::defaultPattern))
{
    setWindowTitle(toQString(calc::texts::kProjectDialogCaption));
    resize(545, 365);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPixelSize(12);
    setFont(dialogFont);

    auto* layout = new QHBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(createInputPage(), toQString(calc::texts::kInputPage));
    pages_->addTab(createImportPage(), toQString(calc::texts::kImportPage));
    pages_->addTab(createComputePage(), toQString(calc::texts::kComputePage));
    layout->addWidget(pages_, 3);

    auto* side = new QVBoxLayout;
    auto* group = new QGroupBox(toQString(calc::texts::kDefinedGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    definedList_ = new QListWidget(group);
    groupLayout->addWidget(definedList_);
    side->addWidget(group, 1);
    auto* format = new QPushButton(toQString(calc::texts::kNumberFormatButton), this);
    auto* close = new QPushButton(toQString(calc::texts::kProjectCloseButton), this);
    auto* help = new QPushButton(toQString(calc::texts::kProjectHelpButton), this);
    for (QPushButton* b : {format, close, help}) {
        b->setAutoDefault(false);
        side->addWidget(b);
    }
    layout->addLayout(side, 2);

    // A click takes the definition into the edit field, to change and define again.
    connect(definedList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        formulaEdit_->setText(item->text());
        pages_->setCurrentIndex(0);
    });
    connect(format, &QPushButton::clicked, this, [this] {
        engine::NumberFormatDialog& dialog = env_.numberFormat();
        dialog.setPattern(pattern_);
        if (dialog.exec() == QDialog::Accepted)
            pattern_ = dialog.pattern();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { env_.openHelp(); });
}

ProjectFormulaDialog::Controls ProjectFormulaDialog::controls() const
{
    return {pages_,      formulaEdit_,    resultLabel_,  functionList_, exampleList_,
            importList_, expressionEdit_, computedList_, definedList_};
}

QWidget* ProjectFormulaDialog::createInputPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    formulaEdit_ = new QLineEdit(toQString(calc::texts::kInitialFormula), page);
    formulaEdit_->setToolTip(toQString(calc::texts::kExpressionHint));
    formulaEdit_->setMaxLength(255);
    defineButton_ = new QPushButton(toQString(calc::texts::kDefineButton), page);
    defineButton_->setStyleSheet(QStringLiteral("color: red;"));
    defineButton_->setAutoDefault(false);
    layout->addWidget(formulaEdit_, 0, 0, 1, 2);
    layout->addWidget(defineButton_, 0, 2);
    resultLabel_ = new QLabel(page);
    layout->addWidget(resultLabel_, 1, 0, 1, 3);

    auto* pad = new QGridLayout;
    pad->setSpacing(2);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        auto* key = new QPushButton(QString::fromLatin1(kKeys[i]), page);
        key->setFixedSize(26, 24);
        key->setAutoDefault(false);
        key->setFocusPolicy(Qt::NoFocus);
        connect(key, &QPushButton::clicked, this, [this, key] { formulaEdit_->insert(key->text()); });
        pad->addWidget(key, static_cast<int>(i / 5), static_cast<int>(i % 5));
    }
    layout->addLayout(pad, 2, 0, Qt::AlignTop);

    functionList_ = new QListWidget(page);
    functionList_->setToolTip(toQString(calc::texts::kFunctionHint));
    for (const char* name : kFunctions)
        functionList_->addItem(QString::fromLatin1(name));
    exampleList_ = new QListWidget(page);
    for (const char* example : kExamples)
        exampleList_->addItem(QString::fromLatin1(example));
    auto* functionsBox = new QVBoxLayout;
    functionsBox->addWidget(new QLabel(toQString(calc::texts::kFunctionsLabel), page));
    functionsBox->addWidget(functionList_);
    auto* examplesBox = new QVBoxLayout;
    examplesBox->addWidget(new QLabel(toQString(calc::texts::kExamplesLabel), page));
    examplesBox->addWidget(exampleList_);
    layout->addLayout(functionsBox, 2, 1);
    layout->addLayout(examplesBox, 2, 2);

    auto* buttons = new QHBoxLayout;
    auto* all = new QPushButton(toQString(calc::texts::kDeleteAllButton), page);
    auto* one = new QPushButton(toQString(calc::texts::kDeleteButton), page);
    for (QPushButton* b : {all, one}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons, 3, 0, 1, 3);

    connect(defineButton_, &QPushButton::clicked, this, [this] { define(); });
    connect(formulaEdit_, &QLineEdit::returnPressed, this, [this] { define(); });
    connect(functionList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        formulaEdit_->insert(item->text() + QChar('('));
        formulaEdit_->setFocus();
    });
    connect(exampleList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        formulaEdit_->setText(item->text());
        formulaEdit_->setFocus();
    });
    connect(all, &QPushButton::clicked, this, &ProjectFormulaDialog::deleteAll);
    connect(one, &QPushButton::clicked, this, &ProjectFormulaDialog::deleteSelected);
    return page;
}

QWidget* ProjectFormulaDialog::createImportPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* open = new QPushButton(toQString(calc::texts::kOpenFormulaFileButton), page);
    importList_ = new QListWidget(page);
    importList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* buttons = new QHBoxLayout;
    auto* all = new QPushButton(toQString(calc::texts::kTakeAllButton), page);
    auto* selected = new QPushButton(toQString(calc::texts::kTakeSelectedButton), page);
    auto* save = new QPushButton(toQString(calc::texts::kSaveFormulasButton), page);
    for (QPushButton* b : {open, all, selected, save})
        b->setAutoDefault(false);
    buttons->addWidget(all);
    buttons->addWidget(selected);
    buttons->addStretch();
    buttons->addWidget(save);
    layout->addWidget(open);
    layout->addWidget(importList_, 1);
    layout->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, &ProjectFormulaDialog::askOpen);
    connect(all, &QPushButton::clicked, this, &ProjectFormulaDialog::takeAll);
    connect(selected, &QPushButton::clicked, this, &ProjectFormulaDialog::takeSelected);
    connect(save, &QPushButton::clicked, this, &ProjectFormulaDialog::askSave);
    return page;
}

QWidget* ProjectFormulaDialog::createComputePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    expressionEdit_ = new QLineEdit(page);
    expressionEdit_->setToolTip(toQString(calc::texts::kExpressionHint));
    expressionEdit_->setMaxLength(255);
    auto* compute = new QPushButton(toQString(calc::texts::kComputeButton), page);
    compute->setAutoDefault(false);
    row->addWidget(expressionEdit_, 1);
    row->addWidget(compute);
    computedList_ = new QListWidget(page);
    layout->addLayout(row);
    layout->addWidget(computedList_, 1);
    connect(compute, &QPushButton::clicked, this, &ProjectFormulaDialog::compute);
    connect(expressionEdit_, &QLineEdit::returnPressed, this, &ProjectFormulaDialog::compute);
    return page;
}

void ProjectFormulaDialog::showEvent(QShowEvent* event)
{
    refresh();
    QDialog::showEvent(event);
}

void ProjectFormulaDialog::refresh()
{
    definedList_->clear();
    for (const std::string& definition : env_.store().list())
        definedList_->addItem(toQString(definition));
    env_.refreshFormulaLists();
}

bool ProjectFormulaDialog::define()
{
    const calc::TypedLine result = calc::defineLine(env_.store(), toStdString(formulaEdit_->text()), toStdString(pattern_));
    switch (result.kind) {
    case calc::TypedLine::Kind::refused:
        resultLabel_->clear();
        env_.messages().show(text::fillIn(calc::texts::kNotADefinition, {toStdString(formulaEdit_->text())}));
        formulaEdit_->setFocus();
        return false;
    case calc::TypedLine::Kind::definition:
        resultLabel_->setText(toQString(calc::texts::kDefined).arg(toQString(result.shown)));
        refresh();
        break;
    case calc::TypedLine::Kind::value:
        resultLabel_->setText(toQString(result.shown));
        break;
    }
    formulaEdit_->selectAll();
    formulaEdit_->setFocus();
    return true;
}

void ProjectFormulaDialog::deleteSelected()
{
    QListWidgetItem* item = definedList_->currentItem();
    if (!item) {
        env_.messages().show(std::string(calc::texts::kNothingSelected));
        return;
    }
    env_.store().remove(calc::definitionName(toStdString(item->text())));
    refresh();
}

void ProjectFormulaDialog::deleteAll()
{
    env_.store().clear();
    refresh();
}

bool ProjectFormulaDialog::loadFormulaFile(const QString& path)
{
    calc::CalcWindowState file;
    if (const std::string error = calc::openCalcWindow(file, toStdString(path).c_str()); !error.empty()) {
        env_.messages().show(error);
        return false;
    }
    importList_->clear();
    for (const std::string& line : file.textLines) {
        if (!QString::fromStdString(line).trimmed().isEmpty())
            importList_->addItem(toQString(line));
    }
    return true;
}

void ProjectFormulaDialog::takeLines(const std::vector<std::string>& lines)
{
    const std::vector<std::string> refused = calc::defineLines(env_.store(), lines);
    refresh();
    if (!refused.empty()) {
        QStringList shown;
        for (const std::string& line : refused)
            shown << toQString(line);
        env_.messages().show(text::fillIn(calc::texts::kLinesNotTaken, {toStdString(shown.join(QChar('\n')))}));
    }
}

void ProjectFormulaDialog::takeAll()
{
    std::vector<std::string> lines;
    for (int i = 0; i < importList_->count(); ++i)
        lines.push_back(toStdString(importList_->item(i)->text()));
    takeLines(lines);
}

void ProjectFormulaDialog::takeSelected()
{
    std::vector<std::string> lines;
    for (int i = 0; i < importList_->count(); ++i) {
        if (importList_->item(i)->isSelected())
            lines.push_back(toStdString(importList_->item(i)->text()));
    }
    if (lines.empty()) {
        env_.messages().show(std::string(calc::texts::kNothingSelected));
        return;
    }
    takeLines(lines);
}

bool ProjectFormulaDialog::saveFormulas(const QString& path)
{
    calc::CalcWindowState file;
    file.textLines = env_.store().list();
    if (const std::string error = calc::saveCalcWindow(file, toStdString(path).c_str()); !error.empty()) {
        env_.messages().show(error);
        return false;
    }
    return true;
}

void ProjectFormulaDialog::compute()
{
    if (expressionEdit_->text().trimmed().isEmpty())
        return;
    const calc::TypedLine result =
        calc::computeExpression(env_.store(), toStdString(expressionEdit_->text()), toStdString(pattern_));
    if (result.kind == calc::TypedLine::Kind::refused) {
        env_.messages().show(engine::texts::kInvalidExpression);
        return;
    }
    computedList_->addItem(toQString(result.shown));
    computedList_->scrollToBottom();
    if (result.kind == calc::TypedLine::Kind::definition)
        refresh();
    expressionEdit_->selectAll();
}

void ProjectFormulaDialog::askOpen()
{
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(toQString(calc::texts::kFormulaOpenFilter));
    dialog.setDefaultSuffix(toQString(calc::texts::kFormulaSuffix));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        loadFormulaFile(dialog.selectedFiles().constFirst());
}

void ProjectFormulaDialog::askSave()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(toQString(calc::texts::kFormulaSaveFilter));
    dialog.setDefaultSuffix(toQString(calc::texts::kFormulaSuffix));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveFormulas(dialog.selectedFiles().constFirst());
}

} // namespace quillmar::calc
