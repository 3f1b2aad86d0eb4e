#pragma once
// Fixed texts of the settings file and its messages.
#include <string_view>

namespace quillmar::settings::texts {

inline constexpr std::string_view kFileName = "quillmar.ini";
inline constexpr std::string_view kIdentification = "quillmar30";

inline constexpr std::string_view kCannotLoad = "INI-Datei kann nicht geladen werden.";
inline constexpr std::string_view kFaulty = "INI-Datei fehlerhaft.";
inline constexpr std::string_view kCannotSave = "Die Einstellungen können nicht gespeichert werden.";

inline constexpr std::string_view kDataOption = "--daten";
inline constexpr std::string_view kDataFolderMissing = "Der Datenordner \"%1\" existiert nicht.";
inline constexpr std::string_view kDataOptionWithoutFolder = "Nach --daten fehlt der Name des Datenordners.";

} // namespace quillmar::settings::texts
