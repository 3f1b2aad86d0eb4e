#pragma once
// The commands of a docked page that the main window offers in its tool bars and
// menus, and the interface through which the page answers them.
namespace quillmar::shell {

// The commands of a page that the main window offers in its tool bars and menus.
enum class PageCommand {
    insert,           // "Einfügen": the formula (page 1) or the conversion (page 2) into Excel
    rearrange,        // "Umformen": the next re-arrangement of the shown formula
    newDisplayWindow, // "Neues Formelfenster": a display window of the shown formula
    contents,         // "Inhalt": the contents of the collection
    search,           // "Suchen"
    nextFormula,      // "Nächste Formel"
    previousFormula,  // "Vorhergehende Formel"
    refill,           // refill the contents tree after the collection was saved
    compute,          // "Berechnen": compute the conversion
    valueFromExcel,   // "Wert aus Excel"
    numberFormat,     // "Zahlenformat"
    help,             // the page's own help
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
