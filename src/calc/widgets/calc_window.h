#pragma once
// CalcWindow, the calculation window "Rechnen": a text in which lines are worked
// out one by one (direct mode) or run as a program (program mode), beside it the
// list of defined formulas. The work itself is done by the runner of the core;
// the window applies its outcome to the text.
#include "calc/calc_file.h"
#include "calc/runner.h"

#include <QMainWindow>
#include <QPlainTextEdit>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QListWidget;
class QToolBar;
class QToolButton;

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

class CalcWindow : public QMainWindow, private calc::CalcWindowFile {
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
    CalcWindow* neu();
    void oeffnen();
    bool speichern();
    bool speichernUnter();
    void drucken();
    void programmStarten();
    void formelnAusgeben();
    void schriftWaehlen();
    void zahlenformat();
    void projektformelnBearbeiten();
    void projektformelnAnzeigen(bool shown);
    void htmlAusgabe();
    // Writes this window's fragment into the HTML output dialog's data text.
    void writeHtmlFragment();
    void hauptmenue();

    // Opens path into this window. False (after the message) when it fails.
    bool openFile(const QString& path);
    // Saves to path in the form its name selects. False (after the message) on failure.
    bool saveFile(const QString& path);

    // Rebuilds the formula list if it is shown.
    void rebuildFormulaList();
    const std::vector<std::string>& formulaEntriesShown() const { return formulaEntries_; }
    std::vector<std::string> textLines() const override;

    CalcTextField* editor = nullptr;
    QListWidget* zeigeformel = nullptr;
    // The action behind a menu item or tool button, by object name ("programmStarten").
    QAction* action(const char* name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createCentre();
    QAction* makeAction(const char* name, const char* text, const QKeySequence& key, std::function<void()> run);
    bool enterInDirectMode();
    void applyFont(const QFont& font);
    void setFileName(const QString& path);

    // CalcWindowFile
    std::string pattern() const override;
    void setPattern(const std::string& pattern) override;
    bool programMode() const override { return !direct_; }
    void setProgramMode(bool programMode) override { setDirectMode(!programMode); }
    calc::FontRecord font() const override;
    void setFontName(const std::string& name) override;
    void setFontStyle(bool bold, bool italic, bool underline, bool strikeOut) override;
    void setFontColour(int colour) override;
    void setFontSize(int size) override;
    void setTextLines(const std::vector<std::string>& lines) override;
    calc::Placement placement() const override;
    void useStoredPosition() override {}
    void setWindowState(int state) override;
    void setWidth(int width) override;
    void setHeight(int height) override;
    void setTop(int top) override;
    void setLeft(int left) override;
    std::vector<calc::StoredControl*> storedControls() override;

    class MemoControl;

    CalcEnvironment& env_;
    QString pattern_;
    QString fileName_;
    bool direct_ = true;
    std::vector<std::string> formulaEntries_;
    FormulaSplitter* splitter_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::shared_ptr<MemoControl> memoControl_; // shared: its type is complete only where it is made
};

} // namespace quillmar::calc
