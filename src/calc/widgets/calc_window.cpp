// The calculation window: its layout, the two modes, Enter in direct mode,
// program runs and the formula list.
#include "calc/widgets/calc_window.h"

#include "calc/widgets/calc_environment.h"
#include "calc/widgets/formula_splitter.h"
#include "calc/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_format_dialog.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>

namespace quillmar::calc {

namespace {

constexpr int kListWidth = 73;

} // namespace

CalcTextField::CalcTextField(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    applyInnerMargin();
}

void CalcTextField::applyInnerMargin()
{
    document()->setDocumentMargin(0);
    setViewportMargins(3, 2, 3, 2);
}

CalcWindow::CalcWindow(CalcEnvironment& environment, QWidget* owner)
    : QMainWindow(owner, Qt::Window), env_(environment), pattern_(environment.numberFormat().pattern())
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with the main window, whatever calculation windows are open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(toQString(calc::texts::kWindowCaption));
    createCentre();
    createActions();
    createMenus();
    createToolBar();
    setDirectMode(true);
    resize(617, 364);
}

CalcWindow::~CalcWindow() = default;

void CalcWindow::createCentre()
{
    auto* centre = new QWidget(this);
    auto* layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    formulaList_ = new QListWidget(centre);
    formulaList_->setObjectName(QStringLiteral("formulaList"));
    formulaList_->setToolTip(toQString(calc::texts::kShowProjectFormulasHint));
    formulaList_->setFixedWidth(kListWidth);
    QFont listFont(QStringLiteral("Arial"));
    listFont.setPixelSize(11);
    formulaList_->setFont(listFont);
    formulaList_->hide();
    connect(formulaList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { appendLine(item->text()); });

    splitter_ = new FormulaSplitter(centre);
    splitter_->hide();
    connect(splitter_->closeButton(), &QPushButton::clicked, this,
            [this] { showProjectFormulas(formulaList_->isHidden()); });
    connect(splitter_, &FormulaSplitter::dragged, this, [this](int x) {
        formulaList_->setFixedWidth(std::max(0, x - formulaList_->x()));
    });

    editor_ = new CalcTextField(centre);
    editor_->setObjectName(QStringLiteral("editor"));
    QFont textFont(QStringLiteral("Arial"));
    textFont.setPixelSize(13);
    applyFont(textFont);
    editor_->installEventFilter(this);

    layout->addWidget(formulaList_);
    layout->addWidget(splitter_);
    layout->addWidget(editor_, 1);
    setCentralWidget(centre);
    editor_->setFocus();
}

void CalcWindow::applyFont(const QFont& font)
{
    editor_->setFont(font);
    editor_->applyInnerMargin();
}

void CalcWindow::setNumberPattern(const QString& pattern)
{
    pattern_ = pattern;
    rebuildFormulaList();
}

void CalcWindow::setDirectMode(bool direct)
{
    direct_ = direct;
    action("directMode")->setChecked(direct);
    action("programMode")->setChecked(!direct);
    action("runProgram")->setEnabled(!direct);
}

void CalcWindow::appendLine(const QString& line)
{
    QTextCursor cursor(editor_->document());
    cursor.movePosition(QTextCursor::End);
    if (!editor_->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
    editor_->setTextCursor(cursor);
}

std::vector<std::string> CalcWindow::textLines() const
{
    std::vector<std::string> lines;
    if (editor_->document()->isEmpty())
        return lines;
    for (QTextBlock block = editor_->document()->begin(); block.isValid(); block = block.next())
        lines.push_back(toStdString(block.text()));
    return lines;
}

void CalcWindow::setTextLines(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text << toQString(line);
    editor_->setPlainText(text.join(QChar('\n')));
    editor_->moveCursor(QTextCursor::Start);
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && direct_) {
            if (!enterInDirectMode())
                return true; // the window went away (it cannot, but never touch it then)
        }
        // The list follows every key, once the text field has taken it.
        if (!formulaList_->isHidden())
            QTimer::singleShot(0, this, &CalcWindow::rebuildFormulaList);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CalcWindow::enterInDirectMode()
{
    QTextCursor caret = editor_->textCursor();
    const QTextBlock current = caret.block();
    const calc::DirectOutcome outcome =
        calc::workDirectLine(env_.store(), toStdString(current.text()), toStdString(pattern_));
    using Action = calc::DirectOutcome::Action;
    switch (outcome.action) {
    case Action::none:
        break;
    case Action::clearText:
        editor_->clear();
        break;
    case Action::appendLines:
        for (const std::string& line : outcome.lines)
            appendLine(toQString(line));
        break;
    case Action::insertBelow: {
        QTextCursor insert(current);
        insert.movePosition(QTextCursor::EndOfBlock);
        insert.insertBlock();
        insert.insertText(toQString(outcome.lines.front()));
        // The line break of the key then opens a new line below the value.
        editor_->setTextCursor(insert);
        break;
    }
    case Action::message:
        env_.messages().show(outcome.message);
        break;
    }
    env_.refreshFormulaLists();
    return true;
}

void CalcWindow::runProgram()
{
    if (direct_)
        return;
    const calc::ProgramOutput output = calc::runProgram(env_.store(), textLines(), toStdString(pattern_));
    if (!output.lines.empty()) {
        CalcWindow* window = env_.createWindow(nullptr);
        window->setNumberPattern(pattern_);
        window->setDirectMode(true);
        for (const std::string& line : output.lines)
            window->appendLine(toQString(line));
        window->show();
    }
    env_.refreshFormulaLists();
}

void CalcWindow::listFormulas()
{
    for (const std::string& line : env_.store().list())
        appendLine(toQString(line));
}

void CalcWindow::rebuildFormulaList()
{
    if (formulaList_->isHidden())
        return;
    formulaEntries_ = calc::formulaEntries(env_.store(), toStdString(pattern_));
    formulaList_->clear();
    for (const std::string& entry : formulaEntries_)
        formulaList_->addItem(toQString(entry));
}

void CalcWindow::showProjectFormulas(bool shown)
{
    formulaList_->setVisible(shown);
    splitter_->setVisible(shown);
    action("showProjectFormulas")->setChecked(shown);
    rebuildFormulaList();
}

void CalcWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        rebuildFormulaList();
    QMainWindow::changeEvent(event);
}

} // namespace quillmar::calc
