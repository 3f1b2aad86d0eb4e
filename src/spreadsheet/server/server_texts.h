#pragma once
// The fixed German texts of the built-in spreadsheet.
namespace quillmar::spreadsheet::server::texts {

inline constexpr const char* kBookPrefix = "Mappe";
inline constexpr const char* kSheetPrefix = "Tabelle";
inline constexpr const char* kReady = "Ready";

inline constexpr const char* kFile = "Die Datei ";
inline constexpr const char* kCannotCreate = " kann nicht angelegt werden.";
inline constexpr const char* kCannotWrite = " kann nicht geschrieben werden.";
inline constexpr const char* kCannotCreateFolder = "Der Ordner für die Mappen kann nicht angelegt werden: ";
inline constexpr const char* kSaveFailed = "Die Mappe kann nicht gespeichert werden: ";
inline constexpr const char* kNoSaveFolder = "Es ist kein Ordner für die Mappen eingestellt.";
inline constexpr const char* kFormulaCellReadOnly =
    "Diese Zelle enthält eine Formel. Im Tabellenfenster lassen sich nur Werte und Texte eingeben.";
inline constexpr const char* kNoFormulaInput =
    "Formeln werden vom Programm eingefügt. Im Tabellenfenster lassen sich nur Werte und Texte eingeben.";

} // namespace quillmar::spreadsheet::server::texts
