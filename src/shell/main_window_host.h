#pragma once
// What the windows docked into the main window's pages see of the main window.
//
// The formula window, the conversion window and the collection editor each dock
// themselves into their page when they are created:
//
//     host.dockPage(Page::formulas, this, this);
//
// The main window's tool bars and menus then forward their page commands to the
// PageCommands of the docked window, and ask it which of them can run now; a window
// whose answer changes (the formula window enabling "Einfügen", say) calls
// commandsChanged(). A window that leaves its page (dragged out, or destroyed) calls
// undockPage(); destruction is also noticed on its own.
#include "shell/page_commands.h"

#include <filesystem>

class QWidget;

namespace quillmar {
namespace collection {
class CollectionTables;
}
namespace engine {
class NumberFormatDialog;
}
namespace settings {
struct Options;
}
namespace spreadsheet {
enum class Dialect;
class Link;
}
} // namespace quillmar

namespace quillmar::shell {

// The three pages of the main window, in their order.
enum class Page { formulas = 0, conversions = 1, collectionEditor = 2 };

class MainWindowHost {
public:
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
    virtual spreadsheet::Dialect dialect() const = 0;

    // The two collection tables, shared by the formula windows and the collection editor.
    virtual collection::CollectionTables& collectionTables() = 0;

    // The one spreadsheet link: prepare(), readSelection() and the offsets of an
    // insertion, and the link component (prepare() may replace it: ask each time).
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

} // namespace quillmar::shell
