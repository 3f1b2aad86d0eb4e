#pragma once
// The fixed German texts of the formula window, its file and the command-line
// tool `quillmar formel` (UTF-8).
#include <string_view>

namespace quillmar::formula::texts {

// Messages of the window.
inline constexpr std::string_view kNoCalculation = "Keine Rechung möglich!";
inline constexpr std::string_view kCalculationAfterRearranging = "Rechnung nach Umformung möglich!";
inline constexpr std::string_view kNoInsertion = "Einfügen in Excel nicht möglich";
inline constexpr std::string_view kInsertionAfterRearranging = "Einfügen in Excel nach Umformung möglich!";
inline constexpr std::string_view kEnterValues = "Bitte Werte eingeben!";
inline constexpr std::string_view kFaultyInput = "Fehlerhafte Eingabe";
inline constexpr std::string_view kNoResult = "Es wurde bei der Rechung kein Ergebnis berechnet";
inline constexpr std::string_view kNotFound = "Ausdruck nicht gefunden";
inline constexpr std::string_view kFileMissingOrFaulty = "Datei nicht gefunden oder fehlerhaft!";
// A quantity number of a formula record without a quantity record; %1 is the number.
inline constexpr std::string_view kUnknownQuantity = "unbekannte Größe %1";
// A window file or a copied window names a formula the collection no longer holds.
inline constexpr std::string_view kFormulaGone =
    "Die Formel \"%1\" (%2, %3) ist nicht in der Formelsammlung enthalten.";

// Headings and captions.
inline constexpr std::string_view kContentsHeading = "Inhalt";
inline constexpr std::string_view kHeadingSeparator = "  ";
inline constexpr std::string_view kPageDescription = "Beschreibung";
inline constexpr std::string_view kPageCalculation = "Rechnung";
inline constexpr std::string_view kPageExample = "Beispiel";
inline constexpr std::string_view kResultGroup = "Ergebnis:";
inline constexpr std::string_view kSought = "Gesucht:";
inline constexpr std::string_view kGiven = "Gegeben:";
inline constexpr std::string_view kBack = "zurück";
inline constexpr std::string_view kSearchButton = "&Suchen";
inline constexpr std::string_view kSearchNextButton = "&Weiter";
inline constexpr std::string_view kSplitterButton = "X";

// Hints.
inline constexpr std::string_view kHintResult = "Klicken um das Ergebnis zu berechnen";
inline constexpr std::string_view kHintValue = "Klicken und Wert eingeben";
inline constexpr std::string_view kHintFormula = "Formel";
inline constexpr std::string_view kHintFormulaName = "Formelname";
inline constexpr std::string_view kHintRearrangement = "Umformung wählen";
inline constexpr std::string_view kHintSearchField = "Geben Sie einen Suchbegriff ein und klicken auf SUCHEN.";
inline constexpr std::string_view kHintSplitterButton = "Fenster öffnen/schließen";
inline constexpr std::string_view kHintSplitter = "Linke Maustaste drücken und ziehen";
inline constexpr std::string_view kHintNextEntry = "Nächste Vorlage";
inline constexpr std::string_view kHintPreviousEntry = "Vorherige Vorlage";

// Tool buttons (their hints).
inline constexpr std::string_view kToolContents = "Inhalt";
inline constexpr std::string_view kToolRearrange = "Umformen";
inline constexpr std::string_view kToolCalculate = "Rechne";
inline constexpr std::string_view kToolCalcWindow = "Rechnenfesnter";
inline constexpr std::string_view kToolDescription = "Formel";
inline constexpr std::string_view kToolCalculation = "Rechnung";
inline constexpr std::string_view kToolExample = "Beispiel";
inline constexpr std::string_view kToolDuplicate = "Duplizieren";
inline constexpr std::string_view kToolHtml = "HTML Ausgabe";
inline constexpr std::string_view kToolSave = "Rechnenfenster speichern";
inline constexpr std::string_view kToolOpen = "Rechnenfenster öffnen";
inline constexpr std::string_view kToolClose = "Beenden|";
inline constexpr std::string_view kToolMainWindow = "Hauptmenü";
inline constexpr std::string_view kToolNumberFormat = "Zahlenformat";

// Menus and their items.
inline constexpr std::string_view kMenuFile = "&Datei";
inline constexpr std::string_view kItemNew = "&Neu";
inline constexpr std::string_view kItemOpen = "Ö&ffnen...";
inline constexpr std::string_view kItemSave = "&Speichern";
inline constexpr std::string_view kItemSaveAs = "Speichern &unter...";
inline constexpr std::string_view kItemPrint = "&Drucken...";
inline constexpr std::string_view kItemClose = "&Beenden";
inline constexpr std::string_view kMenuEdit = "&Bearbeiten";
inline constexpr std::string_view kItemCopyPage = "&Seite kopieren";
inline constexpr std::string_view kMenuView = "&Ansicht";
inline constexpr std::string_view kItemContents = "&Inhaltsverzeichnis";
inline constexpr std::string_view kItemPageDescription = "Seite:&Beschreibung";
inline constexpr std::string_view kItemPageCalculation = "Seite:R&echnung";
inline constexpr std::string_view kItemPageExample = "Seite:&Beispiel";
inline constexpr std::string_view kItemNumberFormat = "&Zahlenformat";
inline constexpr std::string_view kMenuFormulas = "&Formeln";
inline constexpr std::string_view kItemDuplicate = "&Duplizieren";
inline constexpr std::string_view kItemNextFormula = "Nä&chste Formel";
inline constexpr std::string_view kItemPreviousFormula = "&Vorhergehende Formel";
inline constexpr std::string_view kItemRearrange = "&Umformen";
inline constexpr std::string_view kItemCalculate = "&Rechne";
inline constexpr std::string_view kMenuOutput = "&Ausgabe";
inline constexpr std::string_view kItemCalcWindow = "Re&chnenfenster";
inline constexpr std::string_view kItemHtml = "&HTML";
inline constexpr std::string_view kItemSpreadsheet = "&Tabellenkalkulation";
inline constexpr std::string_view kMenuHelp = "&Hilfe";
inline constexpr std::string_view kItemHelpContents = "&Inhalt";

// The formula window file.
inline constexpr std::string_view kFileFilter = "Formelfenster|*.fff";
inline constexpr std::string_view kFileExtension = "fff";

// The command-line tool.
inline constexpr std::string_view kCliUsage =
    "Aufruf: quillmar formel INHALT [--gebiet G] [--thema T] [--umformung N | --nach VAR]\n"
    "                        [--format P] [--daten D] [--programm] [VAR=WERT[@EINHEIT] ...] [VAR@EINHEIT]\n"
    "        quillmar formel --liste [SUCHTEXT] [--daten D]";
inline constexpr std::string_view kCliMissingValue = "Nach %1 fehlt ein Wert.";
inline constexpr std::string_view kCliUnknownOption = "Unbekannte Angabe: %1";
inline constexpr std::string_view kCliBothRearrangementOptions = "--umformung und --nach schließen einander aus.";
inline constexpr std::string_view kCliUnknownFormula = "Die Formel \"%1\" ist nicht in der Formelsammlung enthalten.";
inline constexpr std::string_view kCliSimilarFormulas = "Ähnliche Formeln:";
inline constexpr std::string_view kCliAmbiguousFormula =
    "Die Formel \"%1\" steht in mehreren Themen; --gebiet und --thema wählen eine davon:";
inline constexpr std::string_view kCliCandidateFormula = "  %1 / %2 / %3";
inline constexpr std::string_view kCliBadRearrangement =
    "Die Formel hat keine Umformung %1; es gibt diese Umformungen:";
inline constexpr std::string_view kCliNoRearrangementFor =
    "Keine Umformung der Formel ist nach \"%1\" aufgelöst; es gibt diese Umformungen:";
inline constexpr std::string_view kCliCandidateRearrangement = "  %1: %2 (%3)";
inline constexpr std::string_view kCliBadArgument =
    "\"%1\" ist keine Angabe VAR=WERT, VAR=WERT@EINHEIT oder VAR@EINHEIT.";
inline constexpr std::string_view kCliUnknownVariable = "Die Formel hat keine Größe mit der Variablen \"%1\"; es gibt:";
inline constexpr std::string_view kCliResultNotGiven =
    "\"%1\" ist die gesuchte Größe; ihr Wert wird berechnet und kann nicht vorgegeben werden.";
inline constexpr std::string_view kCliCandidateVariable = "  %1: %2 (%3)";
inline constexpr std::string_view kCliNoUnitTable =
    "Die Größe \"%1\" hat keine Umrechnungstabelle; ihre Einheit ist %2.";
inline constexpr std::string_view kCliUnknownUnit = "Die Größe \"%1\" hat keine Einheit \"%2\"; es gibt:";
inline constexpr std::string_view kCliCandidateUnit = "  %1 (%2)";

} // namespace quillmar::formula::texts
