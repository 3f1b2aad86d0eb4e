#pragma once
// The kinds of line a calculation window works with. A line is examined after
// every blank and tab is removed from it; the case of its letters stays.
#include <string>
#include <string_view>

namespace quillmar::calc {

enum class StatementKind {
    comment,         // empty, or begins with ";"
    output,          // "Ausgabe(" in any case of letters ... ")"
    clearText,       // "cls"
    listDefinitions, // "zeige_fkt"
    clearStore,      // "lösche_alle"
    evaluate,        // everything else goes to the evaluator
};

// The line without blanks and tabs.
std::string normalise(std::string_view line);

// The kind of a normalised line. Output statements exist only in program mode,
// the three commands only in direct mode; elsewhere those lines are evaluated.
StatementKind classify(std::string_view normalised, bool programMode);

// The expression of an output statement: the text between "Ausgabe(" and the final ")".
std::string outputExpression(std::string_view normalised);

} // namespace quillmar::calc
