#pragma once
// The built-in spreadsheet: the workbooks, sheets and selection that the link
// addresses, the commands it sends ([New(1)], [FORMULA("=Z(-2)S*0,5","Z5S2")], ...)
// and the items it requests ("Status", "Selection", cell items "Z3S2").
#include "spreadsheet/server/workbook.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::spreadsheet::server {

// Told what happens in the server; the sheet window and the automatic saving listen.
class ServerObserver {
public:
    virtual ~ServerObserver() = default;
    virtual void contentChanged() {}            // cells, workbooks, sheets or selection
    virtual void workbookClosing(Workbook&) {}  // just before a workbook is dropped
    virtual void minimizeRequested() {}
    virtual void restoreRequested() {}
};

// The picture on the clipboard, as PNG; the program reads the system clipboard.
struct ClipboardImage {
    std::string png;
    int width = 0;
    int height = 0;
};
class ClipboardPicture {
public:
    virtual ~ClipboardPicture() = default;
    virtual std::optional<ClipboardImage> picture() = 0;
};

class SpreadsheetServer {
public:
    // Starts as the spreadsheet program does: one new workbook "Mappe1".
    SpreadsheetServer();

    // One execute transaction; false when the command is refused (malformed,
    // unknown, or not possible in the current state), and then nothing changed.
    bool execute(std::string_view command);

    // Whether a conversation can be opened on the topic: "System", or a sheet
    // named "[Book]Sheet" (also a workbook name alone, for its active sheet).
    bool hasTopic(std::string_view topic) const;

    // One request transaction on a topic; nothing when the item is unknown.
    std::optional<std::string> request(std::string_view topic, std::string_view item) const;

    // "[Mappe1]Tabelle1!Z3S2" or "...!Z3S2:Z5S4"; nothing without a visible workbook.
    std::optional<std::string> selectionText() const;

    const std::vector<std::unique_ptr<Workbook>>& workbooks() const { return books_; }
    Workbook* activeWorkbook() const;

    // A workbook known by name (case-insensitive).
    Workbook* findWorkbook(std::string_view name) const;

    // Sheet window actions: the user picks a workbook, a sheet, a cell range.
    void activate(Workbook& book);
    void activateSheet(Workbook& book, int sheetIndex);
    void select(Workbook& book, CellAddress from, CellAddress to);

    // The user types a constant or label into a cell (or empties it). Formulas
    // are the program's to write: a formula cell is not overwritten and a text
    // starting with "=" is not taken. Gives an empty text on success, otherwise
    // the German reason; nothing changes then.
    std::string editByUser(Workbook& book, int sheetIndex, CellAddress at, std::string_view text);

    // The user empties a range: constants and labels go, formulas stay (the
    // German reason is given when some stayed).
    std::string clearByUser(Workbook& book, int sheetIndex, CellAddress first, CellAddress last);

    void addObserver(ServerObserver* observer);
    void removeObserver(ServerObserver* observer);
    void setClipboard(ClipboardPicture* clipboard) { clipboard_ = clipboard; }

private:
    bool run(const std::string& name, const std::vector<std::string>& args);
    bool newWorkbook();
    bool insertSheet();
    bool open(const std::string& path);
    bool hide();
    bool unhide(const std::string& name);
    bool activateByName(const std::string& name);
    bool close();
    bool runMacro(const std::string& target);
    bool formula(const std::vector<std::string>& args);
    bool selectRange(const std::string& text);

    // Macros of the macro workbook, carried out here.
    bool macroNewPage();
    bool macroInput();
    bool macroInsertPicture();

    Workbook* visibleActiveWorkbook() const;
    Sheet* activeSheet() const;
    void makeActive(Workbook* book);
    void markChanged(Workbook& book);
    void notifyChanged();
    static Sheet& addSheet(Workbook& book, std::size_t position);

    std::vector<std::unique_ptr<Workbook>> books_;
    std::vector<Workbook*> recent_; // activation order, most recent last
    int nextBookNumber_ = 1;
    std::vector<ServerObserver*> observers_;
    ClipboardPicture* clipboard_ = nullptr;
};

} // namespace quillmar::spreadsheet::server
