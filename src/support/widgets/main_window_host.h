#pragma once
// What the windows docked into the main window's pages see of the main window.
//
// The formula window, the conversion window and the collection editor each dock
// themselves into their page when they are created:
//
//     host.dockPage(MainWindowHost::Page::Formelsammlung, this, this);
//
// The main window's tool bars and menus then forward their page commands to the
// PageCommands of the docked window, and ask it which of them can run now; a window
// whose answer changes (the formula window enabling "Einfügen", say) calls
// commandsChanged(). A window that leaves its page (dragged out, or destroyed) calls
// undockPage(); destruction is also noticed on its own.
#include "spreadsheet/link.h"
#include "settings/settings_file.h"

#include <filesystem>

class QWidget;

namespace quillmar {
namespace engine {
class NumberFormatDialog;
}
namespace collection {
class CollectionTables;
}
} // namespace quillmar

namespace quillmar {

// The commands of a page that the main window offers in its tool bars and menus.
enum class PageCommand {
    Insert,           // "Einfügen": the formula (page 1) or the conversion (page 2) into Excel
    Rearrange,        // "Umformen": the next re-arrangement of the shown formula
    NewDisplayWindow, // "Neues Formelfenster": a display window of the shown formula
    Contents,         // "Inhalt": the contents of the collection
    Search,           // "Suchen"
    NextFormula,      // "Nächste Formel"
    PreviousFormula,  // "Vorhergehende Formel"
    Refill,           // refill the contents tree after the collection was saved
    Compute,          // "Berechnen": compute the conversion
    ValueFromExcel,   // "Wert aus Excel"
    NumberFormat,     // "Zahlenformat"
    Help,             // the page's own help
};

class PageCommands {
public:
    virtual ~PageCommands() = default;
    // Whether the command exists for this window and can run now.
    virtual bool offers(PageCommand command) const = 0;
    // Runs the command. Errors of the spreadsheet link may be thrown as exceptions
    // derived from std::exception; the main window shows their text.
    virtual void run(PageCommand command) = 0;
};

class MainWindowHost {
public:
    enum class Page { Formelsammlung = 0, Umrechnungen = 1, FormelsammlungBearbeiten = 2 };

    virtual ~MainWindowHost() = default;

    // Puts window into the page, filling it; commands may be null.
    virtual void dockPage(Page page, QWidget* window, PageCommands* commands) = 0;
    // Takes the window out of its page again (it is not destroyed).
    virtual void undockPage(Page page) = 0;
    virtual QWidget* dockedWindow(Page page) const = 0;

    // Asks the docked windows again which commands can run.
    virtual void commandsChanged() = 0;
    // Refills the formula page's contents tree; the collection editor calls it after saving.
    virtual void refreshFormulaPage() = 0;

    // Base of every data path (daten/, Grafik/, help pages, quillmar.ini).
    virtual const std::filesystem::path& dataPrefix() const = 0;
    // The options and the Excel version, read at the moment of a command.
    virtual const settings::Options& options() const = 0;

    // The data module with the two collection tables, shared by the formula windows
    // and the collection editor.
    virtual collection::CollectionTables& data() = 0;

    // The one spreadsheet link: PrepareExcel, ReadSelection and the offsets of an
    // insertion, and the link component (PrepareExcel may replace it: ask each time).
    virtual spreadsheet::Link& link() = 0;

    // The one dialog "Zahlenformat" of the run; a window copies its pattern in before
    // showing it and takes the pattern back after OK.
    virtual engine::NumberFormatDialog& numberFormatDialog() = 0;

    // The formula display window most recently opened; the main window forgets it by
    // itself when that window is destroyed.
    virtual void setDisplayWindow(QWidget* window) = 0;
    virtual QWidget* displayWindow() const = 0;

    // The main window itself (parent of dialogs and free windows it owns).
    virtual QWidget* mainWidget() = 0;
    // Closes the main window, which ends the program.
    virtual void closeMainWindow() = 0;
};

} // namespace quillmar
