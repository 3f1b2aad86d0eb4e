#pragma once
// The fixed German texts of the expression engine and of the callers that
// report a refused line.
namespace quillmar::engine::texts {

// A definition refers to its own name.
inline constexpr const char* kRecursiveDefinition = "Rekursive Definitionen nicht erlaubt!";

// A line the evaluator refused (calculation window, command line).
inline constexpr const char* kInvalidExpression = "ungültiger Ausdruck";

} // namespace quillmar::engine::texts
