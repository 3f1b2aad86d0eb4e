#include "spreadsheet/server/xlsx_export.h"

#include "spreadsheet/server/formula_a1.h"
#include "spreadsheet/server/server_texts.h"
#include "support/text.h"

#include <xlsxwriter.h>

#include <atomic>
#include <chrono>

namespace quillmar::spreadsheet::server {

namespace {

struct Formats {
    lxw_format* bold = nullptr;
    lxw_format* input = nullptr;
    lxw_format* boldInput = nullptr;

    explicit Formats(lxw_workbook* wb)
    {
        bold = workbook_add_format(wb);
        format_set_bold(bold);
        input = workbook_add_format(wb);
        markInput(input);
        boldInput = workbook_add_format(wb);
        format_set_bold(boldInput);
        markInput(boldInput);
    }
    static void markInput(lxw_format* f)
    {
        format_set_bg_color(f, 0xFFF2CC);
        format_set_border(f, LXW_BORDER_THIN);
    }
    lxw_format* of(CellStyle s) const
    {
        if (s.bold && s.input)
            return boldInput;
        if (s.bold)
            return bold;
        if (s.input)
            return input;
        return nullptr;
    }
};

lxw_error writeCell(lxw_worksheet* ws, const Sheet& sheet, CellAddress at, lxw_format* format)
{
    const lxw_row_t row = static_cast<lxw_row_t>(at.row - 1);
    const lxw_col_t col = static_cast<lxw_col_t>(at.column - 1);
    const CellValue value = sheet.value(at);
    if (const FormulaNode* formula = sheet.formula(at)) {
        const std::string a1 = formulaToA1(*formula, at);
        switch (value.kind) {
        case CellValue::Kind::number:
            return worksheet_write_formula_num(ws, row, col, a1.c_str(), format, value.number);
        case CellValue::Kind::text:
            return worksheet_write_formula_str(ws, row, col, a1.c_str(), format, value.text.c_str());
        case CellValue::Kind::error:
            return worksheet_write_formula_str(ws, row, col, a1.c_str(), format, fileErrorCode(value.error).c_str());
        case CellValue::Kind::empty:
            return worksheet_write_formula_num(ws, row, col, a1.c_str(), format, 0.0);
        }
    }
    switch (value.kind) {
    case CellValue::Kind::number:
        return worksheet_write_number(ws, row, col, value.number, format);
    case CellValue::Kind::text:
        return worksheet_write_string(ws, row, col, value.text.c_str(), format);
    default:
        return worksheet_write_blank(ws, row, col, format);
    }
}

lxw_error writeSheet(lxw_workbook* wb, const Sheet& sheet, const Formats& formats, bool active)
{
    lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.name().c_str());
    if (!ws)
        return LXW_ERROR_SHEETNAME_ALREADY_USED;
    for (const auto& [column, width] : sheet.columnWidths()) {
        const auto c = static_cast<lxw_col_t>(column - 1);
        if (lxw_error e = worksheet_set_column(ws, c, c, width, nullptr))
            return e;
    }
    for (const CellAddress& at : sheet.usedCells())
        if (lxw_error e = writeCell(ws, sheet, at, formats.of(sheet.style(at))))
            return e;
    // Styled cells without content (input cells waiting for a value) keep their look.
    for (const auto& [at, style] : sheet.styles())
        if (sheet.input(at).empty())
            if (lxw_error e = worksheet_write_blank(ws, static_cast<lxw_row_t>(at.row - 1),
                                                     static_cast<lxw_col_t>(at.column - 1), formats.of(style)))
                return e;
    // A picture the library cannot read is left out rather than costing the
    // workbook its save: the cells matter more.
    for (const SheetPicture& p : sheet.pictures())
        worksheet_insert_image_buffer(ws, static_cast<lxw_row_t>(p.anchor.row - 1),
                                      static_cast<lxw_col_t>(p.anchor.column - 1),
                                      reinterpret_cast<const unsigned char*>(p.png.data()), p.png.size());
    const Selection& s = sheet.selection();
    worksheet_set_selection(ws, static_cast<lxw_row_t>(s.first.row - 1), static_cast<lxw_col_t>(s.first.column - 1),
                            static_cast<lxw_row_t>(s.last.row - 1), static_cast<lxw_col_t>(s.last.column - 1));
    if (active)
        worksheet_activate(ws);
    return LXW_NO_ERROR;
}

std::filesystem::path temporaryBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    std::filesystem::path tmp = target;
    // Unique among the saves of this run, and unlikely to meet a leftover of another.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    tmp += ".tmp-" + std::to_string(ticks) + "-" + std::to_string(counter++);
    return tmp;
}

} // namespace

std::string saveXlsx(const Workbook& book, const std::filesystem::path& target)
{
    const std::filesystem::path tmp = temporaryBeside(target);
    lxw_workbook* wb = workbook_new(tmp.string().c_str());
    if (!wb)
        return text::fillIn(texts::kCannotCreateFile, {target.string()});
    const Formats formats(wb);
    lxw_error error = LXW_NO_ERROR;
    for (std::size_t i = 0; i < book.sheets.size() && error == LXW_NO_ERROR; ++i)
        error = writeSheet(wb, *book.sheets[i], formats, static_cast<int>(i) == book.activeSheet);
    const lxw_error closed = workbook_close(wb);
    if (error == LXW_NO_ERROR)
        error = closed;
    std::error_code ec;
    if (error != LXW_NO_ERROR) {
        std::filesystem::remove(tmp, ec);
        return text::fillIn(texts::kCannotWriteFile, {target.string()}) + " (" + lxw_strerror(error) + ")";
    }
    std::filesystem::rename(tmp, target, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        return text::fillIn(texts::kCannotWriteFile, {target.string()});
    }
    return {};
}

} // namespace quillmar::spreadsheet::server
