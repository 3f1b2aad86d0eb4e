#include "calc/widgets/project_formula_dialog.h"

#include "calc/calc_file.h"
#include "calc/project_formulas.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/ui_texts.h"
#include "engine/number_texts.h"
#include "engine/texts.h"
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

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

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
    setWindowTitle(q(calc::texts::kProjCaption));
    resize(545, 365);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPixelSize(12);
    setFont(dialogFont);

    auto* layout = new QHBoxLayout(this);
    pages = new QTabWidget(this);
    pages->addTab(createInputPage(), q(calc::texts::kPageEingeben));
    pages->addTab(createImportPage(), q(calc::texts::kPageImportieren));
    pages->addTab(createComputePage(), q(calc::texts::kPageBerechnen));
    layout->addWidget(pages, 3);

    auto* side = new QVBoxLayout;
    auto* group = new QGroupBox(q(calc::texts::kDefinierte), this);
    auto* groupLayout = new QVBoxLayout(group);
    definierte = new QListWidget(group);
    groupLayout->addWidget(definierte);
    side->addWidget(group, 1);
    auto* format = new QPushButton(q(calc::texts::kProjZahlenformat), this);
    auto* close = new QPushButton(q(calc::texts::kProjSchliessen), this);
    auto* help = new QPushButton(q(calc::texts::kProjHilfe), this);
    for (QPushButton* b : {format, close, help}) {
        b->setAutoDefault(false);
        side->addWidget(b);
    }
    layout->addLayout(side, 2);

    // A click takes the definition into the edit field, to change and define again.
    connect(definierte, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        eingabe->setText(item->text());
        pages->setCurrentIndex(0);
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

QWidget* ProjectFormulaDialog::createInputPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    eingabe = new QLineEdit(q(calc::texts::kStartFormel), page);
    eingabe->setToolTip(q(calc::texts::kHintAusdruck));
    eingabe->setMaxLength(255);
    definierenButton = new QPushButton(q(calc::texts::kDefinieren), page);
    definierenButton->setStyleSheet(QStringLiteral("color: red;"));
    definierenButton->setAutoDefault(false);
    layout->addWidget(eingabe, 0, 0, 1, 2);
    layout->addWidget(definierenButton, 0, 2);
    ergebnis = new QLabel(page);
    layout->addWidget(ergebnis, 1, 0, 1, 3);

    auto* pad = new QGridLayout;
    pad->setSpacing(2);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        auto* key = new QPushButton(QString::fromLatin1(kKeys[i]), page);
        key->setFixedSize(26, 24);
        key->setAutoDefault(false);
        key->setFocusPolicy(Qt::NoFocus);
        connect(key, &QPushButton::clicked, this, [this, key] { eingabe->insert(key->text()); });
        pad->addWidget(key, static_cast<int>(i / 5), static_cast<int>(i % 5));
    }
    layout->addLayout(pad, 2, 0, Qt::AlignTop);

    funktionen = new QListWidget(page);
    funktionen->setToolTip(q(calc::texts::kHintFunktion));
    for (const char* name : kFunctions)
        funktionen->addItem(QString::fromLatin1(name));
    beispiele = new QListWidget(page);
    for (const char* example : kExamples)
        beispiele->addItem(QString::fromLatin1(example));
    auto* functionsBox = new QVBoxLayout;
    functionsBox->addWidget(new QLabel(q(calc::texts::kFunktionen), page));
    functionsBox->addWidget(funktionen);
    auto* examplesBox = new QVBoxLayout;
    examplesBox->addWidget(new QLabel(q(calc::texts::kBeispiele), page));
    examplesBox->addWidget(beispiele);
    layout->addLayout(functionsBox, 2, 1);
    layout->addLayout(examplesBox, 2, 2);

    auto* buttons = new QHBoxLayout;
    auto* all = new QPushButton(q(calc::texts::kLoeschenAlle), page);
    auto* one = new QPushButton(q(calc::texts::kLoeschenEine), page);
    for (QPushButton* b : {all, one}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons, 3, 0, 1, 3);

    connect(definierenButton, &QPushButton::clicked, this, [this] { definieren(); });
    connect(eingabe, &QLineEdit::returnPressed, this, [this] { definieren(); });
    connect(funktionen, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        eingabe->insert(item->text() + QChar('('));
        eingabe->setFocus();
    });
    connect(beispiele, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        eingabe->setText(item->text());
        eingabe->setFocus();
    });
    connect(all, &QPushButton::clicked, this, &ProjectFormulaDialog::loeschenAlle);
    connect(one, &QPushButton::clicked, this, &ProjectFormulaDialog::loeschen);
    return page;
}

QWidget* ProjectFormulaDialog::createImportPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* open = new QPushButton(q(calc::texts::kFormeldateiOeffnen), page);
    importListe = new QListWidget(page);
    importListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* buttons = new QHBoxLayout;
    auto* all = new QPushButton(q(calc::texts::kAlleUebernehmen), page);
    auto* selected = new QPushButton(q(calc::texts::kAuswahlUebernehmen), page);
    auto* save = new QPushButton(q(calc::texts::kProjSpeichernUnter), page);
    for (QPushButton* b : {open, all, selected, save})
        b->setAutoDefault(false);
    buttons->addWidget(all);
    buttons->addWidget(selected);
    buttons->addStretch();
    buttons->addWidget(save);
    layout->addWidget(open);
    layout->addWidget(importListe, 1);
    layout->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, &ProjectFormulaDialog::askOpen);
    connect(all, &QPushButton::clicked, this, &ProjectFormulaDialog::alleUebernehmen);
    connect(selected, &QPushButton::clicked, this, &ProjectFormulaDialog::auswahlUebernehmen);
    connect(save, &QPushButton::clicked, this, &ProjectFormulaDialog::askSave);
    return page;
}

QWidget* ProjectFormulaDialog::createComputePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    ausdruck = new QLineEdit(page);
    ausdruck->setToolTip(q(calc::texts::kHintAusdruck));
    ausdruck->setMaxLength(255);
    auto* compute = new QPushButton(q(calc::texts::kBerechnenButton), page);
    compute->setAutoDefault(false);
    row->addWidget(ausdruck, 1);
    row->addWidget(compute);
    ausdruecke = new QListWidget(page);
    layout->addLayout(row);
    layout->addWidget(ausdruecke, 1);
    connect(compute, &QPushButton::clicked, this, &ProjectFormulaDialog::berechnen);
    connect(ausdruck, &QLineEdit::returnPressed, this, &ProjectFormulaDialog::berechnen);
    return page;
}

void ProjectFormulaDialog::showEvent(QShowEvent* event)
{
    refresh();
    QDialog::showEvent(event);
}

void ProjectFormulaDialog::refresh()
{
    definierte->clear();
    for (const std::string& definition : env_.store().list())
        definierte->addItem(toQString(definition));
    env_.refreshFormulaLists();
}

bool ProjectFormulaDialog::definieren()
{
    const calc::TypedLine result = calc::defineLine(env_.store(), toStdString(eingabe->text()), toStdString(pattern_));
    switch (result.kind) {
    case calc::TypedLine::Kind::refused:
        ergebnis->clear();
        env_.messages().show(q(calc::texts::kNichtDefiniert).arg(eingabe->text()).toStdString());
        eingabe->setFocus();
        return false;
    case calc::TypedLine::Kind::definition:
        ergebnis->setText(q(calc::texts::kDefiniert).arg(toQString(result.shown)));
        refresh();
        break;
    case calc::TypedLine::Kind::value:
        ergebnis->setText(toQString(result.shown));
        break;
    }
    eingabe->selectAll();
    eingabe->setFocus();
    return true;
}

void ProjectFormulaDialog::loeschen()
{
    QListWidgetItem* item = definierte->currentItem();
    if (!item) {
        env_.messages().show(calc::texts::kKeineAuswahl);
        return;
    }
    env_.store().remove(calc::definitionName(toStdString(item->text())));
    refresh();
}

void ProjectFormulaDialog::loeschenAlle()
{
    env_.store().clear();
    refresh();
}

bool ProjectFormulaDialog::formeldateiLaden(const QString& path)
{
    calc::CalcWindowRecord file;
    if (const std::string error = calc::openCalcWindow(file, toStdString(path).c_str()); !error.empty()) {
        env_.messages().show(error);
        return false;
    }
    importListe->clear();
    for (const std::string& line : file.text) {
        if (!QString::fromStdString(line).trimmed().isEmpty())
            importListe->addItem(toQString(line));
    }
    return true;
}

void ProjectFormulaDialog::take(const std::vector<std::string>& lines)
{
    const std::vector<std::string> refused = calc::defineLines(env_.store(), lines);
    refresh();
    if (!refused.empty()) {
        QStringList shown;
        for (const std::string& line : refused)
            shown << toQString(line);
        env_.messages().show(q(calc::texts::kNichtUebernommen).arg(shown.join(QChar('\n'))).toStdString());
    }
}

void ProjectFormulaDialog::alleUebernehmen()
{
    std::vector<std::string> lines;
    for (int i = 0; i < importListe->count(); ++i)
        lines.push_back(toStdString(importListe->item(i)->text()));
    take(lines);
}

void ProjectFormulaDialog::auswahlUebernehmen()
{
    std::vector<std::string> lines;
    for (int i = 0; i < importListe->count(); ++i) {
        if (importListe->item(i)->isSelected())
            lines.push_back(toStdString(importListe->item(i)->text()));
    }
    if (lines.empty()) {
        env_.messages().show(calc::texts::kKeineAuswahl);
        return;
    }
    take(lines);
}

bool ProjectFormulaDialog::formelnSpeichern(const QString& path)
{
    calc::CalcWindowRecord file;
    file.text = env_.store().list();
    if (const std::string error = calc::saveCalcWindow(file, toStdString(path).c_str()); !error.empty()) {
        env_.messages().show(error);
        return false;
    }
    return true;
}

void ProjectFormulaDialog::berechnen()
{
    if (ausdruck->text().trimmed().isEmpty())
        return;
    const calc::TypedLine result =
        calc::computeExpression(env_.store(), toStdString(ausdruck->text()), toStdString(pattern_));
    if (result.kind == calc::TypedLine::Kind::refused) {
        env_.messages().show(engine::texts::kInvalidExpression);
        return;
    }
    ausdruecke->addItem(toQString(result.shown));
    ausdruecke->scrollToBottom();
    if (result.kind == calc::TypedLine::Kind::definition)
        refresh();
    ausdruck->selectAll();
}

void ProjectFormulaDialog::askOpen()
{
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(q(calc::texts::kFormelOpenFilter));
    dialog.setDefaultSuffix(q(calc::texts::kFormelSuffix));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        formeldateiLaden(dialog.selectedFiles().constFirst());
}

void ProjectFormulaDialog::askSave()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(q(calc::texts::kFormelSaveFilter));
    dialog.setDefaultSuffix(q(calc::texts::kFormelSuffix));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        formelnSpeichern(dialog.selectedFiles().constFirst());
}

} // namespace quillmar::calc
