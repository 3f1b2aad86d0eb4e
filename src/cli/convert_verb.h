#pragma once
// `quillmar umrechnen WERT VON NACH [--format MUSTER] [--daten ORDNER]`: converts a
// value between two units of the bundled unit tables. Units are named by their
// name (without regard to case) or their symbol; the quantity follows from the
// units. Prints "WERT VON = ERGEBNIS NACH"; status 1 for an unknown or ambiguous
// unit or a failed conversion, 2 for a wrong call.
#include <iosfwd>
#include <string>
#include <vector>

namespace quillmar::cli {

int runConvertVerb(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quillmar::cli
