#pragma once
// The fixed German texts of the sheet window, and the names under which the
// built-in spreadsheet keeps its settings between runs.
#include <string_view>

namespace quillmar::spreadsheet::texts {

inline constexpr std::string_view kWindowTitle = "Quillmar-Tabelle";
inline constexpr std::string_view kFileMenu = "&Datei";
inline constexpr std::string_view kSaveAs = "&Speichern unter…";
inline constexpr std::string_view kSaveAsFilter = "Excel-Arbeitsmappe (*.xlsx)";
inline constexpr std::string_view kChooseFolder = "&Ordner für die Mappen…";
inline constexpr std::string_view kChooseFolderCaption = "Ordner für die Mappen";
inline constexpr std::string_view kCloseWindow = "S&chließen";
inline constexpr std::string_view kEditMenu = "&Bearbeiten";
inline constexpr std::string_view kCopy = "&Kopieren";
inline constexpr std::string_view kClear = "&Inhalte löschen";
inline constexpr std::string_view kWorkbookLabel = "Mappe:";
inline constexpr std::string_view kNoWorkbook = "Keine Mappe geöffnet";
inline constexpr std::string_view kDefaultFolderName = "Quillmar-Mappen";

// The settings file of the built-in spreadsheet and its keys.
inline constexpr std::string_view kSettingsOrganization = "Quillmar";
inline constexpr std::string_view kSettingsApplication = "tabelle";
inline constexpr std::string_view kFolderKey = "Mappen/Ordner";
inline constexpr std::string_view kGeometryKey = "Tabellenfenster/Geometrie";

} // namespace quillmar::spreadsheet::texts
