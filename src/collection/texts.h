#pragma once
// The fixed German texts of the collection store. Placeholders %1, %2 are filled
// in with text::fillIn().
#include <string_view>

namespace quillmar::collection::texts {

inline constexpr std::string_view kFileNotFound = "Die Datei \"%1\" wurde nicht gefunden.";
inline constexpr std::string_view kNotATable = "Die Datei \"%1\" ist keine Tabelle von Quillmar.";
inline constexpr std::string_view kDamaged = "Die Datei \"%1\" ist beschädigt und kann nicht gelesen werden.";
inline constexpr std::string_view kWrongLayout =
    "Die Datei \"%1\" hat nicht den Aufbau der %2 (Feld \"%3\" fehlt oder steht an falscher Stelle).";
inline constexpr std::string_view kQuantityTableName = "Größentabelle";
inline constexpr std::string_view kFormulaTableName = "Formeltabelle";
inline constexpr std::string_view kSaveFailed =
    "Die Tabelle konnte nicht in der Datei \"%1\" gespeichert werden; die bisherige Datei bleibt unverändert.";
inline constexpr std::string_view kSaveFailedNew = "Die Tabelle konnte nicht in der Datei \"%1\" gespeichert werden.";
inline constexpr std::string_view kFieldNotFound = "Das Feld '%1' wurde nicht gefunden";
inline constexpr std::string_view kNotANumber = "\"%1\" ist keine gültige Zahl für das Feld \"%2\".";
inline constexpr std::string_view kNotAnInteger = "\"%1\" ist keine gültige ganze Zahl für das Feld \"%2\".";
inline constexpr std::string_view kNoCurrentRecord = "Die Tabelle enthält keinen Datensatz.";

// The text form of the collection (build tool and export).
inline constexpr std::string_view kCannotReadText = "Die Datei \"%1\" kann nicht gelesen werden.";
inline constexpr std::string_view kNoTable = "Vor dieser Zeile steht kein \"%tabelle NAME\".";
inline constexpr std::string_view kBadTableName = "\"%1\" ist kein gültiger Tabellenname.";
inline constexpr std::string_view kBadFieldLine = "Eine Felddefinition lautet \"%feld NAME TYP [BREITE]\".";
inline constexpr std::string_view kBadFieldType =
    "Unbekannter Feldtyp \"%1\" (erlaubt sind text, ganzzahl und zahl).";
inline constexpr std::string_view kBadWidth = "\"%1\" ist keine gültige Feldbreite.";
inline constexpr std::string_view kTextNeedsWidth = "Ein Textfeld braucht eine Breite: \"%feld NAME text BREITE\".";
inline constexpr std::string_view kDuplicateField = "Das Feld \"%1\" ist doppelt definiert.";
inline constexpr std::string_view kFieldAfterRecords = "Felder müssen vor dem ersten Datensatz der Tabelle stehen.";
inline constexpr std::string_view kUnknownField = "Die Tabelle \"%1\" hat kein Feld \"%2\".";
inline constexpr std::string_view kFieldTwice = "Das Feld \"%1\" steht zweimal im selben Datensatz.";
inline constexpr std::string_view kBadLine = "Unverständliche Zeile (erwartet \"FELD: WERT\").";
inline constexpr std::string_view kUnknownDirective = "Unbekannte Anweisung \"%1\".";
inline constexpr std::string_view kTooLong = "Der Wert des Feldes \"%1\" hat %2 Zeichen, erlaubt sind %3.";
inline constexpr std::string_view kContinuationWithoutField =
    "Eine Fortsetzungszeile \"+ ...\" muss einer Zeile \"FELD: WERT\" folgen.";
inline constexpr std::string_view kJoinMismatch =
    "Die Tabelle \"%1\" wird schon in \"%2\" mit anderen Feldern definiert.";
inline constexpr std::string_view kBadIndex = "Die Tabelle hat kein Feld \"%1\" für den Index.";
inline constexpr std::string_view kNoFields = "Die Tabelle \"%1\" hat keine Felder.";
inline constexpr std::string_view kCannotWrite = "Die Datei \"%1\" kann nicht geschrieben werden.";
inline constexpr std::string_view kNoDataFolder = "Der Ordner \"%1\" enthält keine Tabellen.";

} // namespace quillmar::collection::texts
