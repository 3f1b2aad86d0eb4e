#pragma once
// The files of a calculation window: the calculation window file (.ref) with
// mode, number pattern, font, placement and text, and plain text (any other
// name) with the lines of the text only.
#include "engine/number_texts.h"
#include "support/window_placement.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillmar::calc {

// The font of the text; colour is a colour value of the file format (red in the
// low byte, blue in the third; negative for system colours), size in points.
struct TextFont {
    std::string name = "Arial";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int colour = 0;
    int size = 10;

    bool operator==(const TextFont&) const = default;
};

// What the files hold of a calculation window. The text is the window's one
// stored control, its text field.
struct CalcWindowState {
    std::string pattern{engine::texts::defaultPattern};
    bool programMode = false;
    TextFont font;
    WindowPlacement placement;
    std::vector<std::string> textLines;

    bool operator==(const CalcWindowState&) const = default;
};

// True when the extension reads ".REF" in capitals.
bool isCalcWindowFileName(const std::filesystem::path& path);

// The lines of a calculation window file for state.
std::vector<std::string> calcWindowFileLines(const CalcWindowState& state);

// Reads the lines of a calculation window file into state, in the order of the
// file. Gives an empty text on success, otherwise the message to show; on a wrong
// first line nothing is changed, on a later error what was read before stays set.
std::string readCalcWindowFileLines(const std::vector<std::string>& lines, CalcWindowState& state);

// Saves state to path in the form its name selects; atomically. Empty text on
// success, otherwise the message to show (the file is then untouched).
std::string saveCalcWindow(const CalcWindowState& state, const std::filesystem::path& path);

// Opens path into state in the form its name selects: a plain text replaces the
// text only. Empty text on success, otherwise the message to show; what was read
// before a fault stays set, as with readCalcWindowFileLines.
std::string openCalcWindow(CalcWindowState& state, const std::filesystem::path& path);

} // namespace quillmar::calc
