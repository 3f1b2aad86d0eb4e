// The calculation window's menus and tool bar, and the commands behind them that
// are not about files.
#include "calc/widgets/calc_window.h"

#include "calc/html_fragment.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/html_export_dialog.h"
#include "calc/widgets/project_formula_dialog.h"
#include "calc/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_format_dialog.h"

#include <QAction>
#include <QFontDialog>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <optional>
#include <string_view>

namespace quillmar::calc {

namespace {

// One action of the window: its object name, menu text, shortcut, icon, the
// caption on the tool bar where it differs from the menu text, the hint shown as
// tool tip and status tip, whether it is checked and unchecked, and the command.
struct ActionRow {
    const char* name = nullptr;
    std::string_view text;
    QKeySequence key;
    std::optional<QStyle::StandardPixmap> icon;
    std::string_view toolCaption;
    std::string_view hint;
    bool checkable = false;
    void (*run)(CalcWindow& window, bool checked) = nullptr;
};

// A menu or the tool bar: the actions by name; nullptr for a separator.
using ActionNames = std::initializer_list<const char*>;

} // namespace

QAction* CalcWindow::action(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

void CalcWindow::createActions()
{
    using namespace calc::texts;
    const ActionRow rows[] = {
        // "&Datei"
        {.name = "newWindow", .text = kNewItem, .key = Qt::CTRL | Qt::Key_N, .icon = QStyle::SP_FileIcon,
         .run = [](CalcWindow& w, bool) { w.newWindow(); }},
        {.name = "open", .text = kOpenItem, .key = Qt::CTRL | Qt::Key_O, .icon = QStyle::SP_DialogOpenButton,
         .hint = kOpenHint, .run = [](CalcWindow& w, bool) { w.open(); }},
        {.name = "save", .text = kSaveItem, .icon = QStyle::SP_DialogSaveButton, .hint = kSaveHint,
         .run = [](CalcWindow& w, bool) { w.save(); }},
        {.name = "saveAs", .text = kSaveAsItem, .icon = QStyle::SP_DriveFDIcon, .run = [](CalcWindow& w, bool) { w.saveAs(); }},
        {.name = "print", .text = kPrintItem, .run = [](CalcWindow& w, bool) { w.print(); }},
        {.name = "close", .text = kCloseItem, .icon = QStyle::SP_DialogCloseButton, .hint = kCloseHint,
         .run = [](CalcWindow& w, bool) { w.close(); }},
        // "&Bearbeiten": the text field's own clipboard operations
        {.name = "cut", .text = kCutItem, .key = Qt::CTRL | Qt::Key_X, .hint = kCutHint,
         .run = [](CalcWindow& w, bool) { w.editor_->cut(); }},
        {.name = "copy", .text = kCopyItem, .key = Qt::CTRL | Qt::Key_C, .hint = kCopyHint,
         .run = [](CalcWindow& w, bool) { w.editor_->copy(); }},
        {.name = "paste", .text = kPasteItem, .key = Qt::CTRL | Qt::Key_V, .hint = kPasteHint,
         .run = [](CalcWindow& w, bool) { w.editor_->paste(); }},
        {.name = "deleteSelection", .text = kDeleteItem, .key = Qt::CTRL | Qt::Key_Delete,
         .run = [](CalcWindow& w, bool) { w.editor_->textCursor().removeSelectedText(); }},
        {.name = "selectAll", .text = kSelectAllItem, .key = Qt::CTRL | Qt::Key_A,
         .run = [](CalcWindow& w, bool) { w.editor_->selectAll(); }},
        // "&Rechnen"
        {.name = "runProgram", .text = kRunProgramItem, .key = Qt::CTRL | Qt::Key_S, .toolCaption = kRunProgramTool,
         .hint = kRunProgramHint, .run = [](CalcWindow& w, bool) { w.runProgram(); }},
        {.name = "directMode", .text = kDirectModeItem, .key = Qt::CTRL | Qt::Key_D, .checkable = true,
         .run = [](CalcWindow& w, bool) { w.setDirectMode(true); }},
        {.name = "programMode", .text = kProgramModeItem, .key = Qt::CTRL | Qt::Key_P, .checkable = true,
         .run = [](CalcWindow& w, bool) { w.setDirectMode(false); }},
        {.name = "switchMode", .text = kSwitchModeTool, .toolCaption = kSwitchModeTool, .hint = kSwitchModeHint,
         .run = [](CalcWindow& w, bool) { w.setDirectMode(!w.directMode()); }},
        {.name = "listFormulas", .text = kListFormulasItem, .hint = kListFormulasHint,
         .run = [](CalcWindow& w, bool) { w.listFormulas(); }},
        {.name = "chooseFont", .text = kChooseFontItem, .hint = kFontHint, .run = [](CalcWindow& w, bool) { w.chooseFont(); }},
        // "&Eigenschaften"
        {.name = "chooseNumberFormat", .text = kNumberFormatItem, .hint = kNumberFormatHint,
         .run = [](CalcWindow& w, bool) { w.chooseNumberFormat(); }},
        {.name = "editProjectFormulas", .text = kEditProjectFormulasItem, .hint = kEditProjectFormulasHint,
         .run = [](CalcWindow& w, bool) { w.editProjectFormulas(); }},
        {.name = "showProjectFormulas", .text = kShowProjectFormulasItem, .hint = kShowProjectFormulasHint,
         .checkable = true, .run = [](CalcWindow& w, bool checked) { w.showProjectFormulas(checked); }},
        // "Ausgabe", "&Hilfe", and the tool button that leads to the main window
        {.name = "exportHtml", .text = kHtmlItem, .toolCaption = kHtmlTool, .hint = kHtmlTool,
         .run = [](CalcWindow& w, bool) { w.exportHtml(); }},
        {.name = "help", .text = kHelpContentsItem, .key = QKeySequence(Qt::Key_F1), .icon = QStyle::SP_DialogHelpButton,
         .hint = kHelpHint, .run = [](CalcWindow& w, bool) { w.env_.openHelp(); }},
        {.name = "showMainWindow", .text = kMainWindowHint, .icon = QStyle::SP_ComputerIcon, .hint = kMainWindowHint,
         .run = [](CalcWindow& w, bool) { w.showMainWindow(); }},
    };

    for (const ActionRow& row : rows) {
        auto* a = new QAction(toQString(row.text), this);
        a->setObjectName(QString::fromLatin1(row.name));
        if (!row.key.isEmpty())
            a->setShortcut(row.key);
        a->setShortcutContext(Qt::WindowShortcut);
        if (row.icon)
            a->setIcon(style()->standardIcon(*row.icon));
        if (!row.toolCaption.empty())
            a->setIconText(toQString(row.toolCaption));
        if (!row.hint.empty()) {
            a->setToolTip(toQString(row.hint));
            a->setStatusTip(toQString(row.hint));
        }
        a->setCheckable(row.checkable);
        connect(a, &QAction::triggered, this, [this, run = row.run](bool checked) { run(*this, checked); });
    }
}

void CalcWindow::createMenus()
{
    const auto fill = [this](std::string_view title, ActionNames names) {
        QMenu* menu = menuBar()->addMenu(toQString(title));
        for (const char* name : names) {
            if (name)
                menu->addAction(action(name));
            else
                menu->addSeparator();
        }
    };
    using namespace calc::texts;
    fill(kFileMenu, {"newWindow", "open", "save", "saveAs", nullptr, "print", nullptr, "close"});
    fill(kEditMenu, {"cut", "copy", "paste", "deleteSelection", nullptr, "selectAll"});
    fill(kCalculateMenu, {"runProgram", "directMode", "programMode", nullptr, "listFormulas", nullptr, "chooseFont"});
    fill(kPropertiesMenu, {"chooseNumberFormat", "editProjectFormulas", "showProjectFormulas"});
    fill(kOutputMenu, {"exportHtml"});
    fill(kHelpMenu, {"help"});
}

void CalcWindow::createToolBar()
{
    toolBar_ = addToolBar(toQString(calc::texts::kWindowCaption));
    toolBar_->setMovable(false);
    toolBar_->setFixedHeight(32);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const ActionNames tools = {"runProgram", "switchMode", "showMainWindow", "open", "save", "saveAs",
                               "close", "help", "chooseNumberFormat", "showProjectFormulas", "editProjectFormulas",
                               "listFormulas", "chooseFont", "cut", "copy", "paste", "exportHtml"};
    for (const char* name : tools) {
        QAction* a = action(name);
        toolBar_->addAction(a);
        if (QWidget* button = toolBar_->widgetForAction(a); button && !a->icon().isNull())
            static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    // The save-as button is the one without a hint.
    if (QWidget* saveAs = toolBar_->widgetForAction(action("saveAs")))
        saveAs->setToolTip(QString());
    if (QWidget* run = toolBar_->widgetForAction(action("runProgram")))
        run->setStyleSheet(QStringLiteral("QToolButton { color: red; font-weight: bold; }"
                                          "QToolButton:disabled { color: gray; }"));
}

CalcWindow* CalcWindow::newWindow()
{
    CalcWindow* window = env_.createWindow(this);
    window->setNumberPattern(env_.numberFormat().pattern());
    window->show();
    return window;
}

void CalcWindow::chooseFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, editor_->font(), this);
    applyFont(ok ? chosen : editor_->font());
}

void CalcWindow::chooseNumberFormat()
{
    engine::NumberFormatDialog& dialog = env_.numberFormat();
    dialog.setPattern(pattern_);
    if (dialog.exec() == QDialog::Accepted)
        setNumberPattern(dialog.pattern());
}

void CalcWindow::editProjectFormulas()
{
    env_.projectDialog().exec();
    env_.refreshFormulaLists();
}

void CalcWindow::writeHtmlFragment()
{
    HtmlExportDialog& dialog = env_.htmlDialog();
    calc::writeCalcWindowFragment(dialog.dataText(), toStdString(fileName_), formulaEntries_, textLines());
    dialog.showData();
}

void CalcWindow::exportHtml()
{
    writeHtmlFragment();
    env_.htmlDialog().exec();
}

void CalcWindow::showMainWindow()
{
    if (QWidget* main = env_.mainWindow()) {
        main->showNormal();
        main->raise();
        main->activateWindow();
    }
}

} // namespace quillmar::calc
