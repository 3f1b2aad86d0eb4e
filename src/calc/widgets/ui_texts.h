#pragma once
// The fixed texts of the calculation window, the HTML output dialog and the
// project formula dialog (UTF-8).
namespace quillmar::calc::texts {

// The calculation window "Rechnen"
inline constexpr const char* kCaption = "Rechnen";
inline constexpr const char* kMenuDatei = "&Datei";
inline constexpr const char* kNeu = "&Neu";
inline constexpr const char* kOeffnen = "Ö&ffnen...";
inline constexpr const char* kSpeichern = "&Speichern";
inline constexpr const char* kSpeichernUnter = "Speichern &unter...";
inline constexpr const char* kDrucken = "&Drucken...";
inline constexpr const char* kBeenden = "&Beenden";
inline constexpr const char* kMenuBearbeiten = "&Bearbeiten";
inline constexpr const char* kAusschneiden = "&Ausschneiden";
inline constexpr const char* kKopieren = "&Kopieren";
inline constexpr const char* kEinfuegen = "&Einfügen";
inline constexpr const char* kLoeschen = "Lösc&hen";
inline constexpr const char* kAllesAuswaehlen = "Alles ausw&ählen";
inline constexpr const char* kMenuRechnen = "&Rechnen";
inline constexpr const char* kProgrammStarten = "Programm &starten";
inline constexpr const char* kDirektModus = "&Direkt Modus";
inline constexpr const char* kProgrammModus = "&Programm Modus";
inline constexpr const char* kFormelnAusgeben = "Formeln &ausgeben";
inline constexpr const char* kSchriftWaehlen = "Schrift &wählen...";
inline constexpr const char* kMenuEigenschaften = "&Eigenschaften";
inline constexpr const char* kZahlenformat = "&Zahlenformat";
inline constexpr const char* kProjektformelnBearbeiten = "&Projektformeln bearbeiten...";
inline constexpr const char* kProjektformelnAnzeigen = "Projektformeln &anzeigen";
inline constexpr const char* kMenuAusgabe = "Ausgabe";
inline constexpr const char* kHtml = "&HTML";
inline constexpr const char* kMenuHilfe = "&Hilfe";
inline constexpr const char* kInhalt = "&Inhalt";

// Tool bar: caption and hint
inline constexpr const char* kToolRechne = "Rechne";
inline constexpr const char* kHintRechne = "Programm starten";
inline constexpr const char* kToolModus = "D<->P";
inline constexpr const char* kHintModus = "Direkt <-> Programm";
inline constexpr const char* kHintHauptmenue = "Hauptmenü";
inline constexpr const char* kHintOeffnen = "Rechnenfenster öffnen";
inline constexpr const char* kHintSpeichern = "Rechnenfenster speichern";
inline constexpr const char* kHintBeenden = "Beenden";
inline constexpr const char* kHintHilfe = "Hilfe";
inline constexpr const char* kHintZahlenformat = "Zahlenformat";
inline constexpr const char* kHintAnzeigen = "Projektformeln anzeigen";
inline constexpr const char* kHintBearbeiten = "Projektformeln bearbeiten";
inline constexpr const char* kHintFormelnAusgeben = "Formeln ausgeben";
inline constexpr const char* kHintSchrift = "Schrift";
inline constexpr const char* kHintAusschneiden = "Ausschneiden";
inline constexpr const char* kHintKopieren = "Kopieren";
inline constexpr const char* kHintEinfuegen = "Einfügen";
inline constexpr const char* kToolHtml = "HTML";
inline constexpr const char* kSplitterClose = "X";

// File dialogs
inline constexpr const char* kOpenFilter = "Rechnenfenster (*.ref);;Formeln (*.for);;Textdatei (*.txt)";
inline constexpr const char* kSaveFilter = "Rechnenfenster (*.ref);;Fomeln (*.for);;Text (*.txt)";
inline constexpr const char* kDefaultSuffix = "ref";

// Help page of the calculation window, below the data folder
inline constexpr const char* kHelpPage = "hilfe/index.htm";
inline constexpr const char* kHelpMissing = "Die Hilfeseite \"%1\" ist nicht vorhanden.";

// The HTML output dialog
inline constexpr const char* kHtmlCaption = "HTML-Ausgabe erzeugen";
inline constexpr const char* kPageHtmlDatei = "HTML-Datei";
inline constexpr const char* kPageDaten = "Einzufügende Daten";
inline constexpr const char* kPageGrafik = "Grafik";
inline constexpr const char* kAktuelleDatei = "Aktuelle  HTML-Datei";
inline constexpr const char* kNeueDateiButton = "Neue  HTML-Datei";
inline constexpr const char* kHtmlOeffnen = "&Öffnen";
inline constexpr const char* kHtmlSpeichern = "&Speichern";
inline constexpr const char* kHtmlSpeichernUnter = "Speichern &unter";
inline constexpr const char* kHtmlFilter = "HTM-Datei (*.htm);;HTML-Datei (*.html)";
inline constexpr const char* kBildgroesse = "Bildgröße in Pixel";
inline constexpr const char* kBreite = "Breite";
inline constexpr const char* kHoehe = "Höhe";
inline constexpr const char* kHintergrundfarbe = "Hintergrundfarbe";
inline constexpr const char* kAktualisieren = "Aktualisieren";
inline constexpr const char* kDatenEinfuegen = "Daten an der Stelle <!##> einfügen";
inline constexpr const char* kVorschau = "Vorschau aktuelle HTML-Datei";
inline constexpr const char* kSchliessen = "S&chließen";
inline constexpr const char* kNeueDateiCaption = "Neue HTML-Datei";
inline constexpr const char* kAusgabeverzeichnis = "Ausgabeverzeichnis";
inline constexpr const char* kDateiname = "Dateiname";
inline constexpr const char* kDateinameVorgabe = "ausgabe";
inline constexpr const char* kUeberschrift = "Überschrift";
inline constexpr const char* kText = "Text";
inline constexpr const char* kVerzeichnisWaehlen = "...";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kAbbrechen = "Abbrechen";

// The project formula dialog
inline constexpr const char* kProjCaption = "Projektformeln bearbeiten";
inline constexpr const char* kPageEingeben = "Formel eingeben";
inline constexpr const char* kPageImportieren = "Formeln importieren";
inline constexpr const char* kPageBerechnen = "Ausdrücke berechnen";
inline constexpr const char* kHintAusdruck = "Geben Sie einen mathm. Ausdruck ein";
inline constexpr const char* kStartFormel = "f(x)=x";
inline constexpr const char* kDefinieren = "Definieren";
inline constexpr const char* kFunktionen = "Funktionen";
inline constexpr const char* kHintFunktion = "Wählen Sie eine Funktion aus";
inline constexpr const char* kBeispiele = "Beispiele";
inline constexpr const char* kLoeschenAlle = "Löschen alle";
inline constexpr const char* kLoeschenEine = "Löschen";
inline constexpr const char* kFormeldateiOeffnen = "Formeldatei öffnen";
inline constexpr const char* kAlleUebernehmen = "<<";
inline constexpr const char* kAuswahlUebernehmen = "<";
inline constexpr const char* kProjSpeichernUnter = "Speichern unter";
inline constexpr const char* kDefinierte = "Definierte Projektformeln";
inline constexpr const char* kProjZahlenformat = "Zahlenformat";
inline constexpr const char* kProjSchliessen = "&Schließen";
inline constexpr const char* kProjHilfe = "&Hilfe";
inline constexpr const char* kBerechnenButton = "Berechnen";
inline constexpr const char* kFormelOpenFilter = "Formeln (*.FOR);;Text (*.TXT);;Alle Dateien (*.*)";
inline constexpr const char* kFormelSaveFilter = "Formeln (*.for);;Text (*.txt);;Alle Dateien (*.*)";
inline constexpr const char* kFormelSuffix = "for";
inline constexpr const char* kDefiniert = "Definiert: %1";
inline constexpr const char* kNichtDefiniert = "\"%1\" ist keine gültige engine::Definition.";
inline constexpr const char* kKeineAuswahl = "Bitte wählen Sie zuerst eine Formel in der Liste aus.";
inline constexpr const char* kNichtUebernommen = "Nicht übernommene Zeilen:\n%1";

} // namespace quillmar::calc::texts
