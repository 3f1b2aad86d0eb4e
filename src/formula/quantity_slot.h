#pragma once
// One quantity of the loaded formula record as the formula window holds it: the
// texts of its quantity record, its value text and the unit chosen instead of the
// base unit. Slot 1 is the result, slots 2 to 9 the given quantities.
#include <cstddef>
#include <string>
#include <string_view>

namespace quillmar::formula {

inline constexpr int kSlotCount = 9;

// Bounds in characters; longer texts are cut when they are stored.
inline constexpr std::size_t kNameBound = 50;       // GROESSE
inline constexpr std::size_t kSymbolBound = 20;     // SYMBOL
inline constexpr std::size_t kUnitBound = 20;       // EINHEIT, umEinheit
inline constexpr std::size_t kUnitNameBound = 30;   // NAMEEINHEI, umNameeinheit
inline constexpr std::size_t kDerivationBound = 30; // ABLEITUNG
inline constexpr std::size_t kTableFileBound = 30;  // DATEI
inline constexpr std::size_t kVariableBound = 20;   // RECHENVARI
inline constexpr std::size_t kValueBound = 30;      // Wert
inline constexpr std::size_t kFactorBound = 30;     // umrechfaktor
inline constexpr std::size_t kDirectionBound = 3;   // direction flag

struct QuantitySlot {
    std::string name;            // GROESSE
    std::string symbol;          // SYMBOL, markup
    std::string unit;            // EINHEIT, markup
    std::string unitName;        // NAMEEINHEI
    std::string derivation;      // ABLEITUNG, markup
    std::string tableFile;       // DATEI with the extension .cds; empty: no unit choice
    std::string variable;        // RECHENVARI
    std::string value;           // Wert: preset, typed value or (slot 1) the last result
    std::string chosenUnitName;  // umNameeinheit; empty: none chosen
    std::string chosenUnit;      // umEinheit; empty: none chosen
    std::string direction = "1"; // first Faktor of the unit table: "1" multiplies, else divides
    std::string factor;          // umrechfaktor, used only while chosenUnit is set
    std::string cellReference;   // written by the spreadsheet insertion
    // False when the record names a quantity number that has no quantity record.
    bool known = true;

    bool hasChosenUnit() const { return !chosenUnit.empty(); }
    // The factors multiply into the base unit (direction read as the number 1).
    bool multipliesIntoBase() const;
    // The unit shown on the calculation page: the chosen one when it differs from
    // the base unit, else the base unit; likewise its name.
    const std::string& shownUnit() const;
    const std::string& shownUnitName() const;
};

// What the window remembers of a slot while another re-arrangement is loaded.
struct SavedSlot {
    std::string symbol;
    std::string unitName;
    std::string value;
    std::string chosenUnitName;
    std::string chosenUnit;
    std::string factor;
};

// The text cut to bound characters.
std::string bounded(std::string_view text, std::size_t bound);

} // namespace quillmar::formula
