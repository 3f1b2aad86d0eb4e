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
    bool Rechne1Click();
    // "Zahlenformat": the dialog, then a new conversion whatever its result.
    void Zahlenformat1Click();
    // "Neue Tabelle", and the two "Speichern" of the editing page.
    void NeueTabelleClick();
    void SpeichernListeClick();
    void SpeichernEinheitenClick();

    // Before the program ends: offers to save unsaved changes of the editing page.
    void offerToSaveChanges();

    // The pattern results are formatted with.
    QString pattern() const;

    // --- controls (named as the window's parts) ---
    QTabWidget* pages_ = nullptr;
    QListWidget* ListBox1 = nullptr; // the quantities
    QListWidget* ListBox2 = nullptr; // "Umrechnen von", yellow
    QListWidget* ListBox3 = nullptr; // "Umrechnen in", aqua
    engine::NumberEdit* Edit1 = nullptr;    // "Wert eingeben"
    typeset::FormulaLabel* txtshape1 = nullptr;
    QPushButton* RechneBtn = nullptr;
    QPushButton* ZahlenformatBtn = nullptr;
    QPushButton* SchliessenBtn = nullptr;
    QTableView* ListGrid = nullptr;
    QTableView* UnitGrid = nullptr;
    TableModel* listModel = nullptr;
    TableModel* unitModel = nullptr;
    RecordNavigator* listNavigator = nullptr;
    RecordNavigator* unitNavigator = nullptr;
    NewUnitTableDialog* newTableDialog = nullptr;

signals:
    // "&Schließen": the main window closes, which ends the program.
    void closeRequested();

protected:
    // Questions the user answers with yes or no (a message box in the program).
    virtual bool ask(const QString& question);

private:
    QWidget* makeDisplayPage();
    QWidget* makeEditPage();
    void refillQuantities();
    void refillUnits();
    void showResult();

    void quantityChosen(int row);
    void unitChosen();
    void listRowChanged(int row);
    void refreshList();
    void refreshUnits();
    // Before the unit table is replaced: offers to save unsaved changes.
    void keepUnitChanges();

    Messages& messages_;
    NumberFormatSource numberFormat_;
    ConversionState state_;
};

} // namespace quillmar::conversion
