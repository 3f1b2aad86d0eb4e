#pragma once
// The fixed German texts of the conversion window and the conversion tool.
#include <string_view>

namespace quillmar::conversion::texts {

// Window and pages
inline constexpr std::string_view kPageDisplay = "Umrechnungstabellen anzeigen";
inline constexpr std::string_view kPageEdit = "Umrechnungstabellen beareiten";
inline constexpr std::string_view kChooseQuantity = "Einheit auswählen";
inline constexpr std::string_view kConvertFrom = "Umrechnen von";
inline constexpr std::string_view kConvertInto = "Umrechnen in";
inline constexpr std::string_view kEnterValue = "Wert eingeben";
inline constexpr std::string_view kCompute = "Rechne";
inline constexpr std::string_view kNumberFormat = "Zahlenformat";
inline constexpr std::string_view kClose = "&Schließen";
inline constexpr std::string_view kNewTable = "Neue Tabelle";
inline constexpr std::string_view kSave = "Speichern";
inline constexpr std::string_view kQuantityListBar = "Größen";
inline constexpr std::string_view kUnitTableBar = "Einheiten";

// Record navigator
inline constexpr std::string_view kNavFirst = "Erster Datensatz";
inline constexpr std::string_view kNavPrior = "Vorheriger Datensatz";
inline constexpr std::string_view kNavNext = "Nächster Datensatz";
inline constexpr std::string_view kNavLast = "Letzter Datensatz";
inline constexpr std::string_view kNavInsert = "Datensatz einfügen";
inline constexpr std::string_view kNavDelete = "Datensatz löschen";
inline constexpr std::string_view kNavEdit = "Datensatz bearbeiten";
inline constexpr std::string_view kNavPost = "Änderungen übernehmen";
inline constexpr std::string_view kNavCancel = "Änderungen verwerfen";
inline constexpr std::string_view kNavRefresh = "Daten aktualisieren";
inline constexpr std::string_view kAskDelete = "Datensatz löschen?";

// Dialog "Neue Umrechnungstabelle"
inline constexpr std::string_view kNewTableCaption = "Neue Umrechnungstabelle";
inline constexpr std::string_view kNewQuantityName = "Namen der Größe";
inline constexpr std::string_view kNewFileName = "Dateiname für die Tabelle";
inline constexpr std::string_view kNewVariable = "Variablenname ";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Cancel";

// Messages
inline constexpr std::string_view kFileExists = "Datei existiert bereits";
inline constexpr std::string_view kNoQuantityName = "Bitte den Namen der Größe eingeben.";
inline constexpr std::string_view kNoFileName = "Bitte einen Dateinamen für die Tabelle eingeben.";
inline constexpr std::string_view kFileNameWithFolder =
    "Der Dateiname \"%1\" darf keinen Ordner enthalten; die Tabelle wird immer im Ordner daten angelegt.";
inline constexpr std::string_view kNotAUnitTable =
    "Die Datei \"%1\" ist keine Umrechnungstabelle (es fehlen die Felder Stoff, Einheit und Faktor).";
inline constexpr std::string_view kNotAQuantityList =
    "Die Datei \"%1\" ist keine Liste der Größen (es fehlen die Felder Groesse, DATEI und Variable).";
inline constexpr std::string_view kNoQuantityChosen = "Bitte zuerst eine Größe auswählen.";
inline constexpr std::string_view kTooFewUnits =
    "Die Umrechnungstabelle \"%1\" enthält weniger als zwei Einheiten; es gibt nichts umzurechnen.";
inline constexpr std::string_view kNoSuchUnit = "Bitte die Einheiten wählen, zwischen denen umgerechnet wird.";
inline constexpr std::string_view kValueNotANumber = "\"%1\" ist keine Zahl. Bitte einen Wert wie 12,5 eingeben.";
inline constexpr std::string_view kResultTooLarge = "Das Ergebnis der Umrechnung ist zu groß.";
inline constexpr std::string_view kNoUnitTableOpen = "Zu diesem Eintrag ist keine Umrechnungstabelle geöffnet.";
inline constexpr std::string_view kAskSaveUnits =
    "Die Einheiten der Tabelle \"%1\" wurden geändert. Sollen die Änderungen gespeichert werden?";
inline constexpr std::string_view kAskSaveList =
    "Die Liste der Größen wurde geändert. Sollen die Änderungen gespeichert werden?";
inline constexpr std::string_view kAskDiscard =
    "Die Änderungen an der Tabelle sind noch nicht gespeichert und gehen beim Neuladen verloren. Trotzdem neu laden?";
inline constexpr std::string_view kCellEmpty = "Die gewählte Zelle in Excel ist leer.";
inline constexpr std::string_view kCellNotANumber = "Die gewählte Zelle in Excel enthält keine Zahl, sondern \"%1\".";

// Command line
inline constexpr std::string_view kCliUsage = "Aufruf: quillmar umrechnen WERT VON NACH [--format MUSTER] [--daten ORDNER]";
inline constexpr std::string_view kCliFormatWithoutPattern = "Nach --format fehlt das Zahlenformat.";
inline constexpr std::string_view kCliDataWithoutFolder = "Nach --daten fehlt der Ordner.";
inline constexpr std::string_view kCliUnknownOption = "Unbekannte Angabe: %1";
inline constexpr std::string_view kCliUnknownUnit = "Die Einheit \"%1\" ist in keiner Umrechnungstabelle enthalten.";
inline constexpr std::string_view kCliSimilarUnits = "Ähnliche Einheiten:";
inline constexpr std::string_view kCliAmbiguousUnit = "Die Einheit \"%1\" ist mehrdeutig; gemeint sein kann:";
inline constexpr std::string_view kCliNoCommonQuantity =
    "\"%1\" und \"%2\" gehören zu keiner gemeinsamen Größe und lassen sich nicht ineinander umrechnen.";
inline constexpr std::string_view kCliCandidate = "  %1 (%2, Größe %3)";

} // namespace quillmar::conversion::texts
