#pragma once
// The fixed German texts of the expression engine and of the callers that
// report a refused line.
namespace quillmar::texts {

// A definition refers to its own name.
inline constexpr const char* kRekursiveDefinition = "Rekursive Definitionen nicht erlaubt!";

// A line the evaluator refused (calculation window, command line).
inline constexpr const char* kUngueltigerAusdruck = "ungültiger Ausdruck";

} // namespace quillmar::texts
