#pragma once
// The commands of a docked page that the main window offers in its tool bars and
// menus, and the interface through which the page answers them.
namespace quillmar::shell {

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

} // namespace quillmar::shell
