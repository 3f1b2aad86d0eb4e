#pragma once
// Every item and macro command the program sends to the spreadsheet program.
// A command is built as text. String arguments stand in double quotes; a double
// quote inside a value is doubled, everything else is inserted unchanged.
#include <string>
#include <string_view>

namespace quillmar::spreadsheet::commands {

inline constexpr std::string_view kService = "EXCEL";
// The cell read names the service this way; both spellings reach the same server.
inline constexpr std::string_view kServiceCellRead = "Excel";
inline constexpr std::string_view kSystemTopic = "System";

inline constexpr std::string_view kItemStatus = "Status";
inline constexpr std::string_view kStatusReady = "Ready";
// Workbook and sheet of the selection (topic System).
inline constexpr std::string_view kItemSelection = "Selection";
// Position of the selection (current topic).
inline constexpr std::string_view kItemSelectionPosition = "SELECTION";

inline constexpr std::string_view kNewWorkbook = "[New(1)]";
inline constexpr std::string_view kInsertWorksheet = "[WORKBOOK.INSERT(1)]";
inline constexpr std::string_view kHide = "[HIDE()]";
inline constexpr std::string_view kCloseWithoutSaving = "[CLOSE(FALSE)]";
inline constexpr std::string_view kMinimizeApp = "[APP.MINIMIZE()]";
inline constexpr std::string_view kRestoreApp = "[APP.RESTORE()]";

// The macros of the macro workbook daten/makro.xls.
inline constexpr std::string_view kMacroNewPage = "neueseite";          // lays out a new block
inline constexpr std::string_view kMacroInput = "eingabe";              // marks the selected input cells
inline constexpr std::string_view kMacroInsertPicture = "grafikeinfuegen"; // the clipboard's picture

// The longest command the conversation carries.
inline constexpr std::size_t kMaxCommandLength = 255;

// Item of one cell on a sheet topic; always the letters Z and S.
std::string cellItem(int row, int column);

std::string open(std::string_view path);
std::string unhide(std::string_view workbookName);
std::string activate(std::string_view workbookName);
std::string run(std::string_view workbookName, std::string_view macro);
// text: a constant, a label or a formula beginning with "=".
std::string formula(std::string_view text, std::string_view reference);
// reference: one cell, or a range of two references joined by ":".
std::string select(std::string_view reference);

} // namespace quillmar::spreadsheet::commands
