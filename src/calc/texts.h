#pragma once
// The fixed German texts of the calculation windows, their files, the HTML output
// and the project formula dialog (UTF-8).
namespace quillmar::calc::texts {

// Runner
inline constexpr const char* kAlleGeloescht = "Alle Formeln gelöscht!";
inline constexpr const char* kFehlerPrefix = "Fehler:";
inline constexpr const char* kAusgabeOpen = "Ausgabe(";
inline constexpr const char* kCmdCls = "cls";
inline constexpr const char* kCmdZeigeFkt = "zeige_fkt";
inline constexpr const char* kCmdLoescheAlle = "lösche_alle";

// Calculation window file
inline constexpr const char* kFileHeader = "Rechnenfenster";
inline constexpr const char* kBlockBegin = "DATEN_ANFANG";
inline constexpr const char* kBlockEnd = "DATEN_ENDE";
inline constexpr const char* kNichtLadbar = "Datei kann nicht geladen werden.";
// Reading-layer messages; %1 and %2 are replaced.
inline constexpr const char* kNichtOeffnen = "Datei %1 kann nicht geöffnet werden. %2";
inline constexpr const char* kNichtLesbar = "Die Datei ist nicht vorhanden oder nicht lesbar.";
inline constexpr const char* kKeinInteger = "'%1' ist kein gültiger Integerwert";
inline constexpr const char* kListenindex = "Listenindex überschreitet das Maximum (%1)";

// HTML output
inline constexpr const char* kHtmlBreak = "<BR>";
inline constexpr const char* kHtmlImageOpen = "<P><IMG SRC=";
inline constexpr const char* kHtmlImageClose = "><P>";
inline constexpr const char* kHtmlMarker = "<!##>";
inline constexpr const char* kKeineMarke =
    "Die HTML-Datei enthält keine Stelle <!##>, an der die Daten eingefügt werden können.";
inline constexpr const char* kKeineHtmlDatei = "Es ist keine HTML-Datei geöffnet.";
inline constexpr const char* kKeinDateiname = "Bitte geben Sie einen Dateinamen an.";
inline constexpr const char* kVerzeichnisFehlt = "Das Ausgabeverzeichnis \"%1\" ist nicht vorhanden.";
inline constexpr const char* kDateiVorhanden = "Die Datei \"%1\" ist bereits vorhanden. Soll sie ersetzt werden?";
inline constexpr const char* kBildNichtGeschrieben = "Das Bild \"%1\" kann nicht geschrieben werden.";

// Command line
inline constexpr const char* kProgrammOhneDatei = "Nach --programm fehlt der Dateiname.";

} // namespace quillmar::calc::texts
