#pragma once
// The fixed texts of the calculation window, the HTML output dialog and the
// project formula dialog (UTF-8).
#include <string_view>

namespace quillmar::calc::texts {

// The calculation window "Rechnen" and its menus
inline constexpr std::string_view kWindowCaption = "Rechnen";
inline constexpr std::string_view kFileMenu = "&Datei";
inline constexpr std::string_view kNewItem = "&Neu";
inline constexpr std::string_view kOpenItem = "Ö&ffnen...";
inline constexpr std::string_view kSaveItem = "&Speichern";
inline constexpr std::string_view kSaveAsItem = "Speichern &unter...";
inline constexpr std::string_view kPrintItem = "&Drucken...";
inline constexpr std::string_view kCloseItem = "&Beenden";
inline constexpr std::string_view kEditMenu = "&Bearbeiten";
inline constexpr std::string_view kCutItem = "&Ausschneiden";
inline constexpr std::string_view kCopyItem = "&Kopieren";
inline constexpr std::string_view kPasteItem = "&Einfügen";
inline constexpr std::string_view kDeleteItem = "Lösc&hen";
inline constexpr std::string_view kSelectAllItem = "Alles ausw&ählen";
inline constexpr std::string_view kCalculateMenu = "&Rechnen";
inline constexpr std::string_view kRunProgramItem = "Programm &starten";
inline constexpr std::string_view kDirectModeItem = "&Direkt Modus";
inline constexpr std::string_view kProgramModeItem = "&Programm Modus";
inline constexpr std::string_view kListFormulasItem = "Formeln &ausgeben";
inline constexpr std::string_view kChooseFontItem = "Schrift &wählen...";
inline constexpr std::string_view kPropertiesMenu = "&Eigenschaften";
inline constexpr std::string_view kNumberFormatItem = "&Zahlenformat";
inline constexpr std::string_view kEditProjectFormulasItem = "&Projektformeln bearbeiten...";
inline constexpr std::string_view kShowProjectFormulasItem = "Projektformeln &anzeigen";
inline constexpr std::string_view kOutputMenu = "Ausgabe";
inline constexpr std::string_view kHtmlItem = "&HTML";
inline constexpr std::string_view kHelpMenu = "&Hilfe";
inline constexpr std::string_view kHelpContentsItem = "&Inhalt";

// Tool bar: captions and hints
inline constexpr std::string_view kRunProgramTool = "Rechne";
inline constexpr std::string_view kRunProgramHint = "Programm starten";
inline constexpr std::string_view kSwitchModeTool = "D<->P";
inline constexpr std::string_view kSwitchModeHint = "Direkt <-> Programm";
inline constexpr std::string_view kMainWindowHint = "Hauptmenü";
inline constexpr std::string_view kOpenHint = "Rechnenfenster öffnen";
inline constexpr std::string_view kSaveHint = "Rechnenfenster speichern";
inline constexpr std::string_view kCloseHint = "Beenden";
inline constexpr std::string_view kHelpHint = "Hilfe";
inline constexpr std::string_view kNumberFormatHint = "Zahlenformat";
inline constexpr std::string_view kShowProjectFormulasHint = "Projektformeln anzeigen";
inline constexpr std::string_view kEditProjectFormulasHint = "Projektformeln bearbeiten";
inline constexpr std::string_view kListFormulasHint = "Formeln ausgeben";
inline constexpr std::string_view kFontHint = "Schrift";
inline constexpr std::string_view kCutHint = "Ausschneiden";
inline constexpr std::string_view kCopyHint = "Kopieren";
inline constexpr std::string_view kPasteHint = "Einfügen";
inline constexpr std::string_view kHtmlTool = "HTML";
inline constexpr std::string_view kHideListButton = "X";

// File dialogs
inline constexpr std::string_view kOpenFilter = "Rechnenfenster (*.ref);;Formeln (*.for);;Textdatei (*.txt)";
inline constexpr std::string_view kSaveFilter = "Rechnenfenster (*.ref);;Fomeln (*.for);;Text (*.txt)";
inline constexpr std::string_view kDefaultSuffix = "ref";

// Help page of the calculation window, below the data folder
inline constexpr std::string_view kHelpPage = "hilfe/index.htm";
inline constexpr std::string_view kHelpMissing = "Die Hilfeseite \"%1\" ist nicht vorhanden.";

// The HTML output dialog
inline constexpr std::string_view kHtmlDialogCaption = "HTML-Ausgabe erzeugen";
inline constexpr std::string_view kHtmlFilePage = "HTML-Datei";
inline constexpr std::string_view kDataPage = "Einzufügende Daten";
inline constexpr std::string_view kPicturePage = "Grafik";
inline constexpr std::string_view kCurrentFileLabel = "Aktuelle  HTML-Datei";
inline constexpr std::string_view kNewFileButton = "Neue  HTML-Datei";
inline constexpr std::string_view kOpenButton = "&Öffnen";
inline constexpr std::string_view kSaveButton = "&Speichern";
inline constexpr std::string_view kSaveAsButton = "Speichern &unter";
inline constexpr std::string_view kHtmlFilter = "HTM-Datei (*.htm);;HTML-Datei (*.html)";
inline constexpr std::string_view kPictureSizeGroup = "Bildgröße in Pixel";
inline constexpr std::string_view kWidthLabel = "Breite";
inline constexpr std::string_view kHeightLabel = "Höhe";
inline constexpr std::string_view kBackgroundColourCheck = "Hintergrundfarbe";
inline constexpr std::string_view kRefreshButton = "Aktualisieren";
inline constexpr std::string_view kInsertDataButton = "Daten an der Stelle <!##> einfügen";
inline constexpr std::string_view kPreviewButton = "Vorschau aktuelle HTML-Datei";
inline constexpr std::string_view kCloseButton = "S&chließen";

// The dialog "Neue HTML-Datei"
inline constexpr std::string_view kNewPageCaption = "Neue HTML-Datei";
inline constexpr std::string_view kFolderLabel = "Ausgabeverzeichnis";
inline constexpr std::string_view kFileNameLabel = "Dateiname";
inline constexpr std::string_view kDefaultFileName = "ausgabe";
inline constexpr std::string_view kHeadingLabel = "Überschrift";
inline constexpr std::string_view kTextLabel = "Text";
inline constexpr std::string_view kChooseFolderButton = "...";
inline constexpr std::string_view kOkButton = "OK";
inline constexpr std::string_view kCancelButton = "Abbrechen";

// The project formula dialog
inline constexpr std::string_view kProjectDialogCaption = "Projektformeln bearbeiten";
inline constexpr std::string_view kInputPage = "Formel eingeben";
inline constexpr std::string_view kImportPage = "Formeln importieren";
inline constexpr std::string_view kComputePage = "Ausdrücke berechnen";
inline constexpr std::string_view kExpressionHint = "Geben Sie einen mathm. Ausdruck ein";
inline constexpr std::string_view kInitialFormula = "f(x)=x";
inline constexpr std::string_view kDefineButton = "Definieren";
inline constexpr std::string_view kFunctionsLabel = "Funktionen";
inline constexpr std::string_view kFunctionHint = "Wählen Sie eine Funktion aus";
inline constexpr std::string_view kExamplesLabel = "Beispiele";
inline constexpr std::string_view kDeleteAllButton = "Löschen alle";
inline constexpr std::string_view kDeleteButton = "Löschen";
inline constexpr std::string_view kOpenFormulaFileButton = "Formeldatei öffnen";
inline constexpr std::string_view kTakeAllButton = "<<";
inline constexpr std::string_view kTakeSelectedButton = "<";
inline constexpr std::string_view kSaveFormulasButton = "Speichern unter";
inline constexpr std::string_view kDefinedGroup = "Definierte Projektformeln";
inline constexpr std::string_view kNumberFormatButton = "Zahlenformat";
inline constexpr std::string_view kProjectCloseButton = "&Schließen";
inline constexpr std::string_view kProjectHelpButton = "&Hilfe";
inline constexpr std::string_view kComputeButton = "Berechnen";
inline constexpr std::string_view kFormulaOpenFilter = "Formeln (*.FOR);;Text (*.TXT);;Alle Dateien (*.*)";
inline constexpr std::string_view kFormulaSaveFilter = "Formeln (*.for);;Text (*.txt);;Alle Dateien (*.*)";
inline constexpr std::string_view kFormulaSuffix = "for";
inline constexpr std::string_view kDefined = "Definiert: %1";
inline constexpr std::string_view kNotADefinition = "\"%1\" ist keine gültige Definition.";
inline constexpr std::string_view kNothingSelected = "Bitte wählen Sie zuerst eine Formel in der Liste aus.";
inline constexpr std::string_view kLinesNotTaken = "Nicht übernommene Zeilen:\n%1";

} // namespace quillmar::calc::texts
