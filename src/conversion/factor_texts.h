#pragma once
// The fixed German texts of the direction rule of unit tables.
#include <string_view>

namespace quillmar::conversion::texts {

inline constexpr std::string_view kBadFirstFactor =
    "Der erste Faktor einer Umrechnungstabelle muss 1 oder -1 sein, nicht \"%1\".";
inline constexpr std::string_view kBadFactor = "\"%1\" ist kein gültiger Umrechnungsfaktor.";
inline constexpr std::string_view kZeroFactor = "Ein Umrechnungsfaktor darf nicht 0 sein.";

} // namespace quillmar::conversion::texts
