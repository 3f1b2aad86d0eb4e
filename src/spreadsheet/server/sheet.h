#pragma once
// One worksheet: cells as typed (constants, labels, formulas) with their computed
// values, the selection, column widths, cell styles and pictures.
#include "spreadsheet/server/cell_address.h"
#include "spreadsheet/server/cell_value.h"
#include "spreadsheet/server/formula.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::spreadsheet::server {

struct CellStyle {
    bool bold = false;  // titles
    bool input = false; // cells meant for the user's values
    bool operator==(const CellStyle&) const = default;
};

// A picture placed with its top-left corner on a cell; PNG bytes.
struct SheetPicture {
    CellAddress anchor;
    std::string png;
    int width = 0;
    int height = 0;
};

struct Selection {
    CellAddress active;
    CellAddress first; // top left
    CellAddress last;  // bottom right
};

class Sheet {
public:
    explicit Sheet(std::string name);

    const std::string& name() const { return name_; }

    // Puts what the user or a command typed into a cell: "" empties it, a text
    // starting with "=" is a formula, a number is a constant, anything else a
    // label (a leading apostrophe keeps a number as a label). False, and the cell
    // unchanged, when the formula is not well-formed.
    bool setInput(CellAddress at, std::string_view text);

    // The text as typed ("" for an empty cell).
    std::string input(CellAddress at) const;
    CellValue value(CellAddress at) const;
    const FormulaNode* formula(CellAddress at) const;

    // Every non-empty cell, row by row.
    std::vector<CellAddress> usedCells() const;
    // The non-empty cells of a range, row by row.
    std::vector<CellAddress> cellsIn(CellAddress first, CellAddress last) const;
    // A range as text for the clipboard: the values as shown, cells separated by
    // tabs, rows by line feeds; the range is cut at the last non-empty cell.
    std::string rangeAsText(CellAddress first, CellAddress last) const;

    // The bottom-right corner of everything on the sheet (cells, styles, pictures).
    CellAddress extent() const;

    const Selection& selection() const { return selection_; }
    // The active cell is `from`; the range is kept with its top-left corner first.
    void select(CellAddress from, CellAddress to);

    CellStyle style(CellAddress at) const;
    void setStyle(CellAddress at, CellStyle style);
    const std::map<CellAddress, CellStyle>& styles() const { return styles_; }

    // Column widths in characters; columns not listed have the standard width.
    double columnWidth(int column) const;
    void setColumnWidth(int column, double width);
    const std::map<int, double>& columnWidths() const { return widths_; }

    void addPicture(SheetPicture picture);
    const std::vector<SheetPicture>& pictures() const { return pictures_; }

private:
    struct Cell {
        std::string input;
        FormulaTree formula;
        CellValue value;
    };

    // Formulas are computed again on the first read after a change, so a burst
    // of writes costs one computation.
    void recalculate() { dirty_ = true; }
    void computeIfDirty() const;

    std::string name_;
    mutable std::map<CellAddress, Cell> cells_; // values are filled in by computeIfDirty
    mutable bool dirty_ = false;
    Selection selection_;
    std::map<CellAddress, CellStyle> styles_;
    std::map<int, double> widths_;
    std::vector<SheetPicture> pictures_;
};

} // namespace quillmar::spreadsheet::server
