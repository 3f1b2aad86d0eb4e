#pragma once
// Fixed texts of the main window, its tool bars, menus and dialogs (UTF-8).
#include <QString>

namespace quillmar::app::texts {

inline QString q(const char* utf8) { return QString::fromUtf8(utf8); }

inline constexpr char kApplicationTitle[] = "Quillmar";
inline constexpr char kMainCaption[] = "Quillmar Formelsammlung für Excel";

// Pages
inline constexpr char kPageFormulas[] = "Formelsammlung";
inline constexpr char kPageConversions[] = "Umrechnungen";
inline constexpr char kPageEditor[] = "Formelsammlung bearbeiten";
inline constexpr char kPageWaiting[] = "Dieser Bereich wird eingerichtet, sobald sein Fenster verfügbar ist.";

// Tool bars
inline constexpr char kFormulaToolBar[] = "Formeln";
inline constexpr char kConversionToolBar[] = "Umrechnungen";
inline constexpr char kToolInsert[] = "Einfügen";
inline constexpr char kHintInsert[] = "Formel in Excel einfügen";
inline constexpr char kToolRearrange[] = "Umformen";
inline constexpr char kHintNewDisplayWindow[] = "Neues Formelfenster ";
inline constexpr char kToolProperties[] = "Eigenschaften";
inline constexpr char kToolHelp[] = "Hilfe";
inline constexpr char kToolQuit[] = "Beenden";
inline constexpr char kToolValueFromExcel[] = "Wert aus Excel";
inline constexpr char kToolCompute[] = "Berechnen";
inline constexpr char kToolNumberFormat[] = "Zahlenformat";

// Menus
inline constexpr char kMenuFile[] = "&Datei";
inline constexpr char kItemFormulas[] = "&Formeln";
inline constexpr char kItemConversions[] = "&Umrechnungen";
inline constexpr char kItemPrint[] = "&Drucken...";
inline constexpr char kItemCalcWindow[] = "&Rechnenfenster";
inline constexpr char kItemStartExcel[] = "&Excel starten";
inline constexpr char kItemQuit[] = "&Beenden";

inline constexpr char kMenuFormulas[] = "&Formeln";
inline constexpr char kItemInsertFormula[] = "Einfügen in Excel";
inline constexpr char kItemContents[] = "&Inhalt";
inline constexpr char kItemSearch[] = "Suchen";
inline constexpr char kItemNextFormula[] = "Nä&chste Formel";
inline constexpr char kItemPreviousFormula[] = "&Vorhergehende Formel";
inline constexpr char kItemRearrange[] = "&Umformen";
inline constexpr char kItemNewDisplayWindow[] = "&Neues Formelfenster";
inline constexpr char kItemFormulaProperties[] = "&Eigenschaften";

inline constexpr char kMenuConversions[] = "&Umrechnungen";
inline constexpr char kItemInsertConversion[] = "&Einfügen in Excel";
inline constexpr char kItemCompute[] = "&Berechnen";
inline constexpr char kItemValueFromExcel[] = "&Wert aus Excel";
inline constexpr char kItemNumberFormat[] = "&Zahlenformat";
inline constexpr char kItemConversionProperties[] = "E&igenschaften";

inline constexpr char kMenuOptions[] = "&Optionen";
inline constexpr char kItemSaveSettings[] = "&Einstellungen speichern";
inline constexpr char kItemExcelVersion[] = "Welche Version von Excel?";

inline constexpr char kMenuHelp[] = "&Hilfe";
inline constexpr char kItemHelpContents[] = "&Inhalt";
inline constexpr char kItemHomepage[] = "Homepage";

// Dialog "Optionen Formeln"
inline constexpr char kFormulaOptionsCaption[] = "Optionen Formeln";
inline constexpr char kFormulaTargets[][40] = {"Formel in neue &Arbeitsmappe ", "Formel in neue &Tabelle",
                                               "Fomel in &aktuelle Tabelle"};
inline constexpr char kFormulaContents[][40] = {"&Formel + Formatierung", "&Formel + Grafik", "&nur Formel "};

// Dialog "Optionen Umrechnungen"
inline constexpr char kConversionOptionsCaption[] = "Optionen Umrechnungen";
inline constexpr char kConversionTargets[][40] = {"Umrechnung in neue &Arbeitsmappe ", "Umrechnung in neue &Tabelle",
                                                  "Umrechnung in &aktuelle Tabelle", "&Wert in Excel ersetzen"};
inline constexpr char kConversionContents[][40] = {"&Umrechnung + Formatierung", "&nur Umrechnung"};

inline constexpr char kGroupTarget[] = "Ziel";
inline constexpr char kGroupContent[] = "Inhalt";
inline constexpr char kButtonOk[] = "OK";
inline constexpr char kButtonCancel[] = "Abbrechen";
inline constexpr char kButtonHelp[] = "Hilfe";

// Dialog "Welche Excel Version?"
inline constexpr char kVersionCaption[] = "Welche Excel Version?";
inline constexpr char kVersionGroup[] = "Mit welcher Version arbeiten Sie";
inline constexpr char kVersionOld[] = "Excel 95,Excel 97 oder Excel 2000";
inline constexpr char kVersionXP[] = "Excel XP";

// Help
inline constexpr char kProgramHelp[] = "hilfequillmar/index.html";
inline constexpr char kHomepage[] = "hilfequillmar/homepage.html";
inline constexpr char kFormulaHelp[] = "hilfe/index.htm";
inline constexpr char kNumberFormatAnchor[] = "zahlenformat";
inline constexpr char kOptionsAnchor[] = "optionen";
inline constexpr char kHelpMissing[] = "Die Hilfeseite \"%1\" ist nicht vorhanden.";

// Command line
inline constexpr char kScreenshotOption[] = "--screenshot";

} // namespace quillmar::app::texts
