#pragma once
// The fixed German texts of the spreadsheet link.
#include <string_view>

namespace quillmar::spreadsheet::texts {

inline constexpr std::string_view kCannotStart = "Excel kann nicht gestartet werden.";
inline constexpr std::string_view kNoConnection = "Keine Verbindung zu Excel möglich";
// Also the answer text of a request that got no answer.
inline constexpr std::string_view kNoAnswer = "Excel antwortet nicht";
inline constexpr std::string_view kMacroBookNotOpen = "Makro kann nicht geöffnet werden";
inline constexpr std::string_view kSheetNotOpen = "Tabelle ist nicht geöffnet";
inline constexpr std::string_view kExcelClosed = "Excel ist geschlossen worden!";
// Follows the refused command, which is put in double quotes before it.
inline constexpr std::string_view kCommandFailedSuffix = " Fehler ";
inline constexpr std::string_view kCommandTooLong =
    "Der Befehl an Excel ist länger als 255 Zeichen und wurde nicht gesendet:\n";
inline constexpr std::string_view kSelectionWithoutCell =
    "Excel hat keine Zelle als Auswahl gemeldet, sondern: ";

} // namespace quillmar::spreadsheet::texts
