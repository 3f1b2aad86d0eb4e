#pragma once
// ConversionWindow: the conversion window. The page "Umrechnungstabellen anzeigen"
// converts a value between two units of a quantity; the page
// "Umrechnungstabellen beareiten" edits the quantity list and the unit tables and
// creates new tables. All conversion work happens in ConversionState; this window
// shows it and forwards the user's choices.
//
// The window keeps no number pattern of its own: it formats with the current
// pattern of the dialog "Zahlenformat".
#include "conversion/conversion_state.h"
#include "support/messages.h"

#include <QWidget>

#include <filesystem>
#include <functional>

class QListWidget;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class QToolBar;

namespace quillmar {
namespace engine {
class NumberEdit;
class NumberFormatDialog;
} // namespace engine
namespace typeset {
class FormulaLabel;
}
} // namespace quillmar

namespace quillmar::conversion {

class NewUnitTableDialog;
class RecordNavigator;
class TableModel;

class ConversionWindow : public QWidget {
    Q_OBJECT
public:
    // The one dialog "Zahlenformat" of the run (null: the default pattern is used).
    using NumberFormatSource = std::function<engine::NumberFormatDialog*()>;

    // Loads the quantity list below the data folder prefix.
    ConversionWindow(std::filesystem::path prefix, Messages& messages, NumberFormatSource numberFormat,
                     QWidget* parent = nullptr);
    ~ConversionWindow() override;

    ConversionState& state() { return state_; }

    // "Rechne": converts the field's value between the chosen units; false (after
    // a message) when nothing could be converted.
    bool calculate();
    // "Zahlenformat": the dialog, then a new conversion whatever its result.
    void chooseNumberFormat();
    // "Neue Tabelle", and the two "Speichern" of the editing page.
    void newUnitTable();
    void saveQuantityList();
    void saveUnitTable();

    // Before the program ends: offers to save unsaved changes of the editing page.
    void offerToSaveChanges();

    // The pattern results are formatted with.
    QString pattern() const;

    // The window's controls, for tests that drive it as a user would.
    struct Controls {
        QTabWidget* pages;
        QListWidget* quantityList;
        QListWidget* fromUnitList;
        QListWidget* toUnitList;
        engine::NumberEdit* valueEdit;
        typeset::FormulaLabel* resultLabel;
        QPushButton* calculateButton;
        QPushButton* numberFormatButton;
        QPushButton* closeButton;
        QTableView* quantityGrid;
        QTableView* unitGrid;
        TableModel* quantityModel;
        TableModel* unitModel;
        NewUnitTableDialog* newTableDialog;
    };
    Controls controls() const;

signals:
    // "&Schließen": the main window closes, which ends the program.
    void closeRequested();

protected:
    // Questions the user answers with yes or no (a message box in the program).
    virtual bool ask(const QString& question);

protected:
    // The text of the field "Wert eingeben".
    QString valueText() const;
    void setValueText(const QString& text);

private:
    QWidget* makeDisplayPage();
    QWidget* makeEditPage();
    void refillQuantities();
    void refillUnits();
    void showResult();

    void quantityChosen(int row);
    void unitChosen();
    void quantityRowChanged(int row);
    void reloadQuantityList();
    void reloadUnitTable();
    // Before the unit table is replaced: offers to save unsaved changes.
    void keepUnitChanges();

    QTabWidget* pages_ = nullptr;
    QListWidget* quantityList_ = nullptr;
    QListWidget* fromUnitList_ = nullptr; // "Umrechnen von", yellow
    QListWidget* toUnitList_ = nullptr;   // "Umrechnen in", aqua
    engine::NumberEdit* valueEdit_ = nullptr; // "Wert eingeben"
    typeset::FormulaLabel* resultLabel_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* numberFormatButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QTableView* quantityGrid_ = nullptr;
    QTableView* unitGrid_ = nullptr;
    TableModel* quantityModel_ = nullptr;
    TableModel* unitModel_ = nullptr;
    RecordNavigator* quantityNavigator_ = nullptr;
    RecordNavigator* unitNavigator_ = nullptr;
    NewUnitTableDialog* newTableDialog_ = nullptr;

    Messages& messages_;
    NumberFormatSource numberFormat_;
    ConversionState state_;
};

} // namespace quillmar::conversion
