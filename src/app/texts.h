#pragma once
// The fixed German texts of the main window, its tool bars, menus and dialogs, and
// the places of the help pages it opens.
#include <string_view>

namespace quillmar::app::texts {

inline constexpr std::string_view kApplicationTitle = "Quillmar";
inline constexpr std::string_view kMainCaption = "Quillmar Formelsammlung für Excel";

// Pages
inline constexpr std::string_view kPageFormulas = "Formelsammlung";
inline constexpr std::string_view kPageConversions = "Umrechnungen";
inline constexpr std::string_view kPageEditor = "Formelsammlung bearbeiten";
inline constexpr std::string_view kPageWaiting = "Dieser Bereich wird eingerichtet, sobald sein Fenster verfügbar ist.";

// Tool bars
inline constexpr std::string_view kFormulaToolBar = "Formeln";
inline constexpr std::string_view kConversionToolBar = "Umrechnungen";
inline constexpr std::string_view kToolInsert = "Einfügen";
inline constexpr std::string_view kHintInsert = "Formel in Excel einfügen";
inline constexpr std::string_view kToolRearrange = "Umformen";
inline constexpr std::string_view kToolNewDisplayWindow = "Neues Formelfenster";
inline constexpr std::string_view kHintNewDisplayWindow = "Neues Formelfenster ";
inline constexpr std::string_view kToolProperties = "Eigenschaften";
inline constexpr std::string_view kToolHelp = "Hilfe";
inline constexpr std::string_view kToolQuit = "Beenden";
inline constexpr std::string_view kToolValueFromExcel = "Wert aus Excel";
inline constexpr std::string_view kToolCompute = "Berechnen";
inline constexpr std::string_view kToolNumberFormat = "Zahlenformat";

// Menus
inline constexpr std::string_view kMenuFile = "&Datei";
inline constexpr std::string_view kItemFormulas = "&Formeln";
inline constexpr std::string_view kItemConversions = "&Umrechnungen";
inline constexpr std::string_view kItemPrint = "&Drucken...";
inline constexpr std::string_view kItemCalcWindow = "&Rechnenfenster";
inline constexpr std::string_view kItemStartExcel = "&Excel starten";
inline constexpr std::string_view kItemQuit = "&Beenden";

inline constexpr std::string_view kMenuFormulas = "&Formeln";
inline constexpr std::string_view kItemInsertFormula = "Einfügen in Excel";
inline constexpr std::string_view kItemContents = "&Inhalt";
inline constexpr std::string_view kItemSearch = "Suchen";
inline constexpr std::string_view kItemNextFormula = "Nä&chste Formel";
inline constexpr std::string_view kItemPreviousFormula = "&Vorhergehende Formel";
inline constexpr std::string_view kItemRearrange = "&Umformen";
inline constexpr std::string_view kItemNewDisplayWindow = "&Neues Formelfenster";
inline constexpr std::string_view kItemFormulaProperties = "&Eigenschaften";

inline constexpr std::string_view kMenuConversions = "&Umrechnungen";
inline constexpr std::string_view kItemInsertConversion = "&Einfügen in Excel";
inline constexpr std::string_view kItemCompute = "&Berechnen";
inline constexpr std::string_view kItemValueFromExcel = "&Wert aus Excel";
inline constexpr std::string_view kItemNumberFormat = "&Zahlenformat";
inline constexpr std::string_view kItemConversionProperties = "E&igenschaften";

inline constexpr std::string_view kMenuOptions = "&Optionen";
inline constexpr std::string_view kItemSaveSettings = "&Einstellungen speichern";
inline constexpr std::string_view kItemExcelVersion = "Welche Version von Excel?";

inline constexpr std::string_view kMenuHelp = "&Hilfe";
inline constexpr std::string_view kItemHelpContents = "&Inhalt";
inline constexpr std::string_view kItemHomepage = "Homepage";

// Dialog "Optionen Formeln"
inline constexpr std::string_view kFormulaOptionsCaption = "Optionen Formeln";
inline constexpr std::string_view kFormulaTargets[] = {"Formel in neue &Arbeitsmappe ", "Formel in neue &Tabelle",
                                               "Fomel in &aktuelle Tabelle"};
inline constexpr std::string_view kFormulaContents[] = {"&Formel + Formatierung", "&Formel + Grafik", "&nur Formel "};

// Dialog "Optionen Umrechnungen"
inline constexpr std::string_view kConversionOptionsCaption = "Optionen Umrechnungen";
inline constexpr std::string_view kConversionTargets[] = {"Umrechnung in neue &Arbeitsmappe ", "Umrechnung in neue &Tabelle",
                                                  "Umrechnung in &aktuelle Tabelle", "&Wert in Excel ersetzen"};
inline constexpr std::string_view kConversionContents[] = {"&Umrechnung + Formatierung", "&nur Umrechnung"};

inline constexpr std::string_view kGroupTarget = "Ziel";
inline constexpr std::string_view kGroupContent = "Inhalt";
inline constexpr std::string_view kButtonOk = "OK";
inline constexpr std::string_view kButtonCancel = "Abbrechen";
inline constexpr std::string_view kButtonHelp = "Hilfe";

// Dialog "Welche Excel Version?"
inline constexpr std::string_view kVersionCaption = "Welche Excel Version?";
inline constexpr std::string_view kVersionGroup = "Mit welcher Version arbeiten Sie";
inline constexpr std::string_view kVersionOld = "Excel 95,Excel 97 oder Excel 2000";
inline constexpr std::string_view kVersionXP = "Excel XP";

// Help
inline constexpr std::string_view kProgramHelp = "hilfequillmar/index.html";
inline constexpr std::string_view kHomepage = "hilfequillmar/homepage.html";
inline constexpr std::string_view kFormulaHelp = "hilfe/index.htm";
inline constexpr std::string_view kNumberFormatAnchor = "zahlenformat";
inline constexpr std::string_view kOptionsAnchor = "optionen";
inline constexpr std::string_view kHelpMissing = "Die Hilfeseite \"%1\" ist nicht vorhanden.";

// Command line
inline constexpr std::string_view kScreenshotOption = "--screenshot";

} // namespace quillmar::app::texts
