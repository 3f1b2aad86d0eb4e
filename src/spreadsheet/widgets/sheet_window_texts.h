#pragma once
// The fixed German texts of the sheet window.
namespace quillmar::spreadsheet::texts {

inline constexpr const char* kWindowTitle = "Quillmar-Tabelle";
inline constexpr const char* kFileMenu = "&Datei";
inline constexpr const char* kSaveAs = "&Speichern unter…";
inline constexpr const char* kSaveAsFilter = "Excel-Arbeitsmappe (*.xlsx)";
inline constexpr const char* kChooseFolder = "&Ordner für die Mappen…";
inline constexpr const char* kChooseFolderCaption = "Ordner für die Mappen";
inline constexpr const char* kCloseWindow = "S&chließen";
inline constexpr const char* kEditMenu = "&Bearbeiten";
inline constexpr const char* kCopy = "&Kopieren";
inline constexpr const char* kClear = "&Inhalte löschen";
inline constexpr const char* kWorkbookLabel = "Mappe:";
inline constexpr const char* kNoWorkbook = "Keine Mappe geöffnet";
inline constexpr const char* kDefaultFolderName = "Quillmar-Mappen";

} // namespace quillmar::spreadsheet::texts
