#pragma once
// ProjectFormulaDialog, the dialog "Projektformeln bearbeiten": type and define
// project formulas with a key pad, built-in functions and examples, delete them,
// take them from formula files and save them to one, and compute expressions.
// Everything it shows about definitions comes from the shared store.
#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace quillmar::calc {

class CalcEnvironment;

class ProjectFormulaDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProjectFormulaDialog(CalcEnvironment& environment, QWidget* parent = nullptr);

    // The button actions, also reached by the keyboard.
    bool define();
    void deleteSelected();
    void deleteAll();
    // Reads a formula file into the import list; false (after the message) on failure.
    bool loadFormulaFile(const QString& path);
    void takeAll();
    void takeSelected();
    // Writes every definition as a formula file; false (after the message) on failure.
    bool saveFormulas(const QString& path);
    void compute();
    // Fills the list "Definierte Projektformeln" from the store.
    void refresh();

    QString numberPattern() const { return pattern_; }
    void setNumberPattern(const QString& pattern) { pattern_ = pattern; }

    // The controls a user types into, clicks or reads.
    struct Controls {
        QTabWidget* pages;
        QLineEdit* formulaEdit;
        QLabel* result;
        QListWidget* functions;
        QListWidget* examples;
        QListWidget* importList;
        QLineEdit* expressionEdit;
        QListWidget* computed;
        QListWidget* defined;
    };
    Controls controls() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createInputPage();
    QWidget* createImportPage();
    QWidget* createComputePage();
    void takeLines(const std::vector<std::string>& lines);
    void askOpen();
    void askSave();

    CalcEnvironment& env_;
    QString pattern_;
    QTabWidget* pages_ = nullptr;
    QLineEdit* formulaEdit_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QPushButton* defineButton_ = nullptr;
    QListWidget* functionList_ = nullptr;
    QListWidget* exampleList_ = nullptr;
    QListWidget* importList_ = nullptr;
    QLineEdit* expressionEdit_ = nullptr;
    QListWidget* computedList_ = nullptr;
    QListWidget* definedList_ = nullptr;
};

} // namespace quillmar::calc
