#pragma once
// `quillmar formel INHALT [--gebiet G] [--thema T] [--umformung N | --nach VAR]
//                  [--format P] [--daten D] [--programm] [VAR=WERT[@EINHEIT] ...] [VAR@EINHEIT]`
// computes a formula of the collection as a formula window does and prints
// "VAR = RESULT UNIT" (with --programm the lines a calculation window would get).
// `quillmar formel --liste [SUCHTEXT]` prints "GEBIET / THEMA / INHALT" lines.
// Status 1 with the window's message on standard error when the calculation fails;
// 2 for an unknown formula, variable or unit (with the candidates) or a wrong call.
#include <iosfwd>
#include <string>
#include <vector>

namespace quillmar::collection {
class CollectionTables;
}

namespace quillmar::cli {

int runFormulaVerb(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// The same on collection tables that are already open (--daten is then ignored).
int runFormulaVerbOnTables(collection::CollectionTables& tables, const std::vector<std::string>& args,
                           std::ostream& out, std::ostream& err);

} // namespace quillmar::cli
