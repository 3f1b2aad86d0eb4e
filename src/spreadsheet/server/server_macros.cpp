// The three macros of the macro workbook, carried out by the server itself.
#include "spreadsheet/server/spreadsheet_server.h"

#include <algorithm>

namespace quillmar::spreadsheet::server {

namespace {

// Widths (in characters) of the five columns of an insertion block: labels,
// values, units, converted values, units.
constexpr double kBlockWidths[] = {30.0, 14.0, 24.0, 14.0, 24.0};

} // namespace

// "neueseite": prepares the block that starts at the active cell: wide enough
// columns (never narrower than the user made them) and a bold title cell.
bool SpreadsheetServer::macroNewPage()
{
    Workbook* book = activeWorkbook();
    if (!book)
        return false;
    Sheet& sheet = book->sheet();
    const CellAddress origin = sheet.selection().active;
    for (int i = 0; i < 5; ++i) {
        const int column = origin.column + i;
        if (column > kMaxColumn)
            break;
        sheet.setColumnWidth(column, std::max(sheet.columnWidth(column), kBlockWidths[i]));
    }
    CellStyle title = sheet.style(origin);
    title.bold = true;
    sheet.setStyle(origin, title);
    markChanged(*book);
    return true;
}

// "eingabe": marks the selected cells as the block's input cells.
bool SpreadsheetServer::macroInput()
{
    Workbook* book = activeWorkbook();
    if (!book)
        return false;
    Sheet& sheet = book->sheet();
    const Selection s = sheet.selection();
    for (int r = s.first.row; r <= s.last.row; ++r) {
        for (int c = s.first.column; c <= s.last.column; ++c) {
            CellStyle style = sheet.style({r, c});
            style.input = true;
            sheet.setStyle({r, c}, style);
        }
    }
    markChanged(*book);
    return true;
}

// "grafikeinfuegen": places the clipboard's picture at the active cell; refused
// when there is no picture to place.
bool SpreadsheetServer::macroInsertPicture()
{
    Workbook* book = activeWorkbook();
    if (!book || !clipboard_)
        return false;
    const auto image = clipboard_->picture();
    if (!image || image->png.empty())
        return false;
    Sheet& sheet = book->sheet();
    sheet.addPicture({sheet.selection().active, image->png, image->width, image->height});
    markChanged(*book);
    return true;
}

} // namespace quillmar::spreadsheet::server
