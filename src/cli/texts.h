#pragma once
// The fixed texts of the command-line verbs: their names on the command line, their
// options and their German messages. Placeholders %1, %2 are filled with text::fillIn.
#include <string_view>

namespace quillmar::cli::texts {

inline constexpr std::string_view kCalculateVerb = "rechne";
inline constexpr std::string_view kExportVerb = "exportieren";
inline constexpr std::string_view kConvertVerb = "umrechnen";
inline constexpr std::string_view kFormulaVerb = "formel";

inline constexpr std::string_view kFormatOption = "--format";
// Options of `quillmar formel`.
inline constexpr std::string_view kListOption = "--liste";
inline constexpr std::string_view kProgramOption = "--programm";
inline constexpr std::string_view kAreaOption = "--gebiet";
inline constexpr std::string_view kTopicOption = "--thema";
inline constexpr std::string_view kRearrangementOption = "--umformung";
inline constexpr std::string_view kSolvedForOption = "--nach";

inline constexpr std::string_view kExportUsage = "Aufruf: quillmar exportieren DATENORDNER ZIELORDNER";
inline constexpr std::string_view kExportDone = "Die Tabellen aus \"%1\" wurden in \"%2\" als Text geschrieben.";

} // namespace quillmar::cli::texts
