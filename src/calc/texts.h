#pragma once
// The fixed German texts of the calculation windows, their files, the HTML output
// and the command line `quillmar rechne` (UTF-8). The texts of the widgets alone
// are in widgets/ui_texts.h.
#include <string_view>

namespace quillmar::calc::texts {

// The lines of a calculation window and what working them reports
inline constexpr std::string_view kAllFormulasDeleted = "Alle Formeln gelöscht!";
inline constexpr std::string_view kErrorPrefix = "Fehler:";
inline constexpr std::string_view kOutputOpen = "Ausgabe(";
inline constexpr std::string_view kClearTextCommand = "cls";
inline constexpr std::string_view kListDefinitionsCommand = "zeige_fkt";
inline constexpr std::string_view kClearStoreCommand = "lösche_alle";

// The calculation window file; its first line also heads the window's HTML fragment
inline constexpr std::string_view kFileHeader = "Rechnenfenster";
inline constexpr std::string_view kBlockBegin = "DATEN_ANFANG";
inline constexpr std::string_view kBlockEnd = "DATEN_ENDE";
inline constexpr std::string_view kCannotLoad = "Datei kann nicht geladen werden.";
// Messages of the reading layer; %1 and %2 are replaced.
inline constexpr std::string_view kCannotOpen = "Datei %1 kann nicht geöffnet werden. %2";
inline constexpr std::string_view kMissingOrUnreadable = "Die Datei ist nicht vorhanden oder nicht lesbar.";
inline constexpr std::string_view kNotAnInteger = "'%1' ist kein gültiger Integerwert";
inline constexpr std::string_view kListIndexBeyondEnd = "Listenindex überschreitet das Maximum (%1)";

// HTML output
inline constexpr std::string_view kHtmlLineBreak = "<BR>";
inline constexpr std::string_view kHtmlImageOpen = "<P><IMG SRC=";
inline constexpr std::string_view kHtmlImageClose = "><P>";
inline constexpr std::string_view kHtmlMarker = "<!##>";
inline constexpr std::string_view kNoMarker =
    "Die HTML-Datei enthält keine Stelle <!##>, an der die Daten eingefügt werden können.";
inline constexpr std::string_view kNoHtmlFile = "Es ist keine HTML-Datei geöffnet.";
inline constexpr std::string_view kNoFileName = "Bitte geben Sie einen Dateinamen an.";
inline constexpr std::string_view kFolderMissing = "Das Ausgabeverzeichnis \"%1\" ist nicht vorhanden.";
inline constexpr std::string_view kFileExists = "Die Datei \"%1\" ist bereits vorhanden. Soll sie ersetzt werden?";
inline constexpr std::string_view kCannotWritePicture = "Das Bild \"%1\" kann nicht geschrieben werden.";

// The command line `quillmar rechne`
inline constexpr std::string_view kProgramOption = "--programm";
inline constexpr std::string_view kFormatOption = "--format";
inline constexpr std::string_view kUsage = "Aufruf: quillmar rechne [--format MUSTER] [--programm DATEI]";
inline constexpr std::string_view kProgramWithoutFile = "Nach --programm fehlt der Dateiname.";
inline constexpr std::string_view kFormatWithoutPattern = "Nach --format fehlt das Zahlenformat.";
inline constexpr std::string_view kUnknownArgument = "Unbekannte Angabe: ";

} // namespace quillmar::calc::texts
