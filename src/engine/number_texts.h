#pragma once
// The fixed texts of the number patterns, the numeric fields and the dialog
// "Zahlenformat".
#include <array>
#include <string_view>

namespace quillmar::engine::texts {

// What a pattern shows for values that are not numbers.
inline constexpr std::string_view infinity = "INF";
inline constexpr std::string_view negativeInfinity = "-INF";
inline constexpr std::string_view notANumber = "NAN";

// The pattern of every window until the user picks another.
inline constexpr std::string_view defaultPattern = "0.000";
// The pattern of a numeric field until its owner sets one.
inline constexpr std::string_view fieldDefaultPattern = "000.00";
// The pattern with which the evaluator writes a computed value into its line.
inline constexpr std::string_view evaluatorPattern = "#.##e+##";

inline constexpr std::array<std::string_view, 12> presetPatterns = {
    "0.0", "0.00", "0.000", "0.0000", "0.000000", "0.0E-0", "0.00E-0", "0.000E-0",
    "0.000E-00", "0.0000000E-00", "##0.######", "##0.#########E-00",
};

inline constexpr std::array<std::string_view, 7> sampleNumbers = {
    "123,78676", "23434,353453", "1e-6", "0,0000004", "-34,56744", "1000000", "1,00000034",
};

// The dialog "Zahlenformat".
inline constexpr std::string_view dialogCaption = "Zahlenformat";
inline constexpr std::string_view displayFormatLabel = "DisplayFormat";
inline constexpr std::string_view chooseFormatLabel = "Formatierung wählen:";
inline constexpr std::string_view samplesLabel = "Beispiele: Unformatiert ------------  Formatiert";
inline constexpr std::string_view okButton = "OK";
inline constexpr std::string_view cancelButton = "Abbrechen";
inline constexpr std::string_view helpButton = "&Hilfe";
inline constexpr int helpContext = 303;

} // namespace quillmar::engine::texts
