#pragma once
// ProjectFormulaDialog, the dialog "Projektformeln bearbeiten": type and define
// project formulas with a key pad, built-in functions and examples, delete them,
// take them from formula files and save them to one, and compute expressions.
// Everything it shows about definitions comes from the shared store.
#include <QDialog>

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
    bool definieren();
    void loeschen();
    void loeschenAlle();
    // Reads a formula file into the import list; false (after the message) on failure.
    bool formeldateiLaden(const QString& path);
    void alleUebernehmen();
    void auswahlUebernehmen();
    // Writes every definition as a formula file; false (after the message) on failure.
    bool formelnSpeichern(const QString& path);
    void berechnen();
    // Fills the list "Definierte Projektformeln" from the store.
    void refresh();

    QString numberPattern() const { return pattern_; }
    void setNumberPattern(const QString& pattern) { pattern_ = pattern; }

    QTabWidget* pages = nullptr;
    QLineEdit* eingabe = nullptr;
    QLabel* ergebnis = nullptr;
    QPushButton* definierenButton = nullptr;
    QListWidget* funktionen = nullptr;
    QListWidget* beispiele = nullptr;
    QListWidget* importListe = nullptr;
    QLineEdit* ausdruck = nullptr;
    QListWidget* ausdruecke = nullptr;
    QListWidget* definierte = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createInputPage();
    QWidget* createImportPage();
    QWidget* createComputePage();
    void take(const std::vector<std::string>& lines);
    void askOpen();
    void askSave();

    CalcEnvironment& env_;
    QString pattern_;
};

} // namespace quillmar::calc
