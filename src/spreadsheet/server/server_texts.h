#pragma once
// The fixed German texts of the built-in spreadsheet. Placeholders %1 are filled
// with text::fillIn.
#include <string_view>

namespace quillmar::spreadsheet::texts {

// Names of new workbooks and sheets, followed by their number: "Mappe1", "Tabelle1".
inline constexpr std::string_view kBookPrefix = "Mappe";
inline constexpr std::string_view kSheetPrefix = "Tabelle";

inline constexpr std::string_view kCannotCreateFile = "Die Datei %1 kann nicht angelegt werden.";
inline constexpr std::string_view kCannotWriteFile = "Die Datei %1 kann nicht geschrieben werden.";
inline constexpr std::string_view kCannotCreateFolder = "Der Ordner für die Mappen kann nicht angelegt werden: %1";
inline constexpr std::string_view kSaveFailed = "Die Mappe kann nicht gespeichert werden: %1";
inline constexpr std::string_view kNoSaveFolder = "Es ist kein Ordner für die Mappen eingestellt.";
inline constexpr std::string_view kFormulaCellReadOnly =
    "Diese Zelle enthält eine Formel. Im Tabellenfenster lassen sich nur Werte und Texte eingeben.";
inline constexpr std::string_view kNoFormulaInput =
    "Formeln werden vom Programm eingefügt. Im Tabellenfenster lassen sich nur Werte und Texte eingeben.";

// Error values as a cell shows them.
inline constexpr std::string_view kErrorDivByZero = "#DIV/0!";
inline constexpr std::string_view kErrorValue = "#WERT!";
inline constexpr std::string_view kErrorRef = "#BEZUG!";
inline constexpr std::string_view kErrorName = "#NAME?";
inline constexpr std::string_view kErrorNum = "#ZAHL!";
inline constexpr std::string_view kErrorCircular = "#ZIRKELBEZUG!";

} // namespace quillmar::spreadsheet::texts
