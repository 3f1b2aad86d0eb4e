#pragma once
// CalcWindow, the calculation window "Rechnen": a text in which lines are worked
// out one by one (direct mode) or run as a program (program mode), beside it the
// list of defined formulas. The work itself is done by the runner of the core;
// the window applies its outcome to the text.
#include "calc/calc_file.h"
#include "calc/runner.h"

#include <QMainWindow>
#include <QPlainTextEdit>

#include <string>
#include <vector>

class QAction;
class QListWidget;
class QToolBar;

namespace quillmar::calc {

class CalcEnvironment;
class FormulaSplitter;

// The text field: no wrapping, Tab types a tab, a small inner margin.
class CalcTextField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CalcTextField(QWidget* parent = nullptr);
    // Sets the inner margin again (after a change of font).
    void applyInnerMargin();
};

class CalcWindow : public QMainWindow {
    Q_OBJECT
public:
    // Use CalcEnvironment::createWindow. Starts in direct mode with an empty text
    // and the pattern of the number-format dialog.
    CalcWindow(CalcEnvironment& environment, QWidget* owner);
    ~CalcWindow() override;

    // Operations used by other windows.
    void setNumberPattern(const QString& pattern);
    QString numberPattern() const { return pattern_; }
    void setDirectMode(bool direct);
    bool directMode() const { return direct_; }
    void appendLine(const QString& line);
    QString fileName() const { return fileName_; }

    // Commands of the menus and tool bar.
    CalcWindow* newWindow();
    void open();
    bool save();
    bool saveAs();
    void print();
    void runProgram();
    void listFormulas();
    void chooseFont();
    void chooseNumberFormat();
    void editProjectFormulas();
    void showProjectFormulas(bool shown);
    void exportHtml();
    void showMainWindow();
    // Writes this window's fragment into the HTML output dialog's data text.
    void writeHtmlFragment();

    // Opens path into this window. False (after the message) when it fails.
    bool openFile(const QString& path);
    // Saves to path in the form its name selects. False (after the message) on failure.
    bool saveFile(const QString& path);

    // Rebuilds the formula list if it is shown.
    void rebuildFormulaList();
    const std::vector<std::string>& formulaEntriesShown() const { return formulaEntries_; }
    std::vector<std::string> textLines() const;

    // The text field and the formula list beside it.
    CalcTextField* editor() const { return editor_; }
    QListWidget* formulaList() const { return formulaList_; }
    // The action behind a menu item or tool button, by object name ("runProgram").
    QAction* action(const char* name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createCentre();
    bool enterInDirectMode();
    void applyFont(const QFont& font);
    void setFileName(const QString& path);

    // The window as its files hold it, and back.
    CalcWindowState state() const;
    void setState(const CalcWindowState& state);
    TextFont textFont() const;
    void setTextFont(const TextFont& font);
    WindowPlacement placement() const;
    void setPlacement(const WindowPlacement& placement);
    void setTextLines(const std::vector<std::string>& lines);

    CalcEnvironment& env_;
    QString pattern_;
    QString fileName_;
    bool direct_ = true;
    std::vector<std::string> formulaEntries_;
    CalcTextField* editor_ = nullptr;
    QListWidget* formulaList_ = nullptr;
    FormulaSplitter* splitter_ = nullptr;
    QToolBar* toolBar_ = nullptr;
};

} // namespace quillmar::calc
