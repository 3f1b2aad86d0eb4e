#pragma once
// The operations of the project formula dialog on the definition store: define
// a typed line, take the lines of a formula file, compute an expression, and find
// the name a definition text defines.
#include "engine/definition_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmar::calc {

// The name that a definition text defines: the text before its "(" or "=",
// without blanks ("Pa(u)=2*u^2" -> "Pa").
std::string definitionName(std::string_view definitionText);

// The outcome of a typed line.
struct TypedLine {
    enum class Kind { refused, definition, value };
    Kind kind = Kind::refused;
    std::string shown; // the definition as stored, or "expression=value"
};

// Works a typed line as the evaluator does (blanks and tabs removed).
TypedLine defineLine(engine::DefinitionStore& store, std::string_view typed, std::string_view pattern);

// Computes an expression; a missing final "=" is added. A definition typed here
// is stored like any other.
TypedLine computeExpression(engine::DefinitionStore& store, std::string_view typed, std::string_view pattern);

// Defines every line that is not a comment; gives the lines that were refused or
// are not definitions, as written.
std::vector<std::string> defineLines(engine::DefinitionStore& store, const std::vector<std::string>& lines);

} // namespace quillmar::calc
