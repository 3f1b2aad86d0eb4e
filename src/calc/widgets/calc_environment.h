#pragma once
// What every calculation window shares for the whole run: the definition store,
// the messages, the data folder, the number-format dialog, the main window, and
// the two dialogs made once and reused (HTML output, project formulas). It also
// owns the calculation windows that belong to the application (program output),
// and closes those still open when the run ends.
#include "engine/definition_store.h"
#include "engine/widgets/number_format_dialog.h"
#include "support/messages.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <vector>

namespace quillmar::calc {

class CalcWindow;
class HtmlExportDialog;
class ProjectFormulaDialog;

class CalcEnvironment : public QObject {
    Q_OBJECT
public:
    CalcEnvironment(engine::DefinitionStore& store, Messages& messages, std::filesystem::path dataPrefix);
    ~CalcEnvironment() override;

    engine::DefinitionStore& store() const { return store_; }
    Messages& messages() const { return messages_; }
    // The run's number-format dialog; until one is set, one of its own.
    engine::NumberFormatDialog& numberFormat();
    void setNumberFormat(engine::NumberFormatDialog* dialog) { numberFormat_ = dialog; }
    const std::filesystem::path& dataPrefix() const { return dataPrefix_; }

    // The main window, raised by the tool button "Hauptmenü"; may stay unset.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    QWidget* mainWindow() const { return mainWindow_; }

    // A new calculation window. With an owner it closes together with the owner;
    // without one it belongs to the application.
    CalcWindow* createWindow(QWidget* owner);

    // The calculation windows that are open now, in order of creation.
    std::vector<CalcWindow*> windows() const;

    HtmlExportDialog& htmlDialog();
    ProjectFormulaDialog& projectDialog();

    // Opens the help page of the calculation windows; a missing page is reported.
    void openHelp();

    // Rebuilds the formula list of every open window (after the store changed).
    void refreshFormulaLists();

private:
    engine::DefinitionStore& store_;
    Messages& messages_;
    QPointer<engine::NumberFormatDialog> numberFormat_;
    engine::NumberFormatDialog* ownNumberFormat_ = nullptr;
    std::filesystem::path dataPrefix_;
    QPointer<QWidget> mainWindow_;
    std::vector<QPointer<CalcWindow>> windows_;
    HtmlExportDialog* html_ = nullptr;
    ProjectFormulaDialog* project_ = nullptr;
};

} // namespace quillmar::calc
