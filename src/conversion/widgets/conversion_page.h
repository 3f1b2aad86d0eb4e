#pragma once
// ConversionPage: the conversion window as the main window shows it, docked into
// the page "Umrechnungen". The main window's conversion tool bar and menu reach its
// commands: "Berechnen", "Zahlenformat", "Einfügen" (the conversion into the
// spreadsheet) and "Wert aus Excel".
#include "conversion/widgets/conversion_window.h"
#include "shell/main_window_host.h"

namespace quillmar::conversion {

class ConversionPage : public ConversionWindow, public shell::PageCommands {
    Q_OBJECT
public:
    // Docks itself into the host's page "Umrechnungen".
    ConversionPage(shell::MainWindowHost& host, Messages& messages);

    // "Einfügen": the conversion of the chosen units into the spreadsheet, after the
    // window has converted, so that the value shown is the one written.
    void insertIntoSpreadsheet();
    // "Wert aus Excel": the value of the selected cell into the value field.
    void readValueFromSpreadsheet();

    // shell::PageCommands
    bool offers(shell::PageCommand command) const override;
    void run(shell::PageCommand command) override;

protected:
    // The main window closing: unsaved tables are offered for saving first.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    shell::MainWindowHost& host_;
    Messages& messages_;
};

} // namespace quillmar::conversion
