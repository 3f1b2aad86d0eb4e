#pragma once
// The settings file quillmar.ini: eight plain lines (not a sectioned file).
//   1  quillmar30
//   2  window record: state#width#height#top#left#  (state 0 normal, 1 minimized, 2 maximized)
//   3  factorPattern
//   4  formulaTarget        5  formulaContent
//   6  conversionTarget     7  conversionContent
//   8  "1" for Excel XP, "0" for the older versions
// Reading goes line by line and stops at the first value that fails; the values read
// before it are kept, which is why every value of the result is optional.
#include "support/window_placement.h"

#include <optional>
#include <string>

namespace quillmar::settings {

// The settings that steer the spreadsheet link, with their initial values.
struct Options {
    std::string factorPattern = "0.000"; // number pattern of the factor of an inserted conversion
    int formulaTarget = 0;              // 0 new workbook, 1 new sheet, 2 current sheet
    int formulaContent = 0;             // 0 formula + formatting, 1 formula + picture, 2 formula only
    int conversionTarget = 0;           // 0 new workbook, 1 new sheet, 2 current sheet, 3 replace value
    int conversionContent = 0;          // 0 conversion + formatting, 1 conversion only
    bool excelXP = true;                // Excel XP (Z/S, decimal comma) when true, the older versions otherwise
};

inline constexpr int kFormulaTargetCount = 3;
inline constexpr int kFormulaContentCount = 3;
inline constexpr int kConversionTargetCount = 4;
inline constexpr int kConversionContentCount = 2;

enum class ReadOutcome {
    complete,            // every line read
    wrongIdentification, // line 1 is not "quillmar30": nothing was taken
    faulty,              // missing or unreadable file, too few lines, or a bad value
};

// What a reading produced, in the order of the file. A value is set when it was read
// before the reading stopped.
struct ReadResult {
    ReadOutcome outcome = ReadOutcome::faulty;
    std::optional<WindowState> state;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<int> top;
    std::optional<int> left;
    std::optional<std::string> factorPattern;
    std::optional<int> formulaTarget;
    std::optional<int> formulaContent;
    std::optional<int> conversionTarget;
    std::optional<int> conversionContent;
    std::optional<bool> excelXP;
};

// Reads the bytes of the file (nothing when it is missing or unreadable).
ReadResult readSettings(const std::optional<std::string>& fileBytes);

// Copies the option values that the result holds into options.
void applyOptions(const ReadResult& result, Options& options);

// The bytes of the file: eight lines, each ended by CR LF, Windows-1252 (UTF-8 with
// a byte-order mark when the number pattern holds a character outside it). The
// window is the main window: its inner size, and the position of its frame.
std::string writeSettings(const WindowPlacement& window, const Options& options);

} // namespace quillmar::settings
