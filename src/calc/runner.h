#pragma once
// Working the lines of a calculation window against the definition store: one
// line in direct mode, the whole text in program mode, and the entries of the
// formula list. The window applies the outcome to its text.
#include "engine/definition_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmar::calc {

// What the window does after Enter on a line in direct mode.
struct DirectOutcome {
    enum class Action {
        none,         // a comment or a definition
        clearText,    // "cls": delete every line of the text
        appendLines,  // "zeige_fkt": append lines at the end of the text
        insertBelow,  // a computation: insert lines[0] directly after the current line
        message,      // show message ("lösche_alle", a refused line)
    };
    Action action = Action::none;
    std::vector<std::string> lines;
    std::string message;
};

// Works one line of the text in direct mode; values are shown with pattern.
// "lösche_alle" clears the store. A line longer than the evaluator takes is refused.
DirectOutcome workDirectLine(engine::DefinitionStore& store, std::string_view line, std::string_view pattern);

// The output of one program run: the lines of its output window, empty when the
// run wrote nothing (then no window is opened).
struct ProgramOutput {
    std::vector<std::string> lines;
    bool hasErrors = false; // at least one "Fehler:" line
};

// Runs every line of the text from top to bottom. Output statements write
// ";expression=value"; lines the evaluator refuses, computations outside an
// output statement and lines longer than the evaluator takes write "Fehler:"
// and the line as written. Errors do not stop the run.
ProgramOutput runProgram(engine::DefinitionStore& store, const std::vector<std::string>& lines, std::string_view pattern);

// The definition texts of the store, each followed by "=" and its value where
// its left side can be computed ("x=6*(3*5-4)=66"), in store order.
std::vector<std::string> formulaEntries(engine::DefinitionStore& store, std::string_view pattern);

} // namespace quillmar::calc
